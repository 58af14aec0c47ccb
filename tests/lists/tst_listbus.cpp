#include "output/lists/ListWindow.h"
#include "output/lists/NumberList.h"
#include "tests/support/FakePrinter.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestDisplay.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QTest>
#include <QTimer>

#include <optional>

// The number list as a screen reader gets it: over the accessibility bus
// (AT-SPI) of the test's own D-Bus session, on the real X display, the list
// is a text whose lines are the list's, read whole and line by line.
class ListBusTest : public QObject {
    Q_OBJECT
private slots:
    void listIsReadOverTheBus();
};

namespace {

constexpr int lineBoundary = 5;  // AT-SPI's TEXT_BOUNDARY_LINE_START

struct BusObject {
    QString service;
    QString path;
};

// A call answered by this very program: the event loop runs while it waits.
QDBusMessage ask(const QDBusConnection &bus, const BusObject &object, const QString &interface, const QString &method,
                 const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(object.service, object.path, interface, method);
    message.setArguments(arguments);
    QDBusPendingCall call = bus.asyncCall(message, 10000);
    if (!QTest::qWaitFor([&] { return call.isFinished(); }, 12000))
        return QDBusMessage::createError(QStringLiteral("timeout"), QStringLiteral("no answer"));
    return call.reply();
}

QList<BusObject> children(const QDBusConnection &bus, const BusObject &object)
{
    const QDBusMessage reply = ask(bus, object, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren"));
    QList<BusObject> found;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return found;
    const auto list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString service;
        QDBusObjectPath path;
        list.beginStructure();
        list >> service >> path;
        list.endStructure();
        found.append({service, path.path()});
    }
    list.endArray();
    return found;
}

bool offersText(const QDBusConnection &bus, const BusObject &object)
{
    const QDBusMessage reply = ask(bus, object, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetInterfaces"));
    return reply.type() == QDBusMessage::ReplyMessage
           && reply.arguments().value(0).toStringList().contains(QStringLiteral("org.a11y.atspi.Text"));
}

// Depth first from the registry's desktop, as a screen reader walks it.
std::optional<BusObject> findText(const QDBusConnection &bus, const BusObject &from, int &budget)
{
    for (const BusObject &child : children(bus, from)) {
        if (--budget < 0)
            return std::nullopt;
        if (offersText(bus, child))
            return child;
        if (auto found = findText(bus, child, budget))
            return found;
    }
    return std::nullopt;
}

} // namespace

void ListBusTest::listIsReadOverTheBus()
{
    if (qgetenv("TALLYVANE_TEST_DISPLAY").isEmpty())
        QSKIP("needs the test display of scripts/test-services");
    const QDBusMessage address = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    const QDBusMessage reply = QDBusConnection::sessionBus().call(address);
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    const QDBusConnection bus =
        QDBusConnection::connectToBus(reply.arguments().value(0).toString(), QStringLiteral("screenReader"));
    QVERIFY2(bus.isConnected(), qPrintable(bus.lastError().message()));

    CountingSession session;
    for (std::size_t k = 0; k < 3; ++k) {
        session.history1->record(k, double((k + 1) * (k + 1)));
        session.history2->record(k, double(10 * (k + 1)));
    }
    session.countIndex = 2;
    WindowMemory memory;
    memory.listShowsSteps = true;
    ScriptedDialogs dialogs;
    FakePrinter printer;
    QWidget main;
    main.show();
    ListServices services{session, memory, dialogs, printer, &main};

    QString whole;
    QStringList lines;
    QTimer::singleShot(0, this, [&] {
        auto *window = qobject_cast<ListWindow *>(QApplication::activeModalWidget());
        if (!window)
            return;
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const BusObject desktop{QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/accessible/root")};
        std::optional<BusObject> text;
        // The program's windows reach the registry a moment after they show.
        const bool found = QTest::qWaitFor([&] {
            int budget = 400;
            text = findText(bus, desktop, budget);
            return text.has_value();
        }, 10000);
        if (found) {
            const QString textInterface = QStringLiteral("org.a11y.atspi.Text");
            whole = ask(bus, *text, textInterface, QStringLiteral("GetText"), {0, -1}).arguments().value(0).toString();
            for (int offset = 0; offset < whole.size();) {
                const QDBusMessage line = ask(bus, *text, textInterface, QStringLiteral("GetTextAtOffset"),
                                              {offset, uint(lineBoundary)});
                const int end = line.arguments().value(2).toInt();
                lines << line.arguments().value(0).toString().remove(QChar('\n'));
                if (end <= offset)
                    break;
                offset = end;
            }
        }
        window->close();
        QVERIFY2(found, "no text on the accessibility bus");
    });
    showListTwoCounters(services);
    const QString heading = QStringLiteral("n\tNumber\tStep\tStep change\tNumber\tStep\tStep change");
    const QStringList rows = {QStringLiteral("1\t1\t\t\t10\t\t"), QStringLiteral("2\t4\t3\t\t20\t10\t"),
                              QStringLiteral("3\t9\t5\t2\t30\t10\t0")};
    QCOMPARE(whole, heading + "\n" + rows.join("\n") + "\n");
    QCOMPARE(lines, QStringList{heading} + rows);
}

int main(int argc, char *argv[])
{
    useTestDisplay();
    // A screen reader turns the bridge on through the bus's settings; the test
    // has no screen reader of its own to do so.
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication app(argc, argv);
    ListBusTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_listbus.moc"
