#pragma once

// The class-answers server as the lesson sees it. The network runs on a
// thread of its own (PupilServer), so that a slow or hostile device never
// delays a count: the lesson only hands over the pages' board texts and
// takes what the devices send, both through queued signals.
//
// lesson ──boards, replies──> AnswerServer ══thread══> PupilServer ──> devices
// lesson <──joined, left, answers, names── AnswerServer <══ PupilServer <── devices

#include "answers/PupilServer.h"

#include <QHostAddress>
#include <QObject>
#include <QThread>

class AnswerServer : public QObject {
    Q_OBJECT
public:
    explicit AnswerServer(QObject *parent = nullptr);
    ~AnswerServer() override;

    // Listens on each address on the first port from 8080 to 8099 free on
    // all of them; false when none is. Both wait for the network's thread.
    bool start(const QList<QHostAddress> &addresses);
    // Closes every connection and the server, and forgets every device.
    void stop();
    bool isListening() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    QString joinCode() const { return m_code; }
    int deviceCount() const { return m_devices; }
    int connectionCount() const { return m_server->connectionCount(); }
    // Which peers are answered; the local network unless set. Set while stopped.
    void setAddressCheck(PupilServer::AddressCheck check) { m_server->setAddressCheck(std::move(check)); }
    void setMaxPerAddress(int connections) { m_server->setMaxPerAddress(connections); }

    // Every joined page's state: at once, or at most ten times a second
    // with the newest state.
    void setBoards(const PupilBoards &boards, bool atOnce);
    void sendTo(const QString &device, const QByteArray &text);
    void refuseTo(const QString &device, const QString &text, const char *about);

signals:
    void devicesChanged(int devices);
    void codeChanged(const QString &code);
    void joined(const QString &device, bool returning);
    void left(const QString &device);
    void answerGiven(const QString &device, const QStringList &answers);
    void nameGiven(const QString &device, const QString &name);

private:
    QThread m_thread;
    PupilServer *m_server;  // lives on m_thread
    quint16 m_port = 0;
    QString m_code;
    int m_devices = 0;
};
