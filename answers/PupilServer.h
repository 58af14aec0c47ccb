#pragma once

// The network side of the class-answers server, on a thread of its own
// (see AnswerServer): the pupils' page over HTTP and one WebSocket per
// device, on plain TCP sockets whose every byte our own PupilLink reads, so
// that nothing a device sends, pings included, is answered or kept beyond
// the limits.
//
// device ──TCP──> PupilServer (address, connections per address, deadlines,
//                 unsent bytes) ──> PupilLink (HTTP, frames, rate, budget)
//        ──messages──> join code, device token ──> signals to the lesson
//
// Joining with the code on the board gives a device a random token, with
// which its page rejoins after losing the connection; answers count by
// token, and only while the device is there. Every message in either
// direction is one small JSON object.

#include "answers/AnswerLimits.h"
#include "answers/JoinGate.h"
#include "answers/PupilLink.h"
#include "platform/SteadyClock.h"

#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>

class QTcpServer;

// The page's state for every device, as the lesson hands it over: the same
// text for all, or one per device with one for those not yet known.
struct PupilBoards {
    QByteArray shared;
    QHash<QString, QByteArray> byDevice;
    QByteArray others;
    QByteArray of(const QString &device) const { return shared.isEmpty() ? byDevice.value(device, others) : shared; }
};

class PupilServer : public QObject {
    Q_OBJECT
public:
    using AddressCheck = std::function<bool(const QHostAddress &)>;

    PupilServer();
    ~PupilServer() override;

    // Listens on each address on the first port from 8080 to 8099 free on
    // all of them; false when none is.
    bool start(const QList<QHostAddress> &addresses);
    // Closes every connection and the server, and forgets every device.
    void stop();
    bool isListening() const { return !m_listeners.isEmpty(); }
    quint16 port() const { return m_port; }
    QString joinCode() const { return m_gate.code(); }
    int deviceCount() const;
    int connectionCount() const { return m_connections; }
    // Which peers are answered; the local network unless set.
    void setAddressCheck(AddressCheck check) { m_addressCheck = std::move(check); }
    // Connections one address may hold, 40 unless set: benchmarks of a
    // whole class on loopback come from one address.
    void setMaxPerAddress(int connections) { m_maxPerAddress = connections; }

    // From the lesson's thread, queued.
    void setBoards(const PupilBoards &boards, bool atOnce);
    void sendTo(const QString &device, const QByteArray &text);
    void refuseTo(const QString &device, const QString &text, const char *about);

signals:
    void devicesChanged(int devices);
    // 30 wrong codes within a minute drew a new one.
    void codeChanged(const QString &code);
    // A device joined, new or back with its token, or its connection went.
    void joined(const QString &device, bool returning);
    void left(const QString &device);
    void answerGiven(const QString &device, const QStringList &answers);
    void nameGiven(const QString &device, const QString &name);

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
    void writeBoards();
    void drop(Pupil *pupil);
    bool isOurHost(QByteArrayView host) const;

    SteadyClock m_clock;
    JoinGate m_gate;
    AddressCheck m_addressCheck;
    PupilLink::Site m_site;
    QList<QTcpServer *> m_listeners;
    QList<QHostAddress> m_hosts;  // the addresses the page may be asked for by
    quint16 m_port = 0;
    QList<Pupil *> m_pupils;
    QHash<QString, int> m_perAddress;
    std::atomic<int> m_maxPerAddress = AnswerLimits::maxPerAddress;
    std::atomic<int> m_connections = 0;
    // Every token given since the start, with its connection while there.
    QHash<QString, Pupil *> m_devices;
    PupilBoards m_boards;
    QTimer m_boardTimer{this};
    double m_boardsSentAt = -1;
};
