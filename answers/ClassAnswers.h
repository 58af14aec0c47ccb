#pragma once

// Class Answers: pupils answer "what comes next?" on their own devices.
//
// the run (counters shown, hidden, paused) ──> ClassAnswers ──> AnswerServer ──> pupils' pages
// pupils' answers ──> AnswerServer ──> ClassAnswers (the question) ──> join card, "Class Answers" window
//
// Off at every start. On, it serves the page, shows the join card on the
// main window and, at a pause, opens a question the pages answer; Predict
// then opens the "Class Answers" window instead of the input box. Nothing
// of it is kept: turning it off forgets every device, name and answer.

#include "answers/AnswerServer.h"
#include "answers/ClassQuestion.h"
#include "answers/LocalNetwork.h"
#include "engine/CountModel.h"
#include "engine/CountingSession.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <optional>

class Prompter;
class QAction;

class ClassAnswers : public QObject {
    Q_OBJECT
public:
    enum class Phase { Idle, Counting, Paused };

    // The pages follow the count model: each count, and whether a counter is hidden.
    ClassAnswers(CountingSession &session, const CountModel &model, QObject *parent = nullptr);
    ~ClassAnswers() override;

    // Lets the toggle turn Class Answers on and off. Type an Answer asks
    // through the prompter.
    void attach(QAction &toggle, Prompter &prompter);

    // Starts the server; false, with the teacher told why, when it cannot.
    bool turnOn();
    void turnOff();
    bool isOn() const { return m_server.isListening(); }
    // The address pupils type, as http://192.168.1.23:8080, on the network
    // of the default route; empty when this computer is on no school network.
    QString pageAddress() const;
    // The same computer's other addresses on that network.
    QStringList otherPageAddresses() const;
    QString joinCode() const { return m_server.joinCode(); }
    // The page's address with the code after "#", for the QR code: scanned,
    // it joins without typing, and the code, in the part of an address a
    // browser never sends, is written in no one's log. Empty with no network.
    QString joinAddress() const;
    int deviceCount() const { return m_server.deviceCount(); }
    AnswerServer &server() { return m_server; }
    // The school network's addresses and loopback unless set; tests keep to
    // loopback, and show it as the address.
    void setListenAddress(const QHostAddress &address) { m_givenNetwork = SchoolNetwork{{address}, {address}}; }
    void setNetwork(const SchoolNetwork &network) { m_givenNetwork = network; }

    // What the pages follow.
    void runningChanged(bool running);
    // The pause dialog is up; the first time in a pause opens a question.
    void pauseShown();
    void pauseLeft(PauseChoice choice);

    // Type an Answer in the "Class Answers" window: the input box, as Predict
    // opens it with Class Answers off.
    void typeAnswer();
    const ClassQuestion &question() const { return m_question; }
    void reveal();
    bool asksForNames() const { return m_asksForNames; }
    void setAsksForNames(bool asks);
    // The first names of the devices that have answered, sorted.
    QStringList namesAnswered() const;

    // Everything a device's page shows now.
    QJsonObject boardFor(const QString &device) const;
    // True while every device is shown the same board, as while counting.
    bool boardIsShared() const;
    // Takes the device's answer, one text per counter: empty when taken,
    // otherwise the refusal to show on the page.
    QString takeAnswer(const QString &device, const QStringList &answers);
    void takeName(const QString &device, const QString &name);
    // A device's connection is gone: its answer no longer counts, until it
    // comes back with its token.
    void deviceLeft(const QString &device);
    void deviceBack(const QString &device);
    // Hands every page's board to the server: at once for a pause, a hide or
    // a reveal, at most ten times a second for the counts.
    void sendBoards(bool atOnce);
    QByteArray boardText(const QString &device) const;

signals:
    void switched(bool on);
    void devicesChanged(int devices);
    // Too many wrong codes drew a new join code.
    void codeChanged(const QString &code);
    // An answer or a first name came in, or the answers were revealed.
    void questionChanged();
    void countStarted();

private:
    void setPhase(Phase phase);

    CountingSession &m_session;
    AnswerServer m_server;
    std::optional<SchoolNetwork> m_givenNetwork;
    SchoolNetwork m_network;
    Prompter *m_prompter = nullptr;
    QPointer<QAction> m_toggle;
    QList<QPointer<QWidget>> m_counters;
    Phase m_phase = Phase::Idle;
    QStringList m_numbers{QStringLiteral("0")};
    QList<bool> m_hidden{false, false};
    ClassQuestion m_question;
    bool m_asksForNames = false;
    QHash<QString, QString> m_names;  // by device
    QHash<QString, QStringList> m_away;  // this question's answers of devices gone
    QSet<QString> m_present;  // the devices joined now
};

// The next value of each counter in use, as the run will show it.
QList<ExactDecimal> nextValues(const CountingSession &session);
// Each counter in use as the pause finds it.
QList<CountAtPause> countsAtPause(const CountingSession &session);
