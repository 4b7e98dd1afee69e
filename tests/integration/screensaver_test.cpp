// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on a private session bus (dbus-run-session): a stand-in for the desktop's screen saver
// service counts what the program asks of it.
#include "document/mydocument.h"
#include "fakes.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qtdisplay.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QMutex>
#include <QThread>
#include <gtest/gtest.h>
#include <vector>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

const QString Service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString Path = QStringLiteral("/org/freedesktop/ScreenSaver");

class StandInScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    struct Call
    {
        QString method;
        QString application;
        uint cookie = 0;
    };
    std::vector<Call> calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

public slots:
    uint Inhibit(const QString &application, const QString &reason)
    {
        QMutexLocker lock(&m_mutex);
        const uint cookie = ++m_lastCookie + 1000;
        m_calls.push_back({ QStringLiteral("Inhibit"), application, cookie });
        Q_UNUSED(reason);
        return cookie;
    }
    void UnInhibit(uint cookie)
    {
        QMutexLocker lock(&m_mutex);
        m_calls.push_back({ QStringLiteral("UnInhibit"), QString(), cookie });
    }

private:
    mutable QMutex m_mutex;
    std::vector<Call> m_calls;
    uint m_lastCookie = 0;
};

// The program calls and waits on the main thread, so the stand-in answers from a thread of its
// own, over a second connection to the same bus (a call on one connection to itself would
// never go over the bus).
class ScreenSaverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected())
            << "no session bus: run under dbus-run-session";
        fakes.bundle.display = &display;
    }
    void TearDown() override
    {
        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (standIn) {
            QDBusConnection bus(QStringLiteral("standin"));
            bus.unregisterObject(Path);
            bus.unregisterService(Service);
            QDBusConnection::disconnectFromBus(QStringLiteral("standin"));
            thread.quit();
            thread.wait();
            standIn.reset();
        }
    }

    void startStandIn()
    {
        standIn = std::make_unique<StandInScreenSaver>();
        standIn->moveToThread(&thread);
        thread.start();
        QDBusConnection bus
            = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("standin"));
        ASSERT_TRUE(bus.isConnected());
        ASSERT_TRUE(bus.registerObject(Path, standIn.get(), QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.registerService(Service));
    }

    MyDocument *documentWithSlides()
    {
        auto *document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        document->getImageHandler()->appendSlide(makeSlide(QStringLiteral("a.jpg")));
        document->getImageHandler()->appendSlide(makeSlide(QStringLiteral("b.jpg")));
        return document;
    }

    static bool cursorBlank()
    {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        return cursor && cursor->shape() == Qt::BlankCursor;
    }

    QtDisplay display;
    FakeServices fakes;
    DocumentController controller { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
    QThread thread;
    std::unique_ptr<StandInScreenSaver> standIn;
};

} // namespace

TEST_F(ScreenSaverTest, EnteringInhibitsOnceAndLeavingGivesThatInhibitionBack)
{
    startStandIn();
    MyDocument *document = documentWithSlides();

    document->runFullScreen();
    ASSERT_TRUE(document->isFullScreen());
    auto calls = standIn->calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].method, QStringLiteral("Inhibit"));
    EXPECT_EQ(calls[0].application, QStringLiteral("Lanternreel"));
    EXPECT_TRUE(cursorBlank());

    document->escapeDown();
    calls = standIn->calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].method, QStringLiteral("UnInhibit"));
    EXPECT_EQ(calls[1].cookie, calls[0].cookie);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(fakes.log.logLines.isEmpty());
}

TEST_F(ScreenSaverTest, WithNoScreenSaverOnTheBusFullScreenGoesOnWithOneLogLine)
{
    ASSERT_FALSE(QDBusConnection::sessionBus().interface()->isServiceRegistered(Service));
    MyDocument *document = documentWithSlides();

    document->runFullScreen();
    EXPECT_TRUE(document->isFullScreen());
    EXPECT_TRUE(cursorBlank());
    EXPECT_EQ(fakes.log.logLines,
              QStringList { QStringLiteral("Couldn't capture the main display!") });

    // Nothing was taken, so nothing fails to be given back.
    document->runFullScreen();
    EXPECT_FALSE(document->isFullScreen());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(fakes.log.logLines.size(), 1);
}

TEST_F(ScreenSaverTest, TwoShowsInFullScreenGiveBackEveryInhibition)
{
    startStandIn();
    MyDocument *first = documentWithSlides();
    MyDocument *second = documentWithSlides();
    first->runFullScreen();
    second->runFullScreen();
    first->runFullScreen();
    EXPECT_TRUE(cursorBlank()); // the second show is still up
    second->runFullScreen();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    const auto calls = standIn->calls();
    ASSERT_EQ(calls.size(), 4u);
    int inhibits = 0;
    std::vector<uint> given, returned;
    for (const auto &call : calls) {
        if (call.method == QStringLiteral("Inhibit")) {
            ++inhibits;
            given.push_back(call.cookie);
        } else {
            returned.push_back(call.cookie);
        }
    }
    EXPECT_EQ(inhibits, 2);
    std::sort(given.begin(), given.end());
    std::sort(returned.begin(), returned.end());
    EXPECT_EQ(given, returned);
}

#include "screensaver_test.moc"
