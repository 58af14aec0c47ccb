// A class of simulated pupils for the benchmarks: bench_pupils <port> <code>
// <pupils>. Each joins the class-answers server on loopback and, at every
// new question, answers its own number (0, 1, 2 …) at a random moment
// within one second. Prints "joined <n>" once all have joined and
// "sent <pupil> <nanoseconds>" for each answer, on the monotonic clock.

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTimer>
#include <QWebSocket>

#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

QString json(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: bench_pupils <port> <code> <pupils>\n", stderr);
        return 2;
    }
    const QString url = QStringLiteral("ws://127.0.0.1:%1/answers").arg(QString::fromLatin1(argv[1]));
    const QString code = QString::fromLatin1(argv[2]);
    const int count = QString::fromLatin1(argv[3]).toInt();
    std::vector<std::unique_ptr<QWebSocket>> pupils;
    int joined = 0;
    for (int i = 0; i < count; ++i) {
        // The page's own origin, as a browser sends it.
        pupils.push_back(std::make_unique<QWebSocket>(QStringLiteral("http://127.0.0.1:%1").arg(QString::fromLatin1(argv[1]))));
        QWebSocket *socket = pupils.back().get();
        auto asking = std::make_shared<bool>(false);
        QObject::connect(socket, &QWebSocket::connected, socket, [socket, code] {
            socket->sendTextMessage(json({{QStringLiteral("join"), code}}));
        });
        QObject::connect(socket, &QWebSocket::disconnected, &app, [] { QCoreApplication::exit(1); });
        QObject::connect(socket, &QWebSocket::textMessageReceived, socket, [=, &joined](const QString &text) {
            const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
            if (message.contains(QLatin1String("joined")) && ++joined == count) {
                std::printf("joined %d\n", joined);
                std::fflush(stdout);
            }
            const QJsonObject board = message.value(QLatin1String("board")).toObject();
            const QJsonObject question = board.value(QLatin1String("question")).toObject();
            const bool open = !question.isEmpty() && !question.value(QLatin1String("revealed")).toBool();
            if (open && !*asking && !question.contains(QLatin1String("answer"))) {
                QTimer::singleShot(QRandomGenerator::global()->bounded(1000), socket, [socket, i] {
                    const QJsonArray answer{QString::number(i)};
                    std::printf("sent %d %lld\n", i, monotonicNanoseconds());
                    std::fflush(stdout);
                    socket->sendTextMessage(json({{QStringLiteral("answer"), answer}}));
                });
            }
            *asking = open;
        });
        socket->open(QUrl(url));
    }
    return app.exec();
}
