#include "instancedoor.h"

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <unistd.h>

namespace lanternreel {

namespace {

const QString Greeting = QStringLiteral("lanternreel-open-files-1");
constexpr int ConnectTimeoutMs = 2000;
constexpr int BusyRetryMs = 100;
// A request is a list of paths; anything this large is not one.
constexpr qint64 MaxRequestBytes = 8 * 1024 * 1024;

} // namespace

QString InstanceDoor::serverName()
{
    // The runtime folder belongs to the user alone (Qt makes it 0700 when it has to create it).
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QStringLiteral("%1/lanternreel-%2.door").arg(folder).arg(getuid());
}

std::optional<int> InstanceDoor::knock(const QString &name, const QStringList &paths)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return std::nullopt;
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
    QStringList paths;
    in >> greeting >> paths;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    if (greeting != Greeting) {
        socket->abort();
        return;
    }
    socket->setProperty("lanternreelRequestRead", true);
    m_queue.push_back({ socket, paths });
    // Served from the event loop rather than inside this socket's signal: the import runs
    // windows of its own.
    QTimer::singleShot(0, this, &InstanceDoor::serveNext);
}

void InstanceDoor::serveNext()
{
    if (m_serving || m_queue.empty())
        return;
    if (m_busy && m_busy()) {
        QTimer::singleShot(BusyRetryMs, this, &InstanceDoor::serveNext);
        return;
    }
    Request request = std::move(m_queue.front());
    m_queue.pop_front();
    m_serving = true;
    const int reply = m_handler ? m_handler(request.paths) : 2;
    m_serving = false;
    if (request.socket && request.socket->state() == QLocalSocket::ConnectedState) {
        QDataStream out(request.socket.data());
        out << qint32(reply);
        request.socket->flush();
        request.socket->disconnectFromServer();
    }
    if (!m_queue.empty())
        QTimer::singleShot(0, this, &InstanceDoor::serveNext);
}

} // namespace lanternreel
