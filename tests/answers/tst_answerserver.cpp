#include "answers/AnswerLimits.h"
#include "answers/PupilTexts.h"
#include "tests/support/AnswersRig.h"
#include "tests/support/Pupil.h"

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
        WrongCode, SixthWrongCode, NonNumericAnswer, MegabyteFrame, Device201, FiftyMessages, NeverReads,
        OutsideAddress, HugeHeaders, AnswerBeforeJoining
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
    const QByteArray reply = rawRequest(rig.port(), "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QVERIFY2(reply.startsWith("HTTP/1.1 " + status), reply.left(80));
    if (!type.isEmpty()) {
        QVERIFY(reply.contains("Content-Type: " + type + "\r\n"));
        QVERIFY(reply.contains("Content-Security-Policy: default-src 'self'\r\n"));
    }
    if (path == "/") {
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
    QTest::newRow("wrong code") << BadInput::WrongCode << PupilTexts::wrongCode() << 0;
    QTest::newRow("sixth wrong code") << BadInput::SixthWrongCode << PupilTexts::waitAfterWrongCodes() << 0;
    QTest::newRow("non-numeric answer") << BadInput::NonNumericAnswer << PupilTexts::notANumber() << 0;
    QTest::newRow("answer before joining") << BadInput::AnswerBeforeJoining << PupilTexts::joinFirst() << 0;
    QTest::newRow("1 MB frame") << BadInput::MegabyteFrame << QString() << 0;
    QTest::newRow("201st device") << BadInput::Device201 << PupilTexts::classFull() << 0;
    // The answers within the rate count, as the device's one answer.
    QTest::newRow("50 messages in a second") << BadInput::FiftyMessages << PupilTexts::tooManyMessages() << 1;
    QTest::newRow("a device that never reads") << BadInput::NeverReads << QString() << 0;
    QTest::newRow("address outside the local network") << BadInput::OutsideAddress << PupilTexts::outsideNetwork() << 0;
    QTest::newRow("request headers over 8 kB") << BadInput::HugeHeaders << PupilTexts::headersTooLarge() << 0;
}

namespace {

// A WebSocket client written by hand, which joins and then never reads a
// byte of what it is sent.
std::unique_ptr<QTcpSocket> deafPupil(quint16 port, const QString &code)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->setReadBufferSize(1);
    socket->connectToHost(QHostAddress::LocalHost, port);
    socket->waitForConnected(5000);
    socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    socket->write("GET /answers HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                  "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    // The server's consent, of which one byte is read (the server runs on
    // this thread's event loop).
    (void)QTest::qWaitFor([&] { return socket->bytesAvailable() > 0; });
    const QByteArray join = "{\"join\":\"" + code.toLatin1() + "\"}";
    QByteArray frame{"\x81"};
    frame += char(0x80 | join.size());
    frame += QByteArray(4, '\0');  // a zero mask leaves the text as it is
    socket->write(frame + join);
    return socket;
}

} // namespace

void AnswerServerTest::badInputRefused()
{
    QFETCH(BadInput, input);
    QFETCH(QString, refusal);
    QFETCH(int, taken);
    AnswersRig rig;
    const QString code = rig.answers.joinCode();
    const QString wrong = code == QLatin1String("0000") ? QStringLiteral("0001") : QStringLiteral("0000");
    Pupil good(rig.port());
    QVERIFY(good.waitConnected() && good.join(code));
    rig.pauseAt(7, 4);
    Pupil bad(rig.port());
    std::vector<std::unique_ptr<Pupil>> crowd;
    std::unique_ptr<QTcpSocket> deaf;
    if (input != BadInput::OutsideAddress && input != BadInput::HugeHeaders)
        QVERIFY(bad.waitConnected());

    switch (input) {
    case BadInput::WrongCode:
        bad.send({{"join", wrong}});
        break;
    case BadInput::SixthWrongCode:
        // From one address, each on a connection of its own (each within its rate).
        for (int i = 0; i < 5; ++i) {
            crowd.push_back(std::make_unique<Pupil>(rig.port(), wrong));
            QTRY_VERIFY(!crowd.back()->lastRefusal().isEmpty());
        }
        bad.send({{"join", wrong}});
        QTRY_COMPARE(bad.lastRefusal(), refusal);
        bad.send({{"join", code}});  // the right code waits its 30 seconds too
        QTRY_COMPARE(bad.received.size(), 2);
        break;
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
    case BadInput::NeverReads:
        deaf = deafPupil(rig.port(), code);
        QTRY_COMPARE(rig.answers.deviceCount(), 2);
        for (int count = 0; count < 20000 && rig.answers.deviceCount() == 2; ++count) {
            rig.answers.countersShown(QString::number(count), nullptr);
            if (count % 100 == 0)
                QCoreApplication::processEvents();
        }
        QTRY_COMPARE(rig.answers.deviceCount(), 1);
        break;
    case BadInput::OutsideAddress: {
        // The same server, taking loopback for an outside address.
        rig.answers.turnOff();
        rig.answers.server().setAddressCheck([](const QHostAddress &) { return false; });
        QVERIFY(rig.answers.turnOn());
        const QByteArray reply = rawRequest(rig.port(), "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        QVERIFY(reply.startsWith("HTTP/1.1 403 Forbidden\r\n"));
        QVERIFY(reply.endsWith(refusal.toUtf8()));
        Pupil outsider(rig.port());
        QTRY_COMPARE(outsider.socket->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(rig.answers.deviceCount(), 0);
        return;
    }
    case BadInput::HugeHeaders: {
        const QByteArray reply = rawRequest(rig.port(), "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Filler: "
                                                            + QByteArray(AnswerLimits::maxHeaderBytes, 'x') + "\r\n\r\n");
        QVERIFY(reply.startsWith("HTTP/1.1 431 "));
        QVERIFY(reply.endsWith(refusal.toUtf8()));
        break;
    }
    }
    if (!refusal.isEmpty() && input != BadInput::HugeHeaders)
        QTRY_COMPARE(bad.lastRefusal(), refusal);

    // Nothing of it reached the teacher, and the lesson goes on.
    QCOMPARE(rig.answers.question().answeredCount(), taken);
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
