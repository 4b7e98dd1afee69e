// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt implementations of the alerts and the log, on their real Qt classes.

#include "platform/qt/documentpanels.h"
#include "platform/qt/qtalerts.h"
#include "platform/qt/qtlog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace lanternreel;

namespace {

struct SeenAlert
{
    QString title;
    QString details;
    int width = 0;
};

// Runs `raise`, which puts up a modal message box, and reads the box once it shows, then closes
// it as the user would.
SeenAlert seeAlert(const std::function<void()> &raise)
{
    SeenAlert seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || !box->isVisible())
                continue;
            seen = { box->windowTitle(), box->detailedText(), box->width() };
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(20);
    raise();
    return seen;
}

} // namespace

// A window manager's title bar puts a menu, buttons and a frame beside the title: the box is
// wide enough for them and the whole title in the bold face of title bars, whoever raises it.
// The details say what the alert is about.
TEST(QtAlertsTest, TheTitleFitsAndTheDetailsAreThere)
{
    const QString title = QStringLiteral("Invalid Timer Interval");
    const QString text
        = QStringLiteral("The time between slides must be an integer greater than 0.");
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    const int needed = QFontMetrics(bold).horizontalAdvance(title) + 150;

    QtAlerts alerts;
    QtDocumentPanels panels;
    const struct
    {
        const char *who;
        std::function<void()> raise;
        QString details;
    } cases[] = {
        { "an alert", [&] { alerts.alert(title, text); }, QString() },
        { "an alert with details",
          [&] { alerts.alert(title, text, QStringLiteral("/photos/broken.jpg")); },
          QStringLiteral("/photos/broken.jpg") },
        { "a document's failure", [&] { panels.reportFailure(title, QStringLiteral("x")); },
          QString() },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.who);
        const SeenAlert seen = seeAlert(c.raise);
        EXPECT_EQ(seen.title, title);
        EXPECT_GE(seen.width, needed);
        EXPECT_EQ(seen.details, c.details);
    }
}

// Log lines go to standard error through Qt's messages; output lines to standard output, whole,
// at once.
TEST(QtLogTest, LogLinesAreMessagesAndOutputLinesReachStandardOutput)
{
    static QStringList messages;
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &message) { messages << message; });
    QtLog log;
    log.log(QStringLiteral("Couldn't capture the main display!"));
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages, QStringList { QStringLiteral("Couldn't capture the main display!") });

    QTemporaryFile captured;
    ASSERT_TRUE(captured.open());
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    ASSERT_GE(dup2(captured.handle(), STDOUT_FILENO), 0);
    log.out(QStringLiteral("Current index 3"));
    log.out(QStringLiteral("Error loading images."));
    dup2(saved, STDOUT_FILENO);
    close(saved);
    QFile written(captured.fileName());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("Current index 3\nError loading images.\n"));
}
