#pragma once

// The class-answers server: the pupils' page over HTTP and one WebSocket per
// device, on plain TCP sockets whose every byte our own PupilLink reads, so
// that nothing a device sends, pings included, is answered or kept beyond
// the limits.
//
// device ──TCP──> AnswerServer (address, connections per address, deadlines,
//                 unsent bytes) ──> PupilLink (HTTP, frames, rate, budget)
//        ──messages──> join code, device token ──> PupilDesk
//
// Joining with the code on the board gives a device a random token, with
// which its page rejoins after losing the connection; answers count by
// token, and only while the device is there. Every message in either
// direction is one small JSON object.

#include "answers/AnswerLimits.h"
#include "answers/JoinGate.h"
#include "answers/PupilLink.h"
#include "engine/Clock.h"

#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <functional>

class PupilDesk;
class QTcpServer;

class AnswerServer : public QObject {
    Q_OBJECT
public:
    using AddressCheck = std::function<bool(const QHostAddress &)>;

    AnswerServer(Clock &clock, PupilDesk &desk, QObject *parent = nullptr);
    ~AnswerServer() override;

    // Listens on each address on the first port from 8080 to 8099 free on
    // all of them; false when none is.
    bool start(const QList<QHostAddress> &addresses);
    // Closes every connection and the server, and forgets every device.
    void stop();
    bool isListening() const { return !m_listeners.isEmpty(); }
    quint16 port() const { return m_port; }
    QString joinCode() const { return m_gate.code(); }
    int deviceCount() const;
    int connectionCount() const { return int(m_pupils.size()); }
    // Which peers are answered; the local network unless set.
    void setAddressCheck(AddressCheck check) { m_addressCheck = std::move(check); }
    // Connections one address may hold, 40 unless set: benchmarks of a
    // whole class on loopback come from one address.
    void setMaxPerAddress(int connections) { m_maxPerAddress = connections; }

public slots:
    // Sends every joined device its page's state again: at once, or at
    // most ten times a second with the newest state.
    void sendBoards(bool atOnce = false);

signals:
    void devicesChanged(int devices);
    // 30 wrong codes within a minute drew a new one.
    void codeChanged(const QString &code);

private:
    class Pupil;

    void accept(QTcpServer *listener);
    void read(Pupil *pupil);
    void write(Pupil *pupil);
    void onMessage(Pupil *pupil, const QString &text);
    void join(Pupil *pupil, const QJsonObject &message);
    void admit(Pupil *pupil, const QString &device);
    void refuse(Pupil *pupil, const QString &text, const char *about = "other");
    void send(Pupil *pupil, const QJsonObject &message);
    void sendBoard(Pupil *pupil);
    void writeBoards();
    void drop(Pupil *pupil);
    bool isOurHost(QByteArrayView host) const;

    Clock &m_clock;
    PupilDesk &m_desk;
    JoinGate m_gate;
    AddressCheck m_addressCheck;
    PupilLink::Site m_site;
    QList<QTcpServer *> m_listeners;
    QList<QHostAddress> m_hosts;  // the addresses the page may be asked for by
    quint16 m_port = 0;
    QList<Pupil *> m_pupils;
    QHash<QString, int> m_perAddress;
    int m_maxPerAddress = AnswerLimits::maxPerAddress;
    // Every token given since the start, with its connection while there.
    QHash<QString, Pupil *> m_devices;
    QTimer m_boardTimer;
    double m_boardsSentAt = -1;
};
