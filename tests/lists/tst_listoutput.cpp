#include "output/lists/ListOutput.h"
#include "tests/support/CommandOutput.h"
#include "tests/support/FakePrinter.h"
#include "tests/support/FullDisk.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Files larger than the limit cannot be written, as on a full disk; root
// ignores permissions, but not this.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int);
};

} // namespace

class ListOutputTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void saveWritesTheListBytes_data();
    void saveWritesTheListBytes();
    void saveReplacesAWholeLongerFile();
    void csvFiles_data();
    void csvFiles();
    void fileNumbers_data();
    void fileNumbers();
    void fileNumberStopsAtItsLargest();
    void failedSaveLeavesTheOldFileWhole_data();
    void failedSaveLeavesTheOldFileWhole();

    void printsBlankLinesThenOneLinePerCount_data();
    void printsBlankLinesThenOneLinePerCount();
    void printFailureIsReportedOnce_data();
    void printFailureIsReportedOnce();

private:
    CountingSession m_session;
    WindowMemory m_memory;
    ScriptedDialogs m_dialogs;
    FakePrinter m_printer;
    ListServices m_services{m_session, m_memory, m_dialogs, m_printer};
    QTemporaryDir m_dir;

    void setRun(int counts)
    {
        for (int k = 0; k < counts; ++k) {
            m_session.history1->record(std::size_t(k), double(3 + 2 * k));
            m_session.history2->record(std::size_t(k), double(-k));
        }
        m_session.countIndex = std::int16_t(counts - 1);
    }
};

void ListOutputTest::init()
{
    m_memory.listFileNumber = 1;
    m_memory.listShowsSteps = false;
    m_dialogs = ScriptedDialogs();
    m_printer = FakePrinter();
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
}

void ListOutputTest::saveWritesTheListBytes_data()
{
    QTest::addColumn<bool>("steps");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("steps hidden") << false << QByteArray("\t3\r\n\t5\r\n\t7\r\n");
    QTest::newRow("steps shown")
        << true << QByteArray("\tn\tNumber\tStep\tStep change\r\n\t1\t3\t\t\r\n\t2\t5\t2\t\r\n\t3\t7\t2\t0\r\n");
}

void ListOutputTest::saveWritesTheListBytes()
{
    QFETCH(bool, steps);
    QFETCH(QByteArray, bytes);
    setRun(3);
    m_memory.listShowsSteps = steps;
    const QString path = m_dir.filePath("count1.txt");
    m_dialogs.saveAnswers.enqueue(path);
    saveList(m_services, ListKind::OneCounter, nullptr);
    QCOMPARE(m_dialogs.saveRequests.size(), 1);
    QCOMPARE(m_dialogs.saveRequests[0].filter,
             QStringLiteral("Text Files (*.txt)|*.txt|CSV File (*.csv)|*.csv|All Files (*.*)|*.*"));
    QCOMPARE(contents(path), bytes);
    QVERIFY(m_dialogs.messages.isEmpty());
    QCOMPARE(m_dialogs.savedFiles, QStringList{path});
}

void ListOutputTest::saveReplacesAWholeLongerFile()
{
    setRun(1);
    const QString path = m_dir.filePath("old.txt");
    writeFile(path, QByteArray(500, 'x'));
    m_dialogs.saveAnswers.enqueue(path);
    saveList(m_services, ListKind::TwoCounters, nullptr);
    QCOMPARE(contents(path), QByteArray("\t3\t0\r\n"));
}

void ListOutputTest::csvFiles_data()
{
    QTest::addColumn<QList<double>>("counter1");
    QTest::addColumn<QList<double>>("counter2");  // none for one counter
    QTest::addColumn<QString>("region");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("tenths as the list shows them") << QList<double>{0.1, 0.1 + 0.1, 0.1 + 0.1 + 0.1} << QList<double>{} << "en_GB"
                                        << false << QByteArray("Count,Counter 1\r\n1,0.1\r\n2,0.2\r\n3,0.3\r\n");
    QTest::newRow("a third, huge and tiny") << QList<double>{1.0 / 3, 1e20, -2.5e-7} << QList<double>{} << "en_GB"
                                            << false << QByteArray("Count,Counter 1\r\n1,0.333333333333333\r\n2,1E+20\r\n3,-2.5E-07\r\n");
    QTest::newRow("two counters, German region")
        << QList<double>{0.5, 1234.25} << QList<double>{-1.75, -8} << "de_DE" << false
        << QByteArray("Count,Counter 1,Counter 2\r\n1,0.5,-1.75\r\n2,1234.25,-8\r\n");
    QTest::newRow("tenths with their steps as shown")
        << QList<double>{0.1, 0.1 + 0.1, 0.1 + 0.1 + 0.1} << QList<double>{} << "en_GB" << true
        << QByteArray("Count,Counter 1,Step,Step change\r\n1,0.1,,\r\n2,0.2,0.1,\r\n3,0.3,0.1,0\r\n");
    QTest::newRow("two counters with steps, German region")
        << QList<double>{0.5, 1.5} << QList<double>{-1.75, -8} << "de_DE" << true
        << QByteArray("Count,Counter 1,Step,Step change,Counter 2,Step,Step change\r\n1,0.5,,,-1.75,,\r\n"
                      "2,1.5,1,,-8,-6.25,\r\n");
}

// Named .csv, a list is saved as a table that spreadsheets read.
void ListOutputTest::csvFiles()
{
    QFETCH(QList<double>, counter1);
    QFETCH(QList<double>, counter2);
    QFETCH(QString, region);
    QFETCH(bool, steps);
    QFETCH(QByteArray, bytes);
    m_memory.listShowsSteps = steps;
    for (qsizetype k = 0; k < counter1.size(); ++k) {
        m_session.history1->record(std::size_t(k), counter1[k]);
        m_session.history2->record(std::size_t(k), counter2.value(k));
    }
    m_session.countIndex = std::int16_t(counter1.size() - 1);
    const QString path = m_dir.filePath("count1.csv");
    m_dialogs.saveAnswers.enqueue(path);
    QLocale::setDefault(QLocale(region));
    saveList(m_services, counter2.isEmpty() ? ListKind::OneCounter : ListKind::TwoCounters, nullptr);
    QLocale::setDefault(QLocale::system());
    QCOMPARE(contents(path), "\xEF\xBB\xBF" + bytes);
    QCOMPARE(m_memory.listFileNumber, std::int16_t(2));
    // Python's csv module finds the headings, and a number in every other cell
    // that is not left empty.
    const QString script = "import csv, sys\nrows = list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8-sig')))\n"
                           "[float(cell) for row in rows[1:] for cell in row if cell]\nprint(','.join(rows[0]), len(rows) - 1)";
    QCOMPARE(commandOutput("python3", {"-c", script, path}),
             QStringLiteral("%1 %2\n").arg(QString::fromLatin1(bytes.left(bytes.indexOf('\r')))).arg(counter1.size()));
}

void ListOutputTest::fileNumbers_data()
{
    // Each save: which window, and whether the dialog is answered with a
    // writable name ("ok"), cancelled ("cancel") or given an impossible one
    // ("impossible").
    QTest::addColumn<QList<ListKind>>("kinds");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("suggested");
    QTest::addColumn<int>("messages");
    const ListKind one = ListKind::OneCounter;
    const ListKind two = ListKind::TwoCounters;
    QTest::newRow("two saves from one window, then the other")
        << QList<ListKind>{one, one, two} << QStringList{"ok", "ok", "ok"}
        << QStringList{"count1.txt", "count2.txt", "count3.txt"} << 0;
    QTest::newRow("cancel suggests the same number again")
        << QList<ListKind>{two, two, two} << QStringList{"ok", "cancel", "ok"}
        << QStringList{"count1.txt", "count2.txt", "count2.txt"} << 0;
    QTest::newRow("a failed save says so and keeps the number")
        << QList<ListKind>{one, one, one} << QStringList{"impossible", "ok", "ok"}
        << QStringList{"count1.txt", "count1.txt", "count2.txt"} << 1;
}

void ListOutputTest::fileNumbers()
{
    QFETCH(QList<ListKind>, kinds);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, suggested);
    QFETCH(int, messages);
    setRun(2);
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        if (answers[i] == "ok")
            m_dialogs.saveAnswers.enqueue(m_dir.filePath(QStringLiteral("save%1.txt").arg(i)));
        else if (answers[i] == "impossible")
            m_dialogs.saveAnswers.enqueue(m_dir.filePath("no such folder/list.txt"));
        else
            m_dialogs.saveAnswers.enqueue(std::nullopt);
        saveList(m_services, kinds[i], nullptr);
    }
    QStringList names;
    for (const auto &request : std::as_const(m_dialogs.saveRequests))
        names << request.suggestedName;
    QCOMPARE(names, suggested);
    QCOMPARE(m_dialogs.messages.size(), messages);
    for (const Message &message : std::as_const(m_dialogs.messages))
        QCOMPARE(message, Messages::listNotSaved());
    QVERIFY(!QDir(m_dir.filePath("no such folder")).exists());
}

void ListOutputTest::fileNumberStopsAtItsLargest()
{
    setRun(1);
    m_memory.listFileNumber = 32766;
    for (int i = 0; i < 3; ++i)
        m_dialogs.saveAnswers.enqueue(m_dir.filePath(QStringLiteral("list%1.txt").arg(i)));
    for (int i = 0; i < 3; ++i)
        saveList(m_services, ListKind::OneCounter, nullptr);
    QCOMPARE(m_dialogs.saveRequests[1].suggestedName, QStringLiteral("count32767.txt"));
    QCOMPARE(m_dialogs.saveRequests[2].suggestedName, QStringLiteral("count32767.txt"));
    QCOMPARE(m_memory.listFileNumber, std::int16_t(32767));
    QCOMPARE(contents(m_dir.filePath("list2.txt")), QByteArray("\t3\r\n"));
}

void ListOutputTest::failedSaveLeavesTheOldFileWhole_data()
{
    QTest::addColumn<int>("counts");
    QTest::addColumn<bool>("fullDisk");  // else a limit on the file size
    // Up to 16 kB stay in the write buffer until the file is closed.
    QTest::newRow("1 kB list on a full disk") << 150 << true;
    QTest::newRow("80 kB list on a full disk") << 10000 << true;
    QTest::newRow("80 kB list over the file size limit") << 10000 << false;
}

void ListOutputTest::failedSaveLeavesTheOldFileWhole()
{
    QFETCH(int, counts);
    QFETCH(bool, fullDisk);
    setRun(counts);
    std::optional<FullDisk> disk;
    QString folder = m_dir.path();
    if (fullDisk) {
        disk.emplace();
        if (!disk->unavailable().isEmpty())
            QSKIP(qPrintable(disk->unavailable()));
        folder = disk->folder();
    }
    const QString path = folder + "/count1.txt";
    const QByteArray old("\t1\r\n\t2\r\n");
    writeFile(path, old);
    m_dialogs.saveAnswers.enqueue(path);
    if (disk) {
        QVERIFY(disk->fill());
        saveList(m_services, ListKind::OneCounter, nullptr);
    } else {
        FileSizeLimit limit(4096);
        saveList(m_services, ListKind::OneCounter, nullptr);
    }
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"count1.txt"});
    QCOMPARE(m_dialogs.messages, QList<Message>{Messages::listNotSaved()});
    QCOMPARE(m_memory.listFileNumber, std::int16_t(1));
    QVERIFY(m_dialogs.savedFiles.isEmpty());
}

void ListOutputTest::printsBlankLinesThenOneLinePerCount_data()
{
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("columns");  // right-aligned; 0 for the left tab stops
    QTest::newRow("one counter") << ListKind::OneCounter << false << QStringList{"\t3", "\t5", "\t7"} << 0;
    QTest::newRow("two counters") << ListKind::TwoCounters << false << QStringList{"\t3\t0", "\t5\t-1", "\t7\t-2"} << 0;
    QTest::newRow("one counter with steps")
        << ListKind::OneCounter << true << QStringList{"\tn\tNumber\tStep\tStep change", "\t1\t3\t\t", "\t2\t5\t2\t", "\t3\t7\t2\t0"}
        << 4;
    QTest::newRow("two counters with steps")
        << ListKind::TwoCounters << true
        << QStringList{"\tn\tNumber\tStep\tStep change\tNumber\tStep\tStep change", "\t1\t3\t\t\t0\t\t",
                       "\t2\t5\t2\t\t-1\t-1\t", "\t3\t7\t2\t0\t-2\t-1\t0"}
        << 7;
}

void ListOutputTest::printsBlankLinesThenOneLinePerCount()
{
    QFETCH(ListKind, kind);
    QFETCH(bool, steps);
    QFETCH(QStringList, lines);
    QFETCH(int, columns);
    setRun(3);
    m_memory.listShowsSteps = steps;
    printList(m_services, kind, nullptr);
    QCOMPARE(m_printer.printed.size(), 1);
    QCOMPARE(m_printer.printed[0], QStringList(5, QString()) + lines);
    QCOMPARE(m_printer.columns, QList<int>{columns});
    QVERIFY(m_dialogs.messages.isEmpty());
}

void ListOutputTest::printFailureIsReportedOnce_data()
{
    QTest::addColumn<FakePrinter::Step>("step");
    QTest::addColumn<int>("line");
    QTest::newRow("no printer") << FakePrinter::Step::Begin << 0;
    QTest::newRow("a blank line") << FakePrinter::Step::Line << 3;
    QTest::newRow("a list line") << FakePrinter::Step::Line << 8;
    QTest::newRow("the end of the document") << FakePrinter::Step::End << 0;
}

void ListOutputTest::printFailureIsReportedOnce()
{
    QFETCH(FakePrinter::Step, step);
    QFETCH(int, line);
    setRun(500);
    m_printer.failAt(step, line);
    printList(m_services, ListKind::TwoCounters, nullptr);
    QCOMPARE(m_dialogs.messages, QList<Message>{Messages::listNotPrinted()});
    QVERIFY(m_printer.printed.isEmpty());
    QCOMPARE(m_printer.abandoned, 1);
    if (step == FakePrinter::Step::Line)
        QCOMPARE(m_printer.linesTried, line);
    else if (step == FakePrinter::Step::Begin)
        QCOMPARE(m_printer.linesTried, 0);
}

QTEST_GUILESS_MAIN(ListOutputTest)
#include "tst_listoutput.moc"
