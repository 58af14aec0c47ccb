#include "answers/GuardedTcpServer.h"

#include "answers/AnswerLimits.h"
#include "answers/PupilTexts.h"

#include <QTcpSocket>

namespace {

QString peerKey(const QHostAddress &address, quint16 port)
{
    return address.toString() + QLatin1Char('/') + QString::number(port);
}

} // namespace

// Lives as long as its socket, whoever owns the socket by then: the list of
// open connections cannot drift.
class GuardedTcpServer::Ticket : public QObject {
public:
    Ticket(QTcpSocket *socket, GuardedTcpServer *server, QTimer *idle)
        : QObject(socket), m_server(server), m_key(peerKey(socket->peerAddress(), socket->peerPort()))
    {
        server->m_idleTimers.insert(m_key, idle);
    }
    ~Ticket() override
    {
        if (m_server)
            m_server->m_idleTimers.remove(m_key);
    }

private:
    QPointer<GuardedTcpServer> m_server;
    QString m_key;
};

namespace {

const char *const handedOver = "handedOver";

} // namespace

GuardedTcpServer::GuardedTcpServer(AddressCheck isAllowed, QObject *parent)
    : QTcpServer(parent), m_isAllowed(std::move(isAllowed))
{
}

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (!m_isAllowed(socket->peerAddress()))
        return refuse(socket, "403 Forbidden", PupilTexts::outsideNetwork());
    if (m_idleTimers.size() >= AnswerLimits::maxConnections)
        return refuse(socket, "503 Service Unavailable", PupilTexts::classFull());

    auto *idle = new QTimer(socket);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
    idle->start(AnswerLimits::idleSeconds * 1000);
    new Ticket(socket, this, idle);

    // Nothing is read beyond one request's headers until they are whole.
    socket->setReadBufferSize(AnswerLimits::maxHeaderBytes);
    // What a device leaves unread piles up here, where the limit on unread
    // bytes sees it, not in a system buffer that grows to megabytes.
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, AnswerLimits::sendBufferBytes);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, idle = QPointer<QTimer>(idle)] {
        if (idle)
            idle->start();
        if (!socket->property(handedOver).toBool())
            readHeaders(socket);
    });
}

void GuardedTcpServer::readHeaders(QTcpSocket *socket)
{
    const QByteArray seen = socket->peek(AnswerLimits::maxHeaderBytes);
    if (!seen.contains("\r\n\r\n")) {
        if (seen.size() >= AnswerLimits::maxHeaderBytes)
            refuse(socket, "431 Request Header Fields Too Large", PupilTexts::headersTooLarge());
        return;
    }
    socket->setProperty(handedOver, true);
    addPendingConnection(socket);
    // The HTTP server listens from now on; what arrived before is read again.
    QMetaObject::invokeMethod(socket, &QTcpSocket::readyRead, Qt::QueuedConnection);
}

void GuardedTcpServer::releaseWebSocket(const QHostAddress &address, quint16 port)
{
    delete m_idleTimers.value(peerKey(address, port));
}

void GuardedTcpServer::refuse(QTcpSocket *socket, const QByteArray &status, const QString &text)
{
    const QByteArray body = text.toUtf8();
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
