#include "engine/NumberText.h"
#include "engine/Speaker.h"
#include "platform/QtSpeaker.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextToSpeech>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <cstdlib>

namespace {

// The loudest sample of 16-bit mono sound.
int peakOf(const QByteArray &sound)
{
    int peak = 0;
    for (qsizetype i = 0; i + 1 < sound.size(); i += 2) {
        const auto sample = qint16(quint16(uchar(sound[i])) | quint16(uchar(sound[i + 1])) << 8);
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

} // namespace

// The real engine, on the private sound server scripts/test-services starts:
// each number goes Speaking, then Ready, and sound comes out of the sink.
class SpeechTest : public QObject {
    Q_OBJECT
private slots:
    void eachNumberIsSpoken_data();
    void eachNumberIsSpoken();
    void withoutASoundServerTheVoiceEndsInErrorAndIsFree();
};

void SpeechTest::eachNumberIsSpoken_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("English, Flite") << "" << "flite" << QStringList{"7", "-0.1", "1E+20"};
    QTest::newRow("French, speech-dispatcher") << "fr" << "speechd" << QStringList{"-0.1"};
}

void SpeechTest::eachNumberIsSpoken()
{
    QFETCH(QString, language);
    QFETCH(QString, engine);
    QFETCH(QStringList, numbers);
    const QString sink = qEnvironmentVariable("TALLYVANE_TEST_SINK");
    if (sink.isEmpty())
        QSKIP("No sound server of the tests' own: scripts/test-services starts one");
    // The words for the minus sign and the point in the program's language.
    std::optional<Translations> words;
    if (!language.isEmpty())
        words.emplace(QStringList{language});
    QtSpeaker speaker(language);
    if (!speaker.hasVoice() || speaker.engine()->engine() != engine)
        QSKIP(qPrintable(QStringLiteral("No %1 voice for \"%2\" here").arg(engine, language)));

    QList<QTextToSpeech::State> states;
    connect(speaker.engine(), &QTextToSpeech::stateChanged, this, [&](QTextToSpeech::State state) { states << state; });
    for (const QString &number : numbers) {
        QProcess recorder;
        // A short latency, so what was played reaches the recording before it ends.
        recorder.start(QStringLiteral("parec"),
                       {QStringLiteral("--device=%1.monitor").arg(sink), QStringLiteral("--raw"),
                        QStringLiteral("--latency-msec=20"), QStringLiteral("--format=s16le"),
                        QStringLiteral("--channels=1"), QStringLiteral("--rate=16000")});
        QVERIFY(recorder.waitForStarted());
        QTest::qWait(300);  // the recorder connects before the number starts
        states.clear();
        speaker.say(spokenNumber(Decimal::shown(textToNumber(number))));
        QVERIFY(speaker.isSpeaking());
        QTRY_VERIFY_WITH_TIMEOUT(states.contains(QTextToSpeech::Ready) || states.contains(QTextToSpeech::Error), 20000);
        QCOMPARE(states, QList<QTextToSpeech::State>({QTextToSpeech::Speaking, QTextToSpeech::Ready}));
        QVERIFY(!speaker.isSpeaking());
        QTest::qWait(300);
        recorder.terminate();
        QVERIFY(recorder.waitForFinished());
        const int peak = peakOf(recorder.readAllStandardOutput());
        QVERIFY2(peak > 1000, qPrintable(QStringLiteral("%1: loudest sample %2").arg(number).arg(peak)));
    }
}

// In a program of its own, whose sound server answers nowhere: the voice
// ends in Error, and is free for the next number instead of taken as busy.
void SpeechTest::withoutASoundServerTheVoiceEndsInErrorAndIsFree()
{
    QTemporaryDir nowhere;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + nowhere.filePath(QStringLiteral("none")));
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--speak-once")});
    QVERIFY(program.waitForFinished(60000));
    if (program.exitCode() == 2)
        QSKIP("No voice for English here");
    QCOMPARE(program.readAllStandardOutput().trimmed(), QByteArray("Error 0"));
}

// Says a number and prints the state the engine ends in: Ready, or Error
// when no sound server answers.
int speakOnce()
{
    QtSpeaker speaker(QString{});
    if (!speaker.hasVoice())
        return 2;
    QEventLoop loop;
    QTextToSpeech::State last = QTextToSpeech::Ready;
    QObject::connect(speaker.engine(), &QTextToSpeech::stateChanged, &loop, [&](QTextToSpeech::State state) {
        last = state;
        if (state != QTextToSpeech::Speaking)
            loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    speaker.say(QStringLiteral("7"));
    loop.exec();
    std::printf("%s %d\n", last == QTextToSpeech::Error ? "Error" : last == QTextToSpeech::Ready ? "Ready" : "Speaking",
                int(speaker.isSpeaking()));
    return 0;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "--speak-once")
        return speakOnce();
    SpeechTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_speech.moc"
