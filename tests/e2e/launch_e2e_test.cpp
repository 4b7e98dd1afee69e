// SPDX-License-Identifier: GPL-3.0-or-later
// The real program under a private X server with a window manager: files given at launch, to a
// second launch while the first runs, and a second launch with a file that is no picture.

#include "document/model.h"
#include "document/showarchive.h"
#include "slides/imagehandler.h"
#include "testimagefiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <unistd.h>

using namespace lanternreel::testing;

namespace {

constexpr int StartDeadlineMs = 30000;

bool pollUntil(int deadlineMs, const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < deadlineMs) {
        if (done())
            return true;
        QThread::msleep(100);
    }
    return done();
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

// Xvfb on a display it picks itself (-displayfd, so parallel runs never collide), and openbox.
class X11Session
{
public:
    ~X11Session()
    {
        stop(m_windowManager);
        stop(m_server);
    }

    // On a heavily loaded machine a server or window manager now and then fails to come up in
    // time; a fresh pair is tried before the test gives up.
    bool start()
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (startOnce())
                return true;
            qWarning("X11 session on display %s did not come up (openbox %s); trying again",
                     qPrintable(display),
                     m_windowManager.state() == QProcess::Running ? "running" : "not running");
            stop(m_windowManager);
            stop(m_server);
        }
        return false;
    }

    bool startOnce()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        m_server.setProgram(QStringLiteral("Xvfb"));
        m_server.setArguments({ QStringLiteral("-displayfd"), QString::number(fds[1]),
                                QStringLiteral("-screen"), QStringLiteral("0"),
                                QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                QStringLiteral("tcp") });
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start();
        const bool started = m_server.waitForStarted(5000);
        close(fds[1]);
        QByteArray number;
        if (started) {
            pollfd readable { fds[0], POLLIN, 0 };
            QElapsedTimer clock;
            clock.start();
            while (!number.endsWith('\n') && clock.elapsed() < StartDeadlineMs) {
                if (poll(&readable, 1, 200) > 0) {
                    char c;
                    if (read(fds[0], &c, 1) != 1)
                        break;
                    number.append(c);
                }
            }
        }
        ::close(fds[0]);
        if (!number.endsWith('\n'))
            return false;
        display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());

        m_windowManager.setProcessEnvironment(environment());
        m_windowManager.start(QStringLiteral("openbox"), {});
        if (!m_windowManager.waitForStarted(5000))
            return false;
        // openbox is ready once it has announced itself on the root window.
        return pollUntil(StartDeadlineMs,
                         [this] {
                             QProcess xprop;
                             xprop.setProcessEnvironment(environment());
                             xprop.start(QStringLiteral("xprop"),
                                         { QStringLiteral("-root"),
                                           QStringLiteral("_NET_SUPPORTING_WM_CHECK") });
                             if (!xprop.waitForFinished(5000))
                                 stop(xprop);
                             return xprop.readAllStandardOutput().contains("window id")
                                 || m_windowManager.state() != QProcess::Running;
                         })
            && m_windowManager.state() == QProcess::Running;
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }

    struct Result
    {
        int exitCode = -1;
        QString output;
    };
    Result xdotool(const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral("xdotool"), arguments);
        if (!process.waitForFinished(10000)) {
            stop(process);
            return {};
        }
        return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed() };
    }
    // Visible windows whose title matches `pattern`.
    QStringList windows(const QString &pattern) const
    {
        const Result found = xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), pattern });
        return found.output.isEmpty() ? QStringList()
                                      : found.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString titleOf(const QString &window) const
    {
        return xdotool({ QStringLiteral("getwindowname"), window }).output;
    }
    void keys(const QString &window, const QStringList &keys) const
    {
        QStringList arguments { QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                                window };
        for (const QString &key : keys)
            arguments << QStringLiteral("key") << key;
        xdotool(arguments);
    }

    QString display;

private:
    QProcess m_server;
    QProcess m_windowManager;
};

class LaunchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *tool : { "Xvfb", "openbox", "xdotool" }) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        }
        program
            = qEnvironmentVariable("LANTERNREEL_BINARY_DIR") + QStringLiteral("/src/lanternreel");
        ASSERT_TRUE(QFile::exists(program)) << qPrintable(program);
        ASSERT_TRUE(x11.start()) << "could not start Xvfb and openbox";
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("pictures")));
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("runtime")));
        QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner);
        for (const char *name : { "img10.jpg", "IMG1.jpg", "img2.jpg", "more.jpg" })
            writeJpeg(pictures(name), Qt::darkCyan, QSize(320, 240));
        writeFile(pictures("notes.txt"), "not a picture\n");
    }
    void TearDown() override
    {
        // An edited show would ask to be saved on Quit; the test is over, so it just ends.
        stop(first);
    }

    QString pictures(const char *name) const
    {
        return home.filePath(QStringLiteral("pictures/") + QLatin1String(name));
    }
    void prepare(QProcess &process, const QStringList &arguments) const
    {
        QProcessEnvironment env = x11.environment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home.filePath(QStringLiteral("pictures")));
        process.setProgram(program);
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    }

    QTemporaryDir home;
    X11Session x11;
    QString program;
    QProcess first;
};

} // namespace

TEST_F(LaunchTest, FilesAtLaunchAndFromASecondLaunch)
{
    prepare(
        first,
        { QStringLiteral("img10.jpg"), QStringLiteral("IMG1.jpg"), QStringLiteral("img2.jpg") });
    first.start();
    ASSERT_TRUE(first.waitForStarted(5000));
    const QString title = QStringLiteral("^Untitled - IMG1\\.jpg$");
    ASSERT_TRUE(pollUntil(StartDeadlineMs, [&] { return !x11.windows(title).isEmpty(); }))
        << "no window titled Untitled - IMG1.jpg";
    EXPECT_EQ(x11.windows(QStringLiteral("^Untitled")).size(), 1);

    // A second launch hands its file over, opens nothing and reports success.
    QProcess second;
    prepare(second, { QStringLiteral("more.jpg") });
    second.start();
    ASSERT_TRUE(second.waitForFinished(StartDeadlineMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    const QStringList shows = x11.windows(QStringLiteral("^Untitled"));
    ASSERT_EQ(shows.size(), 1);
    EXPECT_EQ(x11.titleOf(shows.first()), QStringLiteral("Untitled - IMG1.jpg"));
    // The show holds IMG1, img2, img10 and now more.jpg: removing the first three shows it.
    x11.keys(shows.first(),
             { QStringLiteral("Delete"), QStringLiteral("Delete"), QStringLiteral("Delete") });
    EXPECT_TRUE(pollUntil(5000, [&] {
        return x11.titleOf(shows.first()) == QStringLiteral("Untitled - more.jpg");
    })) << qPrintable(x11.titleOf(shows.first()));

    // A file that is no picture: the running program shows its alert; the second launch waits
    // for the user and then reports failure.
    QProcess third;
    prepare(third, { QStringLiteral("notes.txt") });
    third.start();
    ASSERT_TRUE(third.waitForStarted(5000));
    QStringList alerts;
    ASSERT_TRUE(pollUntil(StartDeadlineMs, [&] {
        alerts = x11.windows(QStringLiteral("^Problem Loading Images$"));
        return !alerts.isEmpty();
    })) << "no alert";
    EXPECT_EQ(third.state(), QProcess::Running);
    x11.keys(alerts.first(), { QStringLiteral("Return") });
    ASSERT_TRUE(third.waitForFinished(StartDeadlineMs));
    EXPECT_EQ(third.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(third.exitCode(), 2);
    EXPECT_EQ(x11.windows(QStringLiteral("^Untitled")).size(), 1);
}

// A path that does not exist is a file that did not load: the alert, in a show of its own at
// launch, and the failure reply to a second launch, also when other paths came with it.
TEST_F(LaunchTest, PathsThatDoNotExistAreLoadFailures)
{
    prepare(first, { QStringLiteral("gone.jpg") });
    first.start();
    ASSERT_TRUE(first.waitForStarted(5000));
    QStringList alerts;
    ASSERT_TRUE(pollUntil(StartDeadlineMs, [&] {
        alerts = x11.windows(QStringLiteral("^Problem Loading Images$"));
        return !alerts.isEmpty();
    })) << "no alert at launch";
    EXPECT_EQ(x11.windows(QStringLiteral("^Untitled$")).size(), 1);
    x11.keys(alerts.first(), { QStringLiteral("Return") });
    ASSERT_TRUE(pollUntil(
        5000, [&] { return x11.windows(QStringLiteral("^Problem Loading Images$")).isEmpty(); }));
    EXPECT_EQ(first.state(), QProcess::Running);

    const QStringList seconds[] = {
        { QStringLiteral("also gone.jpg") },
        // Sorted, img2.jpg comes first and is imported before the missing one ends the import.
        { QStringLiteral("zz gone.jpg"), QStringLiteral("img2.jpg") },
    };
    for (const QStringList &arguments : seconds) {
        SCOPED_TRACE(qPrintable(arguments.join(QLatin1Char(' '))));
        QProcess second;
        prepare(second, arguments);
        second.start();
        ASSERT_TRUE(second.waitForStarted(5000));
        ASSERT_TRUE(pollUntil(StartDeadlineMs, [&] {
            alerts = x11.windows(QStringLiteral("^Problem Loading Images$"));
            return !alerts.isEmpty() || second.state() == QProcess::NotRunning;
        }));
        ASSERT_FALSE(alerts.isEmpty()) << "no alert; the launch exited with " << second.exitCode();
        EXPECT_EQ(second.state(), QProcess::Running);
        x11.keys(alerts.first(), { QStringLiteral("Return") });
        ASSERT_TRUE(second.waitForFinished(StartDeadlineMs));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 2);
        ASSERT_TRUE(pollUntil(5000, [&] {
            return x11.windows(QStringLiteral("^Problem Loading Images$")).isEmpty();
        }));
    }
    // The one picture that was there is in the show: the next import that succeeds shows the
    // show's first slide.
    QProcess last;
    prepare(last, { QStringLiteral("more.jpg") });
    last.start();
    ASSERT_TRUE(last.waitForFinished(StartDeadlineMs));
    EXPECT_EQ(last.exitCode(), 0);
    const QStringList shows = x11.windows(QStringLiteral("^Untitled"));
    ASSERT_EQ(shows.size(), 1);
    EXPECT_TRUE(pollUntil(5000, [&] {
        return x11.titleOf(shows.first()) == QStringLiteral("Untitled - img2.jpg");
    })) << qPrintable(x11.titleOf(shows.first()));
}

TEST_F(LaunchTest, ShowFilesOpenAsDocuments)
{
    // A show of two pictures, written by the program's own writer.
    {
        lanternreel::Services none;
        lanternreel::Model model(none);
        for (const char *name : { "img2.jpg", "img10.jpg" })
            model.getImageHandler()->appendSlide(lanternreel::Slide::load(pictures(name)));
        model.getImageHandler()->compressImages();
        QFile file(pictures("trip.lrshow"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(lanternreel::writeShow(file, model));
    }
    writeFile(pictures("broken.lrshow"), "not a show\n");

    prepare(first, { QStringLiteral("trip.lrshow") });
    first.start();
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(pollUntil(StartDeadlineMs, [&] {
        return !x11.windows(QStringLiteral("^trip$")).isEmpty();
    })) << "no window titled trip";
    EXPECT_TRUE(x11.windows(QStringLiteral("^Untitled")).isEmpty());
    const QString show = x11.windows(QStringLiteral("^trip$")).first();
    // Its first slide is the one shown: the next command shows the second.
    x11.keys(show, { QStringLiteral("Right") });
    EXPECT_TRUE(pollUntil(5000, [&] {
        return x11.titleOf(show) == QStringLiteral("trip - img10.jpg");
    })) << qPrintable(x11.titleOf(show));

    // Handed over again by a second launch: the same window, and success.
    QProcess second;
    prepare(second, { QStringLiteral("trip.lrshow") });
    second.start();
    ASSERT_TRUE(second.waitForFinished(StartDeadlineMs));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(x11.windows(QStringLiteral("^trip")).size(), 1);

    // A file that only looks like a show: an alert naming it, then failure.
    QProcess third;
    prepare(third, { QStringLiteral("broken.lrshow") });
    third.start();
    ASSERT_TRUE(third.waitForStarted(5000));
    QStringList alerts;
    ASSERT_TRUE(pollUntil(StartDeadlineMs, [&] {
        alerts = x11.windows(
            QStringLiteral("^The document .*broken\\.lrshow.* could not be opened\\.$"));
        return !alerts.isEmpty();
    })) << "no alert";
    x11.keys(alerts.first(), { QStringLiteral("Return") });
    ASSERT_TRUE(third.waitForFinished(StartDeadlineMs));
    EXPECT_EQ(third.exitCode(), 2);
    EXPECT_EQ(x11.windows(QStringLiteral("^trip")).size(), 1);

    // Unchanged, it closes without asking.
    x11.keys(show, { QStringLiteral("ctrl+q") });
    EXPECT_TRUE(first.waitForFinished(StartDeadlineMs));
}
