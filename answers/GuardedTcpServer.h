#pragma once

// The listening socket of the class-answers server, and the first guard of
// every connection. An address outside the local network is answered 403
// and closed; beyond the connection limit, 503. A connection reaches the
// HTTP server only once its request headers are whole and within 8 kB
// (else 431), and one that sends nothing for 60 seconds is closed, until it
// has become a WebSocket, which keeps its own watch.

#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>

#include <functional>

class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    using AddressCheck = std::function<bool(const QHostAddress &)>;

    explicit GuardedTcpServer(AddressCheck isAllowed, QObject *parent = nullptr);
    int connectionCount() const { return int(m_idleTimers.size()); }
    // The connection from this peer has become a WebSocket.
    void releaseWebSocket(const QHostAddress &address, quint16 port);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    class Ticket;

    void refuse(QTcpSocket *socket, const QByteArray &status, const QString &text);
    void readHeaders(QTcpSocket *socket);

    AddressCheck m_isAllowed;
    // One entry per open connection, by peer; the timer is gone once the
    // connection has become a WebSocket.
    QHash<QString, QPointer<QTimer>> m_idleTimers;
};
