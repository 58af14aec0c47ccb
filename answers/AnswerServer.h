#pragma once

// The class-answers server: the pupils' page over HTTP and one WebSocket per
// device, on the user-interface thread's event loop with Qt's asynchronous
// sockets, so nothing ever waits on a device.
//
// device ──HTTP──> GuardedTcpServer (address, headers, idle) ──> QHttpServer
//        ──WebSocket──> Pupil: join code, size and rate limits ──> PupilDesk
//
// A device joins with the code on the board and gets an id, with which its
// page rejoins after losing the connection. Every message in either
// direction is one small JSON object.

#include "answers/GuardedTcpServer.h"
#include "answers/JoinGate.h"
#include "engine/Clock.h"

#include <QHostAddress>
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <memory>

class PupilDesk;
class QHttpServer;
class QWebSocket;

class AnswerServer : public QObject {
    Q_OBJECT
public:
    AnswerServer(Clock &clock, PupilDesk &desk, QObject *parent = nullptr);
    ~AnswerServer() override;

    // Listens on the first free port from 8080 to 8099; false when none is.
    bool start(const QHostAddress &address);
    // Closes every connection and the server.
    void stop();
    bool isListening() const { return m_listener != nullptr; }
    quint16 port() const;
    QString joinCode() const { return m_gate.code(); }
    int deviceCount() const;
    // Which addresses are answered; the local network unless set.
    void setAddressCheck(GuardedTcpServer::AddressCheck check) { m_addressCheck = std::move(check); }

public slots:
    // Sends every joined device its page's state again.
    void sendBoards();

signals:
    void devicesChanged(int devices);

private:
    class Pupil;

    void routePage();
    void acceptWebSockets();
    void onMessage(Pupil *pupil, const QString &text);
    void join(Pupil *pupil, const QJsonObject &message);
    void refuse(Pupil *pupil, const QString &text, const char *about = "other");
    void send(Pupil *pupil, const QJsonObject &message);
    void sendText(Pupil *pupil, const QString &text);
    void sendBoard(Pupil *pupil);
    void drop(Pupil *pupil);

    Clock &m_clock;
    PupilDesk &m_desk;
    JoinGate m_gate;
    GuardedTcpServer::AddressCheck m_addressCheck;
    std::unique_ptr<QHttpServer> m_http;
    GuardedTcpServer *m_listener = nullptr;  // owned by m_http
    QList<Pupil *> m_pupils;
    QTimer m_pings;
};
