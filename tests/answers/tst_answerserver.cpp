#include "answers/AnswerLimits.h"
#include "answers/PupilTexts.h"
#include "tests/support/AnswersRig.h"
#include "tests/support/Pupil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>

#include <memory>
#include <vector>

// The class-answers server on loopback with real WebSockets: the page it
// serves, every kind of bad input refused while the lesson goes on, and a
// class of 60 answering at once.
class AnswerServerTest : public QObject {
    Q_OBJECT
public:
    enum class BadInput {
        WrongCode, FiveWrongCodes, NonNumericAnswer, MegabyteFrame, Device201, FiftyMessages, NeverReads,
        OutsideAddress, HugeHeaders, AnswerBeforeJoining, PingFlood, NeverJoin, SlowConnections, JoinAnswerLeave,
        RawRequest, UnmaskedFrame, WrongCodesFromAddresses, StaleRejoins, NameWithOverride
    };
    Q_ENUM(BadInput)

private slots:
    void pageServed_data();
    void pageServed();
    void badInputRefused_data();
    void badInputRefused();
    void sixtyPupilsAnswerAtOnce();
    void rejoiningKeepsTheAnswer();
};

void AnswerServerTest::pageServed_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("type");
    QTest::newRow("page") << QByteArray("/") << QByteArray("200") << QByteArray("text/html; charset=utf-8");
    QTest::newRow("page with a query") << QByteArray("/?from=qr") << QByteArray("200") << QByteArray("text/html; charset=utf-8");
    QTest::newRow("script") << QByteArray("/page.js") << QByteArray("200") << QByteArray("text/javascript; charset=utf-8");
    QTest::newRow("style") << QByteArray("/page.css") << QByteArray("200") << QByteArray("text/css; charset=utf-8");
    QTest::newRow("socket's address without upgrade") << QByteArray("/answers") << QByteArray("426") << QByteArray();
    QTest::newRow("anything else") << QByteArray("/etc/passwd") << QByteArray("404") << QByteArray();
}

// Every reply carries the policy that lets the page load nothing from
// elsewhere; the page holds its texts, with nothing able to end their block.
void AnswerServerTest::pageServed()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, type);
    AnswersRig rig;
    const QByteArray reply = rawRequest(rig.port(), "GET " + path + " HTTP/1.1\r\nHost: " + rig.host() + "\r\n\r\n");
    QVERIFY2(reply.startsWith("HTTP/1.1 " + status), reply.left(80));
    if (!type.isEmpty()) {
        QVERIFY(reply.contains("Content-Type: " + type + "\r\n"));
        QVERIFY(reply.contains("Content-Security-Policy: default-src 'self'\r\n"));
    }
    if (path.startsWith("/?") || path == "/") {
        QVERIFY(reply.contains("\"codePrompt\":\"Type the code on the board\""));
        QVERIFY(!reply.contains("{{"));
        QCOMPARE(reply.count("</script>"), 2);
    }
}

void AnswerServerTest::badInputRefused_data()
{
    QTest::addColumn<BadInput>("input");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("taken");  // answers of the bad device the teacher counts
    QTest::addColumn<QByteArray>("request");  // of a raw request, with {host} for ours
    QTest::newRow("wrong code") << BadInput::WrongCode << PupilTexts::wrongCode() << 0 << QByteArray();
    QTest::newRow("five wrong codes from one device, another joins from its address")
        << BadInput::FiveWrongCodes << PupilTexts::waitAfterWrongCodes() << 0 << QByteArray();
    QTest::newRow("non-numeric answer") << BadInput::NonNumericAnswer << PupilTexts::notANumber() << 0 << QByteArray();
    QTest::newRow("answer before joining") << BadInput::AnswerBeforeJoining << PupilTexts::joinFirst() << 0 << QByteArray();
    QTest::newRow("1 MB frame") << BadInput::MegabyteFrame << QString() << 0 << QByteArray();
    QTest::newRow("201st device") << BadInput::Device201 << PupilTexts::classFull() << 0 << QByteArray();
    // The answers within the rate count, as the device's one answer.
    QTest::newRow("50 messages in a second") << BadInput::FiftyMessages << PupilTexts::tooManyMessages() << 1 << QByteArray();
    QTest::newRow("a device that never reads") << BadInput::NeverReads << QString() << 0 << QByteArray();
    QTest::newRow("ping flood that never reads") << BadInput::PingFlood << QString() << 0 << QByteArray();
    QTest::newRow("250 sockets from one address") << BadInput::NeverJoin << PupilTexts::classFull() << 0 << QByteArray();
    QTest::newRow("250 slow connections that never join") << BadInput::SlowConnections << QString() << 0 << QByteArray();
    QTest::newRow("join, answer, leave 300 times") << BadInput::JoinAnswerLeave << QString() << 0 << QByteArray();
    QTest::newRow("unmasked frame") << BadInput::UnmaskedFrame << QString() << 0 << QByteArray();
    QTest::newRow("31 wrong codes from 31 addresses") << BadInput::WrongCodesFromAddresses << PupilTexts::wrongCode() << 0
                                                      << QByteArray();
    QTest::newRow("rejoins with unknown tokens") << BadInput::StaleRejoins << PupilTexts::joinFirst() << 0 << QByteArray();
    QTest::newRow("name with a right-to-left override") << BadInput::NameWithOverride << QString() << 1 << QByteArray();
    QTest::newRow("address outside the local network") << BadInput::OutsideAddress << PupilTexts::outsideNetwork() << 0
                                                        << QByteArray();
    QTest::newRow("request headers over 8 kB") << BadInput::HugeHeaders << PupilTexts::headersTooLarge() << 0 << QByteArray();

    const auto raw = [](const char *name, const QString &refusal, const QByteArray &request) {
        QTest::newRow(name) << BadInput::RawRequest << refusal << 0 << request;
    };
    const QByteArray upgrade = "GET /answers HTTP/1.1\r\nHost: {host}\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                               "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n";
    raw("403: WebSocket from another site's page", PupilTexts::outsideNetwork(),
        upgrade + "Origin: http://evil.example\r\n\r\n");
    raw("403: WebSocket without an origin", PupilTexts::outsideNetwork(), upgrade + "\r\n");
    raw("403: Host of another site", PupilTexts::outsideNetwork(), "GET / HTTP/1.1\r\nHost: evil.example\r\n\r\n");
    raw("403: Host without our port", PupilTexts::outsideNetwork(), "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    raw("431: pipelined request with 70 kB of headers", PupilTexts::headersTooLarge(),
        "GET / HTTP/1.1\r\nHost: {host}\r\n\r\nGET / HTTP/1.1\r\nHost: {host}\r\nX-Filler: " + QByteArray(70 * 1024, 'x')
            + "\r\n\r\n");
    raw("405: POST", PupilTexts::unreadable(), "POST / HTTP/1.1\r\nHost: {host}\r\nContent-Length: 0\r\n\r\n");
    raw("405: DELETE", PupilTexts::unreadable(), "DELETE / HTTP/1.1\r\nHost: {host}\r\n\r\n");
    raw("400: Content-Length with Transfer-Encoding", PupilTexts::unreadable(),
        "GET / HTTP/1.1\r\nHost: {host}\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n");
    raw("HEAD: headers without the page", QString(), "HEAD / HTTP/1.1\r\nHost: {host}\r\nConnection: close\r\n\r\n");
}

namespace {

// A device written by hand, from a loopback address of its own, speaking
// as much WebSocket as a row needs; a deaf one never reads a byte.
struct RawDevice {
    QTcpSocket socket;

    RawDevice(quint16 port, const QString &from, bool deaf = false)
    {
        if (deaf)
            socket.setReadBufferSize(1);
        socket.bind(QHostAddress(from));
        socket.connectToHost(QHostAddress::LocalHost, port);
        // The server on this thread takes the connection meanwhile.
        (void)QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; });
        if (deaf)
            socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    }
    // Opens the WebSocket as the page does, and waits for the consent.
    bool upgrade(const QByteArray &host)
    {
        socket.write("GET /answers HTTP/1.1\r\nHost: " + host + "\r\nOrigin: http://" + host
                     + "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                       "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
        return QTest::qWaitFor([&] { return socket.bytesAvailable() > 0 || socket.state() != QAbstractSocket::ConnectedState; });
    }
    // A zero mask leaves the payload as it is.
    void frame(char opcode, const QByteArray &payload, bool masked = true)
    {
        socket.write(QByteArray(1, char(0x80 | opcode)) + char((masked ? 0x80 : 0) | payload.size())
                     + QByteArray(masked ? 4 : 0, '\0') + payload);
    }
    bool closed()
    {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 12000);
    }
};

QByteArray joinMessage(const QString &code)
{
    return "{\"join\":\"" + code.toLatin1() + "\"}";
}

QString wrongFor(const QString &code)
{
    return code == QLatin1String("0000") ? QStringLiteral("0001") : QStringLiteral("0000");
}

// AddressSanitizer keeps freed memory aside and shadows all of it, so there
// the program's size says nothing of what the server holds: the bound is
// checked in the other builds.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentSizeTells = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool residentSizeTells = false;
#else
constexpr bool residentSizeTells = true;
#endif
#else
constexpr bool residentSizeTells = true;
#endif

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

} // namespace

void AnswerServerTest::badInputRefused()
{
    QFETCH(BadInput, input);
    QFETCH(QString, refusal);
    QFETCH(int, taken);
    QFETCH(QByteArray, request);
    AnswersRig rig;
    const qint64 residentBefore = residentBytes();
    const QString code = rig.answers.joinCode();
    const QString wrong = wrongFor(code);
    Pupil good(rig.port());
    QVERIFY(good.waitConnected() && good.join(code));
    rig.pauseAt(7, 4);
    Pupil bad(rig.port());
    std::vector<std::unique_ptr<Pupil>> crowd;
    std::vector<std::unique_ptr<RawDevice>> raw;
    if (input != BadInput::OutsideAddress && input != BadInput::HugeHeaders && input != BadInput::RawRequest)
        QVERIFY(bad.waitConnected());

    switch (input) {
    case BadInput::WrongCode:
        bad.send({{"join", wrong}});
        break;
    case BadInput::FiveWrongCodes: {
        for (int i = 0; i < AnswerLimits::wrongCodesAllowed; ++i)
            bad.send({{"join", wrong}});
        QTRY_COMPARE(bad.socket->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(bad.received.count(QJsonObject{{"refused", PupilTexts::wrongCode()}, {"about", "code"}}), 4);
        Pupil neighbour(rig.port(), code);
        QTRY_VERIFY(!neighbour.last("joined").isEmpty());
        break;
    }
    case BadInput::NonNumericAnswer:
        QVERIFY(bad.join(code));
        bad.answer({"eleven"});
        break;
    case BadInput::AnswerBeforeJoining:
        bad.answer({"11"});
        break;
    case BadInput::MegabyteFrame:
        QVERIFY(bad.join(code));
        bad.socket->sendTextMessage(QString(1024 * 1024, QLatin1Char('1')));
        QTRY_COMPARE(bad.socket->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(bad.socket->closeCode(), QWebSocketProtocol::CloseCodeTooMuchData);
        break;
    case BadInput::Device201:
        // A class of 200 from loopback, one address where a classroom has many.
        rig.answers.server().setMaxPerAddress(AnswerLimits::maxConnections);
        for (int i = 0; i < AnswerLimits::maxDevices - 1; ++i)
            crowd.push_back(std::make_unique<Pupil>(rig.port(), code));
        QTRY_COMPARE_WITH_TIMEOUT(rig.answers.deviceCount(), AnswerLimits::maxDevices, 20000);
        bad.send({{"join", code}});
        QTRY_COMPARE(bad.socket->state(), QAbstractSocket::UnconnectedState);
        break;
    case BadInput::FiftyMessages:
        QVERIFY(bad.join(code));
        for (int i = 0; i < 50; ++i)
            bad.answer({QString::number(i)});
        QTRY_VERIFY(!bad.lastRefusal().isEmpty());
        QTest::qWait(200);
        QCOMPARE(bad.received.count(QJsonObject{{"refused", refusal}, {"about", "other"}}), 1);
        break;
    case BadInput::NeverReads: {
        RawDevice deaf(rig.port(), QStringLiteral("127.0.0.2"), true);
        QVERIFY(deaf.upgrade(rig.host()));
        deaf.frame(1, joinMessage(code));
        QTRY_COMPARE(rig.answers.deviceCount(), 2);
        for (int count = 0; count < 20000 && rig.answers.deviceCount() == 2; ++count) {
            rig.model.append(count, QString::number(count), std::nullopt);
            rig.answers.sendBoards(true);
            if (count % 100 == 0)
                QCoreApplication::processEvents();
        }
        QTRY_COMPARE(rig.answers.deviceCount(), 1);
        break;
    }
    case BadInput::PingFlood: {
        // Pings are answered only within the rate, and the budget ends the flood.
        RawDevice deaf(rig.port(), QStringLiteral("127.0.0.2"), true);
        QVERIFY(deaf.upgrade(rig.host()));
        QElapsedTimer flooding;
        flooding.start();
        while (deaf.socket.state() == QAbstractSocket::ConnectedState && flooding.elapsed() < 3000) {
            for (int i = 0; i < 1000; ++i)
                deaf.frame(9, QByteArray(125, 'p'));
            QCoreApplication::processEvents();
        }
        QVERIFY(deaf.closed());
        break;
    }
    case BadInput::NeverJoin: {
        // The good and the bad device are two of this address's 40.
        int turnedAway = 0;
        for (int i = 0; i < 250; ++i) {
            raw.push_back(std::make_unique<RawDevice>(rig.port(), QStringLiteral("127.0.0.1")));
            if (raw.back()->upgrade(rig.host()) && raw.back()->socket.peek(12) == "HTTP/1.1 503")
                ++turnedAway;
        }
        QCOMPARE(turnedAway, 250 - (AnswerLimits::maxPerAddress - 2));
        QVERIFY(raw.back()->socket.readAll().endsWith(refusal.toUtf8()));
        // A device from another address still joins.
        RawDevice other(rig.port(), QStringLiteral("127.0.0.2"));
        QVERIFY(other.upgrade(rig.host()));
        other.frame(1, joinMessage(code));
        QByteArray seen;
        QTRY_VERIFY2((seen += other.socket.readAll()).contains("\"joined\""), seen.constData());
        break;
    }
    case BadInput::SlowConnections: {
        for (int i = 0; i < 250; ++i) {
            raw.push_back(std::make_unique<RawDevice>(rig.port(), QStringLiteral("127.0.1.%1").arg(1 + i % 200)));
            raw.back()->socket.write("G");
        }
        // A byte now and then is no join: every one is closed at its deadline.
        QTimer::singleShot(5000, &rig.answers, [&raw] {
            for (const auto &device : raw)
                device->socket.write("E");
        });
        QTRY_COMPARE_WITH_TIMEOUT(rig.answers.server().connectionCount(), 1, 15000);
        break;
    }
    case BadInput::JoinAnswerLeave:
        for (int i = 0; i < 300; ++i) {
            Pupil passing(rig.port(), code);
            QVERIFY(QTest::qWaitFor([&] { return !passing.last("joined").isEmpty(); }));
            passing.answer({"11"});
            QVERIFY(QTest::qWaitFor([&] { return passing.board().value("question").toObject().contains("answer"); }));
            QVERIFY(rig.answers.question().answeredCount() <= rig.answers.deviceCount());
            passing.socket->abort();
        }
        QTRY_COMPARE(rig.answers.deviceCount(), 1);
        break;
    case BadInput::UnmaskedFrame: {
        RawDevice device(rig.port(), QStringLiteral("127.0.0.2"));
        QVERIFY(device.upgrade(rig.host()));
        device.frame(1, joinMessage(code), false);
        QVERIFY(device.closed());
        QCOMPARE(rig.answers.deviceCount(), 1);
        break;
    }
    case BadInput::WrongCodesFromAddresses:
    case BadInput::StaleRejoins:
        for (int i = 0; i <= AnswerLimits::wrongCodesPerMinute; ++i) {
            raw.push_back(std::make_unique<RawDevice>(rig.port(), QStringLiteral("127.0.2.%1").arg(i + 1)));
            QVERIFY(raw.back()->upgrade(rig.host()));
            raw.back()->socket.readAll();
            raw.back()->frame(1, input == BadInput::StaleRejoins ? QByteArray("{\"rejoin\":\"") + QByteArray(32, 'a') + "\"}"
                                                                  : joinMessage(wrongFor(rig.answers.joinCode())));
            QVERIFY(QTest::qWaitFor([&] { return raw.back()->socket.bytesAvailable() > 0; }));
            QVERIFY(raw.back()->socket.readAll().contains(refusal.toUtf8()));
        }
        // Thirty guesses cost the code; rejoins are no guesses.
        QCOMPARE(rig.answers.joinCode() != code, input == BadInput::WrongCodesFromAddresses);
        break;
    case BadInput::NameWithOverride:
        rig.answers.setAsksForNames(true);
        QVERIFY(bad.join(code));
        bad.send({{"name", QString::fromUtf8("\u202Eevil\u0007 Ann\u2066")}});
        bad.answer({"11"});
        QTRY_COMPARE(rig.answers.namesAnswered(), QStringList{"evil Ann"});
        break;
    case BadInput::OutsideAddress: {
        // The same server, taking loopback for an outside address.
        rig.answers.turnOff();
        rig.answers.server().setAddressCheck([](const QHostAddress &) { return false; });
        QVERIFY(rig.answers.turnOn());
        const QByteArray reply = rawRequest(rig.port(), "GET / HTTP/1.1\r\nHost: " + rig.host() + "\r\n\r\n");
        QVERIFY(reply.startsWith("HTTP/1.1 403 Forbidden\r\n"));
        QVERIFY(reply.endsWith(refusal.toUtf8()));
        Pupil outsider(rig.port());
        QTRY_COMPARE(outsider.socket->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(rig.answers.deviceCount(), 0);
        return;
    }
    case BadInput::HugeHeaders: {
        const QByteArray reply = rawRequest(rig.port(), "GET / HTTP/1.1\r\nHost: " + rig.host() + "\r\nX-Filler: "
                                                            + QByteArray(AnswerLimits::maxHeaderBytes, 'x') + "\r\n\r\n");
        QVERIFY(reply.startsWith("HTTP/1.1 431 "));
        QVERIFY(reply.endsWith(refusal.toUtf8()));
        break;
    }
    case BadInput::RawRequest: {
        const QByteArray reply = rawRequest(rig.port(), QByteArray(request).replace("{host}", rig.host()), true);
        const qsizetype last = reply.lastIndexOf("HTTP/1.1 ");
        QVERIFY2(last >= 0, reply.left(80));
        if (refusal.isEmpty()) {  // HEAD: the headers of the page, and nothing after them
            QVERIFY(reply.startsWith("HTTP/1.1 200 OK\r\n") && reply.endsWith("\r\n\r\n"));
            QVERIFY(!reply.contains("Content-Length: 0\r\n"));
        } else {
            QVERIFY2(reply.endsWith(refusal.toUtf8()), reply.mid(last, 80));
            QVERIFY(!reply.contains("101 Switching"));
        }
        break;
    }
    }
    // The rows of raw devices have checked their refusal themselves.
    const bool byBadPupil = input != BadInput::HugeHeaders && input != BadInput::RawRequest && input != BadInput::NeverJoin
        && input != BadInput::WrongCodesFromAddresses && input != BadInput::StaleRejoins;
    if (!refusal.isEmpty() && byBadPupil)
        QTRY_COMPARE(bad.lastRefusal(), refusal);

    // Nothing of it reached the teacher, memory stayed bounded, and the
    // lesson goes on.
    QCOMPARE(rig.answers.question().answeredCount(), taken);
    if (residentSizeTells)
        QVERIFY2(residentBytes() - residentBefore < 20 * 1024 * 1024,
                 qPrintable(QString::number(residentBytes() - residentBefore)));
    good.answer({"11"});
    QTRY_COMPARE(rig.answers.question().answeredCount(), taken + 1);
    QCOMPARE(good.lastRefusal(), QString());
}

// Each pupil answers at a moment of its own within one second; every answer
// is counted once and the spread adds up to the class.
void AnswerServerTest::sixtyPupilsAnswerAtOnce()
{
    constexpr int pupils = 60;
    AnswersRig rig;
    rig.answers.server().setMaxPerAddress(pupils);
    std::vector<std::unique_ptr<Pupil>> pupilList;
    for (int i = 0; i < pupils; ++i)
        pupilList.push_back(std::make_unique<Pupil>(rig.port(), rig.answers.joinCode()));
    QTRY_COMPARE(rig.answers.deviceCount(), pupils);
    rig.pauseAt(7, 4);
    for (int i = 0; i < pupils; ++i)
        QTimer::singleShot(QRandomGenerator::global()->bounded(1000), pupilList[i]->socket.get(),
                           [pupil = pupilList[i].get(), i] { pupil->answer({QString::number(10 + i % 3)}); });
    QTRY_COMPARE_WITH_TIMEOUT(rig.answers.question().answeredCount(), pupils, 5000);

    rig.answers.reveal();
    int counted = 0;
    for (const ClassQuestion::Bar &bar : rig.answers.question().spread(0)) {
        QCOMPARE(bar.pupils, pupils / 3);
        QCOMPARE(bar.right, bar.answer == QLatin1String("11"));
        counted += bar.pupils;
    }
    QCOMPARE(counted, pupils);
    for (int i = 0; i < pupils; ++i) {
        const auto verdict = [&] { return pupilList[i]->board().value("question").toObject().value("verdict").toArray(); };
        QTRY_COMPARE(verdict(), QJsonArray{i % 3 == 1});
    }
}

// A page that lost its connection comes back as the same device, with its
// answer, and is counted once.
void AnswerServerTest::rejoiningKeepsTheAnswer()
{
    AnswersRig rig;
    Pupil first(rig.port());
    QVERIFY(first.waitConnected() && first.join(rig.answers.joinCode()));
    const QString device = first.last("joined").value("joined").toString();
    rig.pauseAt(7, 4);
    first.answer({"11"});
    QTRY_COMPARE(rig.answers.question().answeredCount(), 1);
    first.socket->abort();

    Pupil again(rig.port());
    QVERIFY(again.waitConnected());
    again.send({{"join", rig.answers.joinCode()}, {"device", device}});
    QTRY_COMPARE(again.board().value("question").toObject().value("answer").toArray(), QJsonArray{"11"});
    QCOMPARE(again.last("joined").value("joined").toString(), device);
    QTRY_COMPARE(rig.answers.deviceCount(), 1);
    QCOMPARE(rig.answers.question().answeredCount(), 1);
}

QTEST_MAIN(AnswerServerTest)
#include "tst_answerserver.moc"
