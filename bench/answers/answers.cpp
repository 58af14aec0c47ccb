// 60 pupils, and then 200, on their own devices (a separate process, over loopback) answer
// each of several questions within one second; reports how long an answer
// takes from being sent to showing in the teacher's "Class Answers" window,
// and whether every answer was counted.

#include "answers/ClassAnswers.h"
#include "answers/ClassAnswersWindow.h"

#include "bench/Percentile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <vector>

namespace {

constexpr int questions = 5;

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// One class of the given size, all on loopback: one address, where a
// classroom has one per device, so the limit per address is lifted.
int measure(int pupils)
{
    CountingSession session;
    CountModel model;
    ClassAnswers answers(session, model);
    answers.setListenAddress(QHostAddress::LocalHost);
    answers.server().setMaxPerAddress(pupils);
    if (!answers.turnOn()) {
        std::fputs("Class Answers found no free port.\n", stderr);
        return 1;
    }
    QProcess class_;
    class_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_pupils"),
                 {QString::number(answers.server().port()), answers.joinCode(), QString::number(pupils)});
    if (!QTest::qWaitFor([&] { return answers.deviceCount() == pupils; }, 20000)) {
        std::fputs("The pupils never all joined.\n", stderr);
        return 1;
    }

    ClassAnswersWindow window(answers, nullptr);
    window.show();
    // Connected after the window's own update: the moment each answer shows.
    std::map<std::pair<int, int>, long long> shownAt;  // (question, pupil) → time
    int question = 0;
    QObject::connect(&answers, &ClassAnswers::questionChanged, &answers, [&] {
        const long long now = monotonicNanoseconds();
        for (const ClassQuestion::Bar &bar : answers.question().spread(0))
            shownAt.try_emplace({question, bar.answer.toInt()}, now);
    });
    int counted = 0;
    for (question = 0; question < questions; ++question) {
        session.currentValue1 = ExactDecimal::fromShown(question);
        session.currentStep1 = ExactDecimal::fromShown(1);
        answers.runningChanged(true);
        answers.pauseShown();
        if (!QTest::qWaitFor([&] { return answers.question().answeredCount() == pupils; }, 5000))
            std::fprintf(stderr, "Question %d: only %d answers came.\n", question + 1,
                         answers.question().answeredCount());
        counted += answers.question().answeredCount();
        answers.reveal();
        QTest::qWait(200);
    }

    // Each question's answers come in pupil order of sending; match them up.
    std::vector<double> latencies;
    std::map<int, int> round;  // pupil → questions answered so far
    class_.kill();
    class_.waitForFinished();
    for (const QByteArray &line : class_.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 3 || fields[0] != "sent")
            continue;
        const int pupil = fields[1].toInt();
        const auto shown = shownAt.find({round[pupil]++, pupil});
        if (shown != shownAt.end())
            latencies.push_back(double(shown->second - fields[2].toLongLong()) / 1e6);
    }
    const QByteArray name = pupils == 60 ? "answers" : "answers_" + QByteArray::number(pupils);
    std::printf("%s_pupils: %d pupils\n", name.constData(), pupils);
    std::printf("%s_counted: %d of %d answers\n", name.constData(), counted, pupils * questions);
    if (latencies.empty())
        return 1;
    std::printf("%s_latency_median: %.3f ms\n", name.constData(), percentile(latencies, 0.5));
    std::printf("%s_latency_p95: %.3f ms\n", name.constData(), percentile(latencies, 0.95));
    std::printf("%s_latency_max: %.3f ms\n", name.constData(), percentile(latencies, 1.0));
    return counted == pupils * questions ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    return measure(60) | measure(200);
}
