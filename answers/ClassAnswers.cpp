#include "answers/ClassAnswers.h"

#include "answers/AnswerLimits.h"
#include "answers/LocalNetwork.h"
#include "answers/PupilTexts.h"
#include "engine/Prediction.h"
#include "engine/Prompter.h"
#include "lessons/LessonPlan.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>

namespace {

QJsonArray toJson(const QStringList &texts)
{
    return QJsonArray::fromStringList(texts);
}

QByteArray toText(const QJsonObject &board)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("board"), board}}).toJson(QJsonDocument::Compact);
}

QJsonArray toJson(const QList<bool> &flags)
{
    QJsonArray array;
    for (bool flag : flags)
        array << flag;
    return array;
}

Message notStarted()
{
    return {ClassAnswers::tr("Class Answers could not start: the ports %1 to %2 are all in use.")
                .arg(AnswerLimits::firstPort)
                .arg(AnswerLimits::lastPort),
            Messages::programTitle, MessageIcon::Warning};
}

QString pageUrl(const QHostAddress &address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]").arg(address.toString())
                                                                             : address.toString();
    return QStringLiteral("http://%1:%2").arg(host).arg(port);
}

} // namespace

QList<ExactDecimal> nextValues(const CountingSession &session)
{
    QList<ExactDecimal> next{session.currentValue1 + session.currentStep1};
    if (session.counterCount == 2)
        next << session.currentValue2 + session.currentStep2;
    return next;
}

QList<CountAtPause> countsAtPause(const CountingSession &session)
{
    const QList<ExactDecimal> next = nextValues(session);
    const std::size_t k = std::size_t(session.countIndex);
    const auto countOf = [&](const CountHistory &history, const ExactDecimal &step, const CounterSettings &settings,
                             qsizetype other) {
        const auto lastStep = k > 0 ? std::optional(shownDifference(history.shown(k), history.shown(k - 1))) : std::nullopt;
        const auto otherNext = other < next.size() ? std::optional(next[other].shown()) : std::nullopt;
        return CountAtPause{history.shown(k), step.shown(), settings.stepChange, lastStep, otherNext};
    };
    QList<CountAtPause> counts{countOf(*session.history1, session.currentStep1, session.counter1, 1)};
    if (session.counterCount == 2)
        counts << countOf(*session.history2, session.currentStep2, session.counter2, 0);
    return counts;
}

// The server keeps time of its own, on its own thread.
ClassAnswers::ClassAnswers(CountingSession &session, const CountModel &model, QObject *parent)
    : QObject(parent), m_session(session)
{
    connect(&model, &CountModel::countsAppended, this, [this, &model] {
        m_numbers = model.twoCounters() ? QStringList{model.shown(1), model.shown(2)} : QStringList{model.shown(1)};
        if (isOn())
            sendBoards(false);
    });
    connect(&model, &CountModel::counterHiddenChanged, this, [this](int counter, bool hidden) {
        m_hidden[counter - 1] = hidden;
        sendBoards(true);
    });
    connect(&m_server, &AnswerServer::devicesChanged, this, &ClassAnswers::devicesChanged);
    connect(&m_server, &AnswerServer::codeChanged, this, &ClassAnswers::codeChanged);
    connect(&m_server, &AnswerServer::joined, this, [this](const QString &device, bool returning) {
        m_present.insert(device);
        if (returning)
            deviceBack(device);
        if (!boardIsShared())
            m_server.sendTo(device, boardText(device));
    });
    connect(&m_server, &AnswerServer::left, this, [this](const QString &device) {
        m_present.remove(device);
        deviceLeft(device);
    });
    connect(&m_server, &AnswerServer::answerGiven, this, [this](const QString &device, const QStringList &answers) {
        const QString refusal = takeAnswer(device, answers);
        if (refusal.isEmpty())
            m_server.sendTo(device, boardText(device));
        else
            m_server.refuseTo(device, refusal, "answer");
    });
    connect(&m_server, &AnswerServer::nameGiven, this, [this](const QString &device, const QString &name) {
        takeName(device, name);
        m_server.sendTo(device, boardText(device));
    });
}

ClassAnswers::~ClassAnswers()
{
    m_server.stop();
}

void ClassAnswers::attach(QAction &toggle, Prompter &prompter)
{
    m_prompter = &prompter;
    m_toggle = &toggle;
    toggle.setCheckable(true);
    connect(&toggle, &QAction::triggered, this, [this](bool on) {
        if (on)
            turnOn();
        else
            turnOff();
    });
}

bool ClassAnswers::turnOn()
{
    m_network = m_givenNetwork ? *m_givenNetwork : schoolNetwork();
    const bool started = m_server.start(m_network.listen);
    if (started)
        sendBoards(true);
    if (!started && m_prompter)
        m_prompter->showMessage(notStarted());
    if (m_toggle)
        m_toggle->setChecked(started);
    emit switched(started);
    return started;
}

void ClassAnswers::turnOff()
{
    m_server.stop();
    m_present.clear();
    m_question = ClassQuestion();
    m_away.clear();
    m_names.clear();
    m_asksForNames = false;
    if (m_toggle)
        m_toggle->setChecked(false);
    emit switched(false);
}

QString ClassAnswers::pageAddress() const
{
    return m_network.shown.isEmpty() ? QString() : pageUrl(m_network.shown.first(), m_server.port());
}

QString ClassAnswers::joinAddress() const
{
    const QString page = pageAddress();
    return page.isEmpty() ? page : page + QStringLiteral("/#") + joinCode();
}

QStringList ClassAnswers::otherPageAddresses() const
{
    QStringList others;
    for (const QHostAddress &address : m_network.shown.mid(1))
        others << pageUrl(address, m_server.port());
    return others;
}

void ClassAnswers::setPhase(Phase phase)
{
    m_phase = phase;
    sendBoards(true);
}

void ClassAnswers::runningChanged(bool running)
{
    setPhase(running ? Phase::Counting : Phase::Idle);
    if (running)
        emit countStarted();
}

void ClassAnswers::pauseShown()
{
    if (m_phase == Phase::Paused)
        return;
    m_question = ClassQuestion(nextValues(m_session), countsAtPause(m_session));
    m_away.clear();
    setPhase(Phase::Paused);
    emit questionChanged();
}

void ClassAnswers::pauseLeft(PauseChoice choice)
{
    if (choice == PauseChoice::Continue)
        setPhase(Phase::Counting);
}

void ClassAnswers::typeAnswer()
{
    if (m_prompter)
        predictNext(m_session, *m_prompter);
}

void ClassAnswers::reveal()
{
    if (m_question.isRevealed())
        return;
    m_question.reveal();
    sendBoards(true);
    emit questionChanged();
}

void ClassAnswers::setAsksForNames(bool asks)
{
    m_asksForNames = asks;
    sendBoards(true);
}

QStringList ClassAnswers::namesAnswered() const
{
    QStringList names;
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it)
        if (m_question.answerOf(it.key()))
            names << *it;
    names.sort(Qt::CaseInsensitive);
    return names;
}

QJsonObject ClassAnswers::boardFor(const QString &device) const
{
    static const char *const phases[] = {"idle", "counting", "paused"};
    // A hidden counter's number never leaves the program, not even unshown.
    QStringList numbers = m_numbers;
    for (qsizetype i = 0; i < numbers.size() && i < m_hidden.size(); ++i)
        if (m_hidden[i])
            numbers[i].clear();
    QJsonObject board{
        {QStringLiteral("phase"), QLatin1String(phases[int(m_phase)])},
        {QStringLiteral("numbers"), toJson(numbers)},
        {QStringLiteral("hidden"), toJson(m_hidden.mid(0, m_numbers.size()))},
    };
    if (m_asksForNames)
        board.insert(QStringLiteral("askName"), !m_names.contains(device));
    if (m_phase == Phase::Paused && m_question.counters() > 0) {
        QJsonObject question{{QStringLiteral("counters"), m_question.counters()},
                             {QStringLiteral("revealed"), m_question.isRevealed()}};
        if (const auto answer = m_question.answerOf(device))
            question.insert(QStringLiteral("answer"), toJson(*answer));
        // The next numbers only once revealed: the page must not give them away.
        if (m_question.isRevealed()) {
            question.insert(QStringLiteral("next"), toJson(m_question.nextTexts()));
            question.insert(QStringLiteral("verdict"), toJson(m_question.verdictOf(device)));
        }
        board.insert(QStringLiteral("question"), question);
    }
    return board;
}

QByteArray ClassAnswers::boardText(const QString &device) const
{
    return toText(boardFor(device));
}

void ClassAnswers::sendBoards(bool atOnce)
{
    if (!isOn())
        return;
    PupilBoards boards;
    if (boardIsShared()) {
        boards.shared = boardText({});
    } else {
        boards.others = boardText({});
        for (const QString &device : std::as_const(m_present))
            boards.byDevice.insert(device, boardText(device));
    }
    m_server.setBoards(boards, atOnce);
}

bool ClassAnswers::boardIsShared() const
{
    return !m_asksForNames && (m_phase != Phase::Paused || m_question.counters() == 0);
}

QString ClassAnswers::takeAnswer(const QString &device, const QStringList &answers)
{
    switch (m_question.answer(device, answers)) {
    case ClassQuestion::Refusal::None:
        emit questionChanged();
        return {};
    case ClassQuestion::Refusal::Closed:
        return PupilTexts::answersClosed();
    case ClassQuestion::Refusal::TooLong:
        return PupilTexts::answerTooLong();
    case ClassQuestion::Refusal::NotANumber:
        break;
    }
    return PupilTexts::notANumber();
}

void ClassAnswers::takeName(const QString &device, const QString &name)
{
    if (!m_asksForNames)
        return;
    m_names.insert(device, cleanName(name, AnswerLimits::maxNameCharacters));
    emit questionChanged();
}

void ClassAnswers::deviceLeft(const QString &device)
{
    if (const auto answer = m_question.withdraw(device)) {
        m_away.insert(device, *answer);
        emit questionChanged();
    }
}

void ClassAnswers::deviceBack(const QString &device)
{
    if (m_away.contains(device)) {
        m_question.restore(device, m_away.take(device));
        emit questionChanged();
    }
}
