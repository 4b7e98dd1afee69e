// SPDX-License-Identifier: GPL-3.0-or-later
#include "instancedoor.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lanternreel {

namespace {

const QString Greeting = QStringLiteral("lanternreel-open-files-1");
constexpr int ConnectTimeoutMs = 2000;
// A request is a list of paths; anything this large is not one.
constexpr qint64 MaxRequestBytes = qint64 { 8 } * 1024 * 1024;
// The least a path takes in a request: its length field.
constexpr qint64 MinPathBytes = 4;

// A folder, itself and not a link to one, that belongs to this user and lets no one else in:
// nobody else can then put a socket there.
bool isPrivateFolder(const QString &path)
{
    struct stat status = {};
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) && status.st_uid == getuid() && (status.st_mode & 077) == 0;
}

// The user's runtime folder, or else a folder of the user's own in the temporary folder, made
// when missing; nothing when neither can be trusted (someone else made it first, say).
QString doorFolder()
{
    QString runtime = QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return runtime;
    const QString own = QStringLiteral("%1/lanternreel-%2").arg(QDir::tempPath()).arg(getuid());
    mkdir(QFile::encodeName(own).constData(), 0700); // there already, or checked below anyway
    return isPrivateFolder(own) ? own : QString();
}

// Whether the other end of `socket` runs as this user; asked of the kernel, not of the peer.
bool peerIsThisUser(const QLocalSocket &socket)
{
    ucred credentials = {};
    socklen_t size = sizeof credentials;
    return getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size)
        == 0
        && size == sizeof credentials && credentials.uid == getuid();
}

} // namespace

QString InstanceDoor::serverName()
{
    const QString folder = doorFolder();
    if (folder.isEmpty())
        return QString();
    return QStringLiteral("%1/lanternreel-%2.door").arg(folder).arg(getuid());
}

std::optional<int> InstanceDoor::knock(const QString &name, const QStringList &paths)
{
    if (name.isEmpty())
        return std::nullopt;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return std::nullopt;
    // The paths say what the user is opening; only this user's own program may have them.
    if (!peerIsThisUser(socket)) {
        socket.abort();
        return std::nullopt;
    }
    {
        QDataStream out(&socket);
        out << Greeting << paths;
    }
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(ConnectTimeoutMs))
            return 2;
    }
    // The running program may show an alert and wait for the user; wait as long as it does.
    QDataStream in(&socket);
    for (;;) {
        in.startTransaction();
        qint32 reply = 0;
        in >> reply;
        if (in.commitTransaction())
            return reply;
        // Gone without a whole reply: the request cannot have succeeded.
        if (socket.state() != QLocalSocket::ConnectedState)
            return 2;
        socket.waitForReadyRead(1000);
    }
}

InstanceDoor::InstanceDoor(QString name, Handler handler, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
    , m_handler(std::move(handler))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceDoor::onNewConnection);
}

InstanceDoor::~InstanceDoor()
{
    m_server.close();
}

bool InstanceDoor::open()
{
    if (m_name.isEmpty())
        return false;
    if (m_server.listen(m_name))
        return true;
    // Either a program listens there, or a crashed one left its socket behind.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(ConnectTimeoutMs)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

void InstanceDoor::onNewConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void InstanceDoor::onReadyRead(QLocalSocket *socket)
{
    if (socket->property("lanternreelRequestRead").toBool())
        return;
    if (socket->bytesAvailable() > MaxRequestBytes) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.startTransaction();
    QString greeting;
    in >> greeting;
    // The list is read path by path: QDataStream would reserve room for whatever count the
    // sender claims before a single path has arrived.
    quint32 count = 0;
    in >> count;
    if (in.status() == QDataStream::Ok
        && (greeting != Greeting || count > quint64(MaxRequestBytes / MinPathBytes))) {
        socket->abort();
        return;
    }
    QStringList paths;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString path;
        in >> path;
        paths.append(path);
    }
    if (!in.commitTransaction())
        return; // the rest is still on its way
    socket->setProperty("lanternreelRequestRead", true);
    m_queue.push_back({ socket, paths });
    // Served from the event loop rather than inside this socket's signal: what it starts may
    // run windows of its own.
    QTimer::singleShot(0, this, &InstanceDoor::serveNext);
}

void InstanceDoor::serveNext()
{
    if (m_serving || m_queue.empty())
        return;
    Request request = std::move(m_queue.front());
    m_queue.pop_front();
    m_serving = true;
    if (!m_handler) {
        answer(request.socket, 2);
        return;
    }
    // The reply may come long after, from whatever the request started; the door may be gone
    // by then, with the program.
    QPointer<InstanceDoor> door = this;
    auto answered = std::make_shared<bool>(false);
    m_handler(request.paths, [door, socket = request.socket, answered](int reply) {
        if (*answered)
            return;
        *answered = true;
        if (door)
            door->answer(socket, reply);
    });
}

void InstanceDoor::answer(const QPointer<QLocalSocket> &socket, int reply)
{
    if (socket && socket->state() == QLocalSocket::ConnectedState) {
        QDataStream out(socket.data());
        out << qint32(reply);
        socket->flush();
        socket->disconnectFromServer();
    }
    m_serving = false;
    if (!m_queue.empty())
        QTimer::singleShot(0, this, &InstanceDoor::serveNext);
}

} // namespace lanternreel
