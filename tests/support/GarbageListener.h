#pragma once

#include <QTcpServer>
#include <QTcpSocket>

// A server on the loopback that answers every connection with bytes that are no protocol at
// all, and hangs up: what a secure connection meets at a port that is not what it claims.
class GarbageListener {
public:
    GarbageListener()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                socket->write("HTTP/1.1 200 OK\r\n\r\nno such protocol\r\n");
                socket->disconnectFromHost();
            }
        });
    }
    quint16 Port() const { return server_.serverPort(); }

private:
    QTcpServer server_;
};
