#include "engine/CountAloud.h"
#include "engine/CountingSession.h"
#include "engine/RunLoop.h"
#include "platform/EventPump.h"
#include "platform/SteadyClock.h"
#include "platform/Translations.h"
#include "platform/speech/HelperSpeaker.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SoundServer.h"
#include "windows/settings/SettingsDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

// The real run on the real clock, as the board shows it: each number and
// when it appeared, and whether the voice was still busy with the one before.
class TimedView : public RunView {
public:
    TimedView(CountingSession &session, Clock &clock, const Speaker &speaker, int counts)
        : m_session(session), m_clock(clock), m_speaker(speaker), m_counts(counts)
    {
    }

    struct Shown {
        QString text;
        double at;
        bool voiceBusy;
    };

    void showCounters(const QString &counter1, const QString *) override
    {
        shown.append({counter1, m_clock.now(), m_speaker.isSpeaking()});
        model.append(m_session.countIndex, counter1, std::nullopt);
        if (onShown)
            onShown(int(shown.size()));
    }
    void setRunning(bool) override {}
    void waitForEvents(double deadline) override { m_pump.waitForEvents(deadline - m_clock.now()); }
    void holdInputUntil(double deadline, HeldWait) override { m_pump.holdInputFor(deadline - m_clock.now()); }
    void handlePendingEvents() override { m_pump.handlePendingEvents(); }
    void showPauseTaken() override {}
    // The routine's pauses go on at once; the pause at the last count ends the run.
    void showPauseDialog(int) override
    {
        m_session.pauseChoice = int(shown.size()) >= m_counts ? PauseChoice::Stop : PauseChoice::Continue;
    }
    void showList() override {}
    void showGraph() override {}

    QList<Shown> shown;
    CountModel model;
    std::function<void(int)> onShown;

private:
    CountingSession &m_session;
    Clock &m_clock;
    const Speaker &m_speaker;
    int m_counts;
    QtEventPump m_pump;
};

QString helper()
{
    return QStringLiteral(TALLYVANE_VOICE_HELPER);
}

} // namespace

// Counting aloud through the real helper and the real engines, heard from
// the monitor of a sound server of the test's own, on the real clock.
class SpeechTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void countsAloud_data();
    void countsAloud();
    void theCountGoesOnWhenTheSoundGoesAndComesBack();
    void withoutASoundServerTheCountGoesOnInSilence();

private:
    // Counts from 0 in ones at the speed, hushing every 4th and pausing every
    // 5th, until the view stops it, with the voice ready first.
    void count(HelperSpeaker &speaker, TimedView &view, CountingSession &session, float speed, Clock &clock);
    bool m_ownSound = false;
};

void SpeechTest::initTestCase()
{
    m_ownSound = SoundServer::installed() && !QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty();
}

void SpeechTest::count(HelperSpeaker &speaker, TimedView &view, CountingSession &session, float speed, Clock &clock)
{
    session.counter1 = CounterSettings{0, 1, 0};
    session.speed = speed;
    session.routine = Routine{5, std::nullopt, 4, true};
    speaker.setWanted(true);
    QTRY_VERIFY_WITH_TIMEOUT(speaker.voices().has_value(), 30000);
    ScriptedDialogs dialogs;
    RunLoop loop(session, view, clock, dialogs);
    CountAloud aloud(session, view.model);
    aloud.setSpeaker(&speaker);
    loop.startRun();
}

void SpeechTest::countsAloud_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<float>("speed");
    QTest::addColumn<int>("routineOpenings");  // before the count
    QTest::newRow("English, Flite, 1 s a count") << "" << 1.0f << 0;
    QTest::newRow("English, Flite, after 20 Routine dialogs") << "" << 1.0f << 20;
    QTest::newRow("English, Flite, 0.25 s a count") << "" << 0.25f << 0;
    QTest::newRow("German, espeak-ng, 1 s a count") << "de" << 1.0f << 0;
    QTest::newRow("French, espeak-ng, after 20 Routine dialogs") << "fr" << 1.0f << 20;
    QTest::newRow("Spanish, espeak-ng, 0.25 s a count") << "es" << 0.25f << 0;
}

// At 1 s a count every number not hushed is heard, each starting within
// 300 ms of its appearance. Faster, a number is left out only while the one
// before is still being said, and none is cut off.
void SpeechTest::countsAloud()
{
    QFETCH(QString, language);
    QFETCH(float, speed);
    QFETCH(int, routineOpenings);
    if (!m_ownSound)
        QSKIP("pulseaudio and parec (packages pulseaudio, pulseaudio-utils) are not installed");
    SoundServer sound;
    QVERIFY(sound.start());
    qputenv("PULSE_SERVER", sound.address());
    std::optional<Translations> words;
    if (!language.isEmpty())
        words.emplace(QStringList{language});
    SteadyClock clock;
    HelperSpeaker speaker(helper(), language, clock);

    CountingSession session;
    speaker.lookForVoices();
    for (int i = 0; i < routineOpenings; ++i) {
        WindowMemory memory;
        ScriptedDialogs dialogs;
        SettingsDialog settings(session, memory, dialogs, nullptr, RoomSetup{std::nullopt, &speaker});
        settings.show();
        QElapsedTimer opening;
        opening.start();
        settings.findChild<QPushButton *>(QStringLiteral("cmdRoutine"))->click();
        auto *routine = settings.findChild<QDialog *>(QStringLiteral("frmRoutine"));
        QVERIFY(routine && routine->isVisible());
        QVERIFY2(opening.elapsed() < 1000, qPrintable(QString::number(opening.elapsed())));
        routine->reject();
    }
    QTRY_VERIFY_WITH_TIMEOUT(speaker.voices().has_value(), 30000);
    if (!speaker.voices()->speaksProgramLanguage)
        QSKIP(qPrintable(QStringLiteral("No voice for \"%1\" here").arg(language)));

    SoundRecording recording(clock, QLatin1String(SoundServer::sink), sound.address());
    QVERIFY(recording.started());
    const int counts = 11;  // 0 to 10, up to a pause of the routine's
    TimedView view(session, clock, speaker, counts);
    count(speaker, view, session, speed, clock);
    recording.finish();
    QCOMPARE(view.shown.size(), counts);

    QList<double> due;  // when each number the voice was free for appeared
    for (const TimedView::Shown &shown : view.shown) {
        if (shown.text != QLatin1String("?") && !shown.voiceBusy)
            due << shown.at;
        if (speed >= 1)
            QVERIFY2(shown.text == QLatin1String("?") || !shown.voiceBusy, qPrintable(shown.text + " came while busy"));
    }
    // Back to back, a word's own pauses can pass for a new number's start.
    const QList<double> heard = recording.utterancesStarting(speed >= 1 ? 0.25 : 0.05);
    QString told;
    for (double at : heard)
        told += QString::number(at, 'f', 2) + u' ';
    told += QStringLiteral("| due ");
    for (double at : due)
        told += QString::number(at, 'f', 2) + u' ';
    if (speed >= 1)
        QVERIFY2(heard.size() == due.size(), qPrintable(told));
    for (double at : due) {
        const bool inTime = std::any_of(heard.begin(), heard.end(), [at](double h) { return h >= at - 0.05 && h <= at + 0.3; });
        QVERIFY2(inTime, qPrintable(QStringLiteral("a number due at %1 was not heard in time: %2").arg(at).arg(told)));
    }
    QVERIFY(!speaker.voices()->soundLost);
}

// The sound server ends mid-count and a new one starts: the count goes on,
// the Routine dialog is told the sound went, and the voice comes back.
void SpeechTest::theCountGoesOnWhenTheSoundGoesAndComesBack()
{
    if (!m_ownSound)
        QSKIP("pulseaudio and parec (packages pulseaudio, pulseaudio-utils) are not installed");
    SoundServer sound;
    QVERIFY(sound.start());
    qputenv("PULSE_SERVER", sound.address());
    SteadyClock clock;
    HelperSpeaker speaker(helper(), QString(), clock);
    bool toldLost = false;
    connect(&speaker, &VoiceCatalog::voicesChanged, this, [&] { toldLost |= speaker.voices()->soundLost; });
    CountingSession session;
    std::optional<SoundRecording> after;
    TimedView view(session, clock, speaker, 21);
    view.onShown = [&](int shown) {
        if (shown == 3)
            sound.stop();
        if (shown == 6) {
            QVERIFY(sound.start());
            after.emplace(clock, QLatin1String(SoundServer::sink), sound.address());
        }
    };
    count(speaker, view, session, 1.0f, clock);
    QCOMPARE(view.shown.size(), 21);
    QVERIFY(toldLost);
    QVERIFY(after);
    after->finish();
    QVERIFY(!after->utterancesStarting().isEmpty());
    QVERIFY(!speaker.voices()->soundLost);
}

void SpeechTest::withoutASoundServerTheCountGoesOnInSilence()
{
    QTemporaryDir nowhere;
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(nowhere.filePath(QStringLiteral("none"))));
    SteadyClock clock;
    HelperSpeaker speaker(helper(), QString(), clock);
    CountingSession session;
    TimedView view(session, clock, speaker, 6);
    count(speaker, view, session, 1.0f, clock);
    QCOMPARE(view.shown.size(), 6);
    if (!speaker.voices()->speaksProgramLanguage)
        QSKIP("No voice for English here");
    QTRY_VERIFY(speaker.voices()->soundLost);
}

QTEST_MAIN(SpeechTest)
#include "tst_speech.moc"
