// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance door over real local sockets: who a launch hands its paths to, and what a
// request may claim before it has been read.

#include "app/instancedoor.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using lanternreel::InstanceDoor;

namespace {

constexpr uid_t Nobody = 65534;

// Lets the sockets of this thread work until `done` or a generous deadline.
bool serveUntil(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// A launch's knock, from a thread of its own as from another process, while this thread serves.
std::optional<int> knockServed(const QString &name, const QStringList &paths)
{
    std::optional<int> reply;
    std::atomic<bool> done = false;
    std::thread launch([&] {
        reply = InstanceDoor::knock(name, paths);
        done = true;
    });
    serveUntil([&] { return done.load(); });
    launch.join();
    return reply;
}

// Someone else's listener at `path`: a child process that binds it, becomes another user,
// listens, and reports how many bytes a caller gave it (after answering "success" to them).
class ForeignListener
{
public:
    explicit ForeignListener(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        int ready[2];
        if (pipe(ready) != 0 || pipe(m_report) != 0)
            return;
        m_child = fork();
        if (m_child == 0) {
            const int server = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
            if (bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
                || setgid(Nobody) != 0 || setuid(Nobody) != 0 || listen(server, 4) != 0)
                _exit(1);
            (void)!write(ready[1], "r", 1);
            long received = 0;
            pollfd waiting { server, POLLIN, 0 };
            if (poll(&waiting, 1, 10000) > 0) {
                const int caller = accept(server, nullptr, nullptr);
                char buffer[4096];
                for (;;) {
                    pollfd readable { caller, POLLIN, 0 };
                    if (poll(&readable, 1, 1000) <= 0)
                        break;
                    const ssize_t got = read(caller, buffer, sizeof buffer);
                    if (got <= 0)
                        break;
                    received += got;
                }
                const char success[4] = { 0, 0, 0, 0 };
                (void)!write(caller, success, sizeof success);
            }
            (void)!write(m_report[1], &received, sizeof received);
            _exit(0);
        }
        char byte = 0;
        m_listening = m_child > 0 && read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        close(ready[1]);
    }
    ~ForeignListener()
    {
        if (m_child > 0) {
            kill(m_child, SIGKILL);
            waitpid(m_child, nullptr, 0);
        }
    }
    bool listening() const { return m_listening; }
    // The bytes it was given; waits for the child to finish with its caller.
    long received()
    {
        long bytes = -1;
        if (read(m_report[0], &bytes, sizeof bytes) != sizeof bytes)
            return -1;
        return bytes;
    }

private:
    pid_t m_child = -1;
    int m_report[2] = { -1, -1 };
    bool m_listening = false;
};

// Someone listening where a launch might call: takes whatever it is given and answers
// "success", as the squatter of a shared folder would.
class Squatter
{
public:
    bool listen(const QString &place)
    {
        m_server.setSocketOptions(QLocalServer::WorldAccessOption);
        QObject::connect(&m_server, &QLocalServer::newConnection, [this] {
            while (QLocalSocket *caller = m_server.nextPendingConnection()) {
                ++calls;
                QObject::connect(caller, &QLocalSocket::readyRead, caller, [caller] {
                    caller->readAll();
                    caller->write(QByteArray(4, '\0'));
                });
            }
        });
        return m_server.listen(place);
    }
    QString place() const { return m_server.fullServerName(); }
    int calls = 0;

private:
    QLocalServer m_server;
};

class InstanceDoorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        m_runtime = qgetenv("XDG_RUNTIME_DIR");
        m_hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        m_temp = qgetenv("TMPDIR");
        m_hadTemp = qEnvironmentVariableIsSet("TMPDIR");
        startOver(QStringLiteral("case"));
    }
    void TearDown() override
    {
        if (m_hadRuntime)
            qputenv("XDG_RUNTIME_DIR", m_runtime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        if (m_hadTemp)
            qputenv("TMPDIR", m_temp);
        else
            qunsetenv("TMPDIR");
    }
    // A fresh set of folders under `name`, with a shared temporary folder of its own, open to
    // all as /tmp is, and no runtime folder.
    void startOver(const QString &name)
    {
        base = root.filePath(name);
        ASSERT_TRUE(QDir(base).mkpath(QStringLiteral("tmp")));
        chmod(QFile::encodeName(path("tmp")).constData(), 01777);
        qputenv("TMPDIR", QFile::encodeName(path("tmp")));
        qunsetenv("XDG_RUNTIME_DIR");
    }
    QString path(const QString &relative) const { return base + QLatin1Char('/') + relative; }
    QString folder(const QString &relative, int mode, uid_t owner = getuid())
    {
        QDir(base).mkpath(relative);
        const QByteArray name = QFile::encodeName(path(relative));
        chmod(name.constData(), mode);
        if (owner != getuid() && chown(name.constData(), owner, owner) != 0)
            ADD_FAILURE() << "cannot give " << name.constData() << " away";
        return path(relative);
    }

    QTemporaryDir root;
    QString base;

private:
    QByteArray m_runtime;
    QByteArray m_temp;
    bool m_hadRuntime = false;
    bool m_hadTemp = false;
};

} // namespace

TEST_F(InstanceDoorTest, PathsGoOnlyToThisUsersOwnProgram)
{
    const QString uid = QString::number(getuid());
    const QString door = QStringLiteral("/lanternreel-") + uid + QStringLiteral(".door");
    const QStringList paths { QStringLiteral("/home/someone/private/diary.jpg") };
    struct Case
    {
        const char *what;
        // Sets the folders up; answers the sockets someone else listens at.
        std::function<QStringList()> prepare;
        bool otherUser = false; // needs root to play someone else
        bool foreignPeer = false; // someone else listens where serverName() points
        bool delivered = false;
    };
    const std::vector<Case> cases {
        { "the user's own runtime folder",
          [&] {
              qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder("run", 0700)));
              return QStringList();
          },
          false, false, true },
        { "no runtime folder: a folder of the user's own in the temporary folder",
          [] { return QStringList(); }, false, false, true },
        { "no runtime folder, and someone else squats in the temporary folder",
          [&] {
              // Where a runtime folder is made when none is set, taken first.
              const passwd *user = getpwuid(getuid());
              folder(QStringLiteral("tmp/runtime-") + QString::fromLocal8Bit(user->pw_name), 0700,
                     Nobody);
              folder(QStringLiteral("tmp/lanternreel-") + uid, 0700, Nobody);
              return QStringList { path("tmp") + door };
          },
          true },
        { "a runtime folder open to others",
          [&] {
              const QString open = folder("open", 0777);
              qputenv("XDG_RUNTIME_DIR", QFile::encodeName(open));
              return QStringList { open + door, path("tmp") + door };
          } },
        { "a runtime folder of someone else's",
          [&] {
              const QString theirs = folder("theirs", 0700, Nobody);
              qputenv("XDG_RUNTIME_DIR", QFile::encodeName(theirs));
              return QStringList { path("tmp") + door };
          },
          true },
        { "a link in place of the user's folder in the temporary folder",
          [&] {
              const QString elsewhere = folder("elsewhere", 0777);
              QFile::link(elsewhere, path(QStringLiteral("tmp/lanternreel-") + uid));
              return QStringList { elsewhere + door, path("tmp") + door };
          } },
        { "a listener of another user in the user's own folder",
          [&] {
              qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder("run", 0700)));
              return QStringList();
          },
          true, true },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.otherUser && getuid() != 0) {
            std::printf("[  SKIPPED ] %s: only root can play another user\n", c.what);
            continue;
        }
        startOver(QString::number(&c - cases.data()));

        std::vector<std::unique_ptr<Squatter>> squatters;
        for (const QString &place : c.prepare()) {
            squatters.push_back(std::make_unique<Squatter>());
            ASSERT_TRUE(squatters.back()->listen(place)) << qPrintable(place);
        }
        const QString name = InstanceDoor::serverName();
        QStringList given;
        InstanceDoor own(name, [&](const QStringList &request, InstanceDoor::Reply reply) {
            given = request;
            reply(0);
        });
        std::unique_ptr<ForeignListener> foreign;
        if (c.foreignPeer) {
            foreign = std::make_unique<ForeignListener>(name);
            ASSERT_TRUE(foreign->listening());
        } else if (c.delivered) {
            ASSERT_TRUE(own.open()) << qPrintable(name);
        }

        const std::optional<int> reply = knockServed(name, paths);
        if (c.delivered) {
            EXPECT_EQ(reply, std::optional<int>(0));
            EXPECT_EQ(given, paths);
        } else {
            // Nobody of this user listens: the launch opens a window of its own.
            EXPECT_EQ(reply, std::nullopt);
        }
        if (foreign) {
            EXPECT_EQ(foreign->received(), 0) << "the other user was told something";
        }
        for (const auto &squatter : squatters)
            EXPECT_EQ(squatter->calls, 0) << "a launch called " << qPrintable(squatter->place());
    }
}

TEST_F(InstanceDoorTest, ARequestClaimingMorePathsThanItHoldsIsDropped)
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder("run", 0700)));
    QStringList given;
    int requests = 0;
    InstanceDoor door(InstanceDoor::serverName(),
                      [&](const QStringList &paths, InstanceDoor::Reply reply) {
                          given = paths;
                          ++requests;
                          reply(0);
                      });
    ASSERT_TRUE(door.open());

    const QString greeting = QStringLiteral("lanternreel-open-files-1");
    auto request = [&](const QString &hello, quint32 count, const QStringList &paths) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << hello << count;
        for (const QString &path : paths)
            out << path;
        return bytes;
    };
    struct Case
    {
        const char *what;
        QByteArray bytes;
        bool served;
    };
    const std::vector<Case> cases {
        { "a whole request", request(greeting, 2, { "/a.jpg", "/b.jpg" }), true },
        { "a count of 0xFFFFFFFF and one path", request(greeting, 0xFFFFFFFFu, { "/a.jpg" }),
          false },
        { "two million paths claimed, one sent", request(greeting, 2'100'000, { "/a.jpg" }),
          false },
        { "another greeting", request(QStringLiteral("hello"), 1, { "/a.jpg" }), false },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        requests = 0;
        QLocalSocket client;
        client.connectToServer(InstanceDoor::serverName());
        ASSERT_TRUE(client.waitForConnected(5000));
        client.write(c.bytes);
        client.flush();
        // Served, the client gets its reply; refused, the door hangs up at once instead of
        // waiting for paths that will never come.
        ASSERT_TRUE(serveUntil([&] {
            return client.bytesAvailable() >= 4 || client.state() != QLocalSocket::ConnectedState;
        }));
        EXPECT_EQ(requests, c.served ? 1 : 0);
        if (c.served) {
            EXPECT_EQ(given, QStringList({ "/a.jpg", "/b.jpg" }));
            QDataStream in(&client);
            qint32 reply = -1;
            in >> reply;
            EXPECT_EQ(reply, 0);
        }
    }
}
