// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

class QLocalSocket;

namespace lanternreel {

// Keeps one running program per user: a later launch with files hands its paths to the running
// one through a local socket, waits for the answer and exits with it.
class InstanceDoor : public QObject
{
    Q_OBJECT

public:
    // Takes a request's paths; `reply` then gets the reply to send back (0 success, 2
    // failure), once whatever the request started (an import, say) has ended. Requests are
    // served one at a time, in the order they came: the next waits for the reply to this one.
    using Reply = std::function<void(int reply)>;
    using Handler = std::function<void(const QStringList &paths, Reply reply)>;

    // The socket of this user's running program, in a folder that belongs to the user alone;
    // empty when there is no such folder, and the program then runs without a door.
    static QString serverName();
    // Gives `paths` to the program listening at `name` and waits, however long its import and
    // alerts take, for its reply. Nothing when no program listens there, or when the one that
    // listens runs as another user: it is told nothing.
    static std::optional<int> knock(const QString &name, const QStringList &paths);

    InstanceDoor(QString name, Handler handler, QObject *parent = nullptr);
    ~InstanceDoor() override;

    // Starts listening. False when another program already listens, or the socket cannot be
    // made; the program then simply runs without a door. A socket left by a program that
    // crashed is removed first.
    bool open();

private:
    struct Request
    {
        QPointer<QLocalSocket> socket;
        QStringList paths;
    };
    void onNewConnection();
    void onReadyRead(QLocalSocket *socket);
    void serveNext();
    void answer(const QPointer<QLocalSocket> &socket, int reply);

    QString m_name;
    Handler m_handler;
    QLocalServer m_server;
    std::deque<Request> m_queue;
    bool m_serving = false;
};

} // namespace lanternreel
