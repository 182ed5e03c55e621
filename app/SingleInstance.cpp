#include "app/SingleInstance.h"

#include <QLocalSocket>

namespace kex::ui {

SingleInstance::SingleInstance() : m_lock("kex") {}

QString SingleInstance::serverName() const
{
    QString path = QString::fromStdString(m_lock.path());
    if (path.endsWith(QStringLiteral(".lock"))) path.chop(5);
    return path + QStringLiteral(".sock");
}

bool SingleInstance::acquire()
{
    if (!m_lock.acquire()) return false;
    // We hold the lock, so a socket file left there belongs to a copy that has ended.
    QLocalServer::removeServer(serverName());
    if (m_server.listen(serverName())) {
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    if (socket->readAll().contains("raise")) emit raiseRequested();
                    socket->disconnectFromServer();
                });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    return true;
}

bool SingleInstance::notifyRunning()
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(2000)) return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    return true;
}

} // namespace kex::ui
