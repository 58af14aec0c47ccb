#include "answers/ClassQuestion.h"
#include "answers/JoinGate.h"
#include "answers/LocalNetwork.h"
#include "tests/support/FakeClock.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(ClassQuestion::Refusal)
Q_DECLARE_METATYPE(QList<NetworkInterfaceInfo>)

// The rules a pupil's device meets before anything reaches the teacher:
// which addresses are answered, the join code's wait, and which answers
// count and how they are judged.
class AnswerRulesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void localNetworkOnly_data();
    void localNetworkOnly();
    void schoolNetworkChosen_data();
    void schoolNetworkChosen();
    void codeChangesAfterThirtyWrongCodes();
    void answersTaken_data();
    void answersTaken();
    void spreadAndVerdicts();
};

void AnswerRulesTest::localNetworkOnly_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("answered");
    QTest::newRow("loopback") << "127.0.0.1" << true;
    QTest::newRow("loopback, far end") << "127.255.255.254" << true;
    QTest::newRow("10/8") << "10.200.3.4" << true;
    QTest::newRow("172.16/12, first") << "172.16.0.1" << true;
    QTest::newRow("172.16/12, last") << "172.31.255.255" << true;
    QTest::newRow("just past 172.16/12") << "172.32.0.1" << false;
    QTest::newRow("just before 172.16/12") << "172.15.255.255" << false;
    QTest::newRow("192.168/16") << "192.168.1.23" << true;
    QTest::newRow("192.169 is outside") << "192.169.0.1" << false;
    QTest::newRow("link-local") << "169.254.10.20" << true;
    QTest::newRow("public IPv4") << "8.8.8.8" << false;
    QTest::newRow("carrier-grade NAT is not the school's") << "100.64.0.1" << false;
    QTest::newRow("IPv6 loopback") << "::1" << true;
    QTest::newRow("IPv6 unique local fc00::/7") << "fd12:3456::1" << true;
    QTest::newRow("IPv6 fc00::") << "fc00::1" << true;
    QTest::newRow("IPv6 link-local") << "fe80::1" << true;
    QTest::newRow("IPv6 fe80::/10 last") << "febf::1" << true;
    QTest::newRow("IPv6 site-local fec0 is outside") << "fec0::1" << false;
    QTest::newRow("IPv6 global") << "2001:db8::1" << false;
    QTest::newRow("IPv4-mapped private") << "::ffff:192.168.0.9" << true;
    QTest::newRow("IPv4-mapped public") << "::ffff:8.8.4.4" << false;
    QTest::newRow("unspecified") << "0.0.0.0" << false;
}

void AnswerRulesTest::localNetworkOnly()
{
    QFETCH(QString, address);
    QFETCH(bool, answered);
    QCOMPARE(isLocalNetworkAddress(QHostAddress(address)), answered);
}

namespace {
// The next values as the run holds them: exactly the numbers written.
QList<ExactDecimal> exactly(const QList<double> &values)
{
    QList<ExactDecimal> exact;
    for (double value : values)
        exact << ExactDecimal::fromShown(value);
    return exact;
}
} // namespace

// Wrong codes from all devices together: the 30th within a minute draws a
// new code; those older than a minute no longer count.
void AnswerRulesTest::codeChangesAfterThirtyWrongCodes()
{
    FakeClock clock;
    JoinGate gate(clock);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{4}$")).match(gate.code()).hasMatch());
    const auto wrong = [&] { return gate.code() == QLatin1String("0000") ? QStringLiteral("0001") : QStringLiteral("0000"); };

    for (int i = 0; i < 20; ++i)
        QCOMPARE(gate.check(wrong()), JoinGate::Verdict::WrongCode);
    clock.advanceBy(60);
    for (int i = 0; i < 29; ++i)
        QCOMPARE(gate.check(wrong()), JoinGate::Verdict::WrongCode);
    QCOMPARE(gate.check(gate.code()), JoinGate::Verdict::Joined);
    const QString before = gate.code();
    QCOMPARE(gate.check(wrong()), JoinGate::Verdict::CodeChanged);
    QVERIFY(gate.code() != before);
    QCOMPARE(gate.check(before), JoinGate::Verdict::WrongCode);  // the old code no longer joins
    QCOMPARE(gate.check(gate.code()), JoinGate::Verdict::Joined);
}

namespace {
NetworkInterfaceInfo up(const QString &name, const QStringList &addresses, bool isUp = true)
{
    NetworkInterfaceInfo interface{name, isUp, name == QLatin1String("lo"), {}};
    for (const QString &address : addresses)
        interface.addresses << QHostAddress(address);
    return interface;
}
} // namespace

void AnswerRulesTest::schoolNetworkChosen_data()
{
    QTest::addColumn<QList<NetworkInterfaceInfo>>("interfaces");
    QTest::addColumn<QStringList>("defaultRoutes");
    QTest::addColumn<QStringList>("shown");  // listened on too, with 127.0.0.1
    const NetworkInterfaceInfo lo = up("lo", {"127.0.0.1", "::1"});
    QTest::newRow("Wi-Fi with the default route, beside a docker bridge")
        << QList{lo, up("docker0", {"172.17.0.1"}), up("wlan0", {"192.168.1.23", "fe80::1"})} << QStringList{"wlan0"}
        << QStringList{"192.168.1.23"};
    QTest::newRow("no private address on the default route")
        << QList{lo, up("eth0", {"203.0.113.5"}), up("virbr0", {"192.168.122.1"})} << QStringList{"eth0"} << QStringList{};
    QTest::newRow("no default route") << QList{lo, up("eth0", {"10.1.2.3"})} << QStringList{} << QStringList{};
    QTest::newRow("its interface down") << QList{lo, up("eth0", {"10.1.2.3"}, false)} << QStringList{"eth0"}
                                        << QStringList{};
    QTest::newRow("IPv6 only: unique-local, not link-local")
        << QList{lo, up("eth0", {"fe80::2", "fd00::2", "2001:db8::2"})} << QStringList{"eth0"} << QStringList{"fd00::2"};
    QTest::newRow("several addresses, IPv4 first")
        << QList{lo, up("eth0", {"fd00::5", "10.0.0.5", "10.0.0.6"})} << QStringList{"eth0"}
        << QStringList{"10.0.0.5", "10.0.0.6", "fd00::5"};
    QTest::newRow("IPv4 route without a private address, IPv6 route with one")
        << QList{lo, up("eth0", {"192.0.2.2"}), up("wg0", {"fd00::9"})} << QStringList{"eth0", "wg0"}
        << QStringList{"fd00::9"};
}

void AnswerRulesTest::schoolNetworkChosen()
{
    QFETCH(QList<NetworkInterfaceInfo>, interfaces);
    QFETCH(QStringList, defaultRoutes);
    QFETCH(QStringList, shown);
    const SchoolNetwork network = chooseSchoolNetwork(interfaces, defaultRoutes);
    QStringList chosen;
    for (const QHostAddress &address : network.shown)
        chosen << address.toString();
    QCOMPARE(chosen, shown);
    QCOMPARE(network.listen, QList<QHostAddress>{QHostAddress(QHostAddress::LocalHost)} + network.shown);
}

void AnswerRulesTest::answersTaken_data()
{
    QTest::addColumn<QList<double>>("next");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<ClassQuestion::Refusal>("refusal");
    QTest::addColumn<QList<bool>>("verdict");
    using R = ClassQuestion::Refusal;
    const QList<double> eleven{11};
    QTest::newRow("right") << eleven << QStringList{"11"} << R::None << QList<bool>{true};
    QTest::newRow("wrong") << eleven << QStringList{"12"} << R::None << QList<bool>{false};
    QTest::newRow("blanks around") << eleven << QStringList{" 11 "} << R::None << QList<bool>{true};
    QTest::newRow("blank inside: two numbers, not one") << eleven << QStringList{"1 1"} << R::NotANumber << QList<bool>{};
    QTest::newRow("6 8") << QList<double>{68} << QStringList{"6 8"} << R::NotANumber << QList<bool>{};
    QTest::newRow("tenths") << QList<double>{0.3} << QStringList{"0.3"} << R::None << QList<bool>{true};
    QTest::newRow("negative") << QList<double>{-2.5} << QStringList{"-2.5"} << R::None << QList<bool>{true};
    QTest::newRow("exponent") << QList<double>{1e20} << QStringList{"1E+20"} << R::None << QList<bool>{true};
    QTest::newRow("word") << eleven << QStringList{"eleven"} << R::NotANumber << QList<bool>{};
    QTest::newRow("number then word") << eleven << QStringList{"11 apples"} << R::NotANumber << QList<bool>{};
    QTest::newRow("empty") << eleven << QStringList{""} << R::NotANumber << QList<bool>{};
    QTest::newRow("two points") << eleven << QStringList{"1.1.1"} << R::NotANumber << QList<bool>{};
    QTest::newRow("hexadecimal") << eleven << QStringList{"&HB"} << R::NotANumber << QList<bool>{};
    QTest::newRow("beyond the largest number") << eleven << QStringList{"1E999"} << R::NotANumber << QList<bool>{};
    QTest::newRow("32 characters") << QList<double>{1e31} << QStringList{"1" + QString(31, '0')} << R::None
                                   << QList<bool>{true};
    QTest::newRow("33 characters") << eleven << QStringList{QString(33, '1')} << R::TooLong << QList<bool>{};
    QTest::newRow("one answer for two counters") << QList<double>{11, 4} << QStringList{"11"} << R::NotANumber
                                                 << QList<bool>{};
    QTest::newRow("two counters") << QList<double>{11, 4} << QStringList{"11", "5"} << R::None
                                  << QList<bool>{true, false};
    QTest::newRow("no question at all") << QList<double>{} << QStringList{"11"} << R::Closed << QList<bool>{};
}

void AnswerRulesTest::answersTaken()
{
    QFETCH(QList<double>, next);
    QFETCH(QStringList, answer);
    QFETCH(ClassQuestion::Refusal, refusal);
    QFETCH(QList<bool>, verdict);
    ClassQuestion question(exactly(next));
    QCOMPARE(question.answer(QStringLiteral("d1"), answer), refusal);
    QCOMPARE(question.answeredCount(), refusal == ClassQuestion::Refusal::None ? 1 : 0);
    question.reveal();
    QCOMPARE(question.verdictOf(QStringLiteral("d1")), verdict);
    QCOMPARE(question.answer(QStringLiteral("d2"), answer), next.isEmpty() ? refusal : ClassQuestion::Refusal::Closed);
}

// One bar per answer as the board shows it; a changed answer moves its
// device's vote; the right answer gets its bar even when nobody gave it.
void AnswerRulesTest::spreadAndVerdicts()
{
    ClassQuestion question(exactly({0.3}));
    question.answer(QStringLiteral("a"), {QStringLiteral("0.3")});
    question.answer(QStringLiteral("b"), {QStringLiteral(".30")});
    question.answer(QStringLiteral("c"), {QStringLiteral("0.4")});
    question.answer(QStringLiteral("c"), {QStringLiteral("-1")});
    QCOMPARE(question.answeredCount(), 3);
    const auto bars = [&] {
        QList<std::tuple<QString, int, bool>> flat;
        for (const ClassQuestion::Bar &bar : question.spread(0))
            flat.append({bar.answer, bar.pupils, bar.right});
        return flat;
    };
    QCOMPARE(bars(), (QList<std::tuple<QString, int, bool>>{{"-1", 1, false}, {"0.3", 2, true}}));
    QVERIFY(question.verdictOf(QStringLiteral("a")).isEmpty());

    question.reveal();
    QCOMPARE(question.verdictOf(QStringLiteral("b")), QList<bool>{true});
    QCOMPARE(question.verdictOf(QStringLiteral("c")), QList<bool>{false});
    QCOMPARE(question.nextTexts(), QStringList{"0.3"});

    ClassQuestion nobodyRight(exactly({7}));
    nobodyRight.answer(QStringLiteral("a"), {QStringLiteral("8")});
    nobodyRight.reveal();
    QCOMPARE(nobodyRight.spread(0).size(), 2);
    QCOMPARE(nobodyRight.spread(0).at(0).answer, QStringLiteral("7"));
    QCOMPARE(nobodyRight.spread(0).at(0).pupils, 0);
    QVERIFY(nobodyRight.spread(0).at(0).right);
}

QTEST_GUILESS_MAIN(AnswerRulesTest)
#include "tst_answerrules.moc"
