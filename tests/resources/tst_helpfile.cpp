#include "help/ChmFile.h"
#include "help/HelpContents.h"
#include "lessons/BuiltInLessons.h"
#include "lessons/LessonFile.h"
#include "output/graphs/GraphWindow.h"
#include "output/lists/ListWindow.h"
#include "platform/QtPagePrinter.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakePrinter.h"
#include "tests/support/ScriptedDialogs.h"
#include "windows/main/MainWindow.h"
#include "windows/pause/PauseDialog.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

QString page(const ChmFile &file, const QString &path)
{
    return QString::fromUtf8(file.read(path).value_or(QByteArray()));
}

void collectPages(const QList<HelpTopic> &topics, QStringList &pages)
{
    for (const HelpTopic &topic : topics) {
        if (!topic.page.isEmpty())
            pages << QUrl(QStringLiteral("chm:///")).resolved(QUrl(topic.page)).path();
        collectPages(topic.children, pages);
    }
}

QStringList tooltips(const QWidget &window)
{
    QStringList names;
    for (const QPushButton *button : window.findChildren<QPushButton *>())
        names << button->toolTip();
    return names;
}

} // namespace

// The help file built with the program: every page, link and picture is in
// it, and it describes every button and every message the teacher can meet.
class HelpFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensAtTheWelcomePage();
    void everyLinkAndPictureIsInTheFile();
    void everyButtonIsShownWithItsPicture_data();
    void everyButtonIsShownWithItsPicture();
    void everyMessageIsExplained();
    void everyKeyIsListed_data();
    void everyKeyIsListed();
    void everyBuiltInLessonIsListed();
    void theLessonFileShownIsOneTallyvaneReads();

private:
    std::unique_ptr<ChmFile> m_file;
};

void HelpFileTest::initTestCase()
{
    m_file = ChmFile::open(QStringLiteral(HELP_FILE));
    QVERIFY2(m_file, HELP_FILE);
}

void HelpFileTest::opensAtTheWelcomePage()
{
    QCOMPARE(m_file->title(), QStringLiteral("Tallyvane Help"));
    QCOMPARE(m_file->defaultTopic(), QStringLiteral("/index.html"));
    QVERIFY(page(*m_file, m_file->defaultTopic()).contains(QLatin1String("<h1>Welcome to Tallyvane</h1>")));
}

void HelpFileTest::everyLinkAndPictureIsInTheFile()
{
    const std::optional<QByteArray> sitemap = m_file->read(m_file->contentsFile());
    QVERIFY(sitemap);
    QStringList pending{m_file->defaultTopic()};
    collectPages(readHelpContents(*sitemap), pending);
    QVERIFY(pending.size() > 10);

    static const QRegularExpression reference(QStringLiteral(R"re(\b(href|src)="([^"#]+)[^"]*")re"));
    QSet<QString> visited;
    while (!pending.isEmpty()) {
        const QString path = pending.takeFirst();
        if (visited.contains(path))
            continue;
        visited.insert(path);
        const QString html = page(*m_file, path);
        QVERIFY2(!html.isEmpty(), qPrintable(path));
        QVERIFY2(html.contains(QLatin1String("<title>")), qPrintable(path));
        for (auto it = reference.globalMatch(html); it.hasNext();) {
            const QString target =
                QUrl(QStringLiteral("chm://") + path).resolved(QUrl(it.next().captured(2))).path();
            const std::optional<QByteArray> data = m_file->read(target);
            QVERIFY2(data, qPrintable(path + " refers to the missing " + target));
            if (target.endsWith(QLatin1String(".html")))
                pending << target;
            else if (target.endsWith(QLatin1String(".png")))
                QVERIFY2(!QImage::fromData(*data).isNull(), qPrintable(target));
        }
    }
}

void HelpFileTest::everyButtonIsShownWithItsPicture_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("buttons");

    CountingSession session;

    WindowMemory memory;
    ScriptedDialogs dialogs;
    MainWindow main(session, memory, dialogs);
    OneCounterPauseDialog paused(session, memory.pauseDialogPlacement, nullptr);
    TwoCounterPauseDialog paused2(session, memory.pauseDialogPlacement, nullptr);
    FakePrinter printer;
    ListServices services{session, memory, dialogs, printer};
    QtPagePrinter pagePrinter;
    QTest::newRow("main window toolbar") << "/mainwindow.html" << tooltips(main);
    QTest::newRow("pause dialog, one counter") << "/pause.html" << tooltips(paused);
    QTest::newRow("pause dialog, two counters") << "/pause.html" << tooltips(paused2);
    QTest::newRow("list window") << "/lists.html" << tooltips(TwoCounterListWindow(services));
    QTest::newRow("graph window") << "/graphs.html" << tooltips(GraphWindow(session, memory, dialogs, pagePrinter));
}

void HelpFileTest::everyButtonIsShownWithItsPicture()
{
    QFETCH(QString, page);
    QFETCH(QStringList, buttons);
    QVERIFY(buttons.size() >= 5);
    const QString html = ::page(*m_file, page);
    for (const QString &button : buttons) {
        const QRegularExpression row(QStringLiteral(R"re(<tr><td[^>]*><img src="pictures/\w+\.png"[^>]*></td>)re"
                                                    R"re(<td><span class="button">%1</span></td>)re")
                                         .arg(QRegularExpression::escape(button)));
        QVERIFY2(row.match(html).hasMatch(), qPrintable(button));
    }
}

void HelpFileTest::everyMessageIsExplained()
{
    const QString html = page(*m_file, QStringLiteral("/messages.html"));
    const QList<Message> messages = {
        Messages::maximumCount(),     Messages::numbersTooLarge(), Messages::wellDone(),
        Messages::tryAgain(),         Messages::confirmClose(),    Messages::confirmExit(),
        Messages::tooManyToList(),    Messages::listNotPrinted(),  Messages::listNotSaved(),
        Messages::notEnoughToGraph(), Messages::tooManyToGraph(),  Messages::tooManyForBars(),
        Messages::graphNotPrinted(),  Messages::graphNotSaved(),   Messages::numberTooLarge(),
        Messages::boardNotPrinted(),  Messages::boardNotSaved(),
        Messages::lessonsDamaged(),   Messages::lessonsNotSaved(), Messages::confirmDeleteLesson(),
        Messages::lessonsNotImported(), Messages::lessonsPartlyImported(), Messages::lessonsRenamedOnImport(),
        Messages::lessonsAlreadyThere(),
    };
    for (const Message &message : messages)
        QVERIFY2(html.contains(QStringLiteral("<td>“%1”</td>").arg(message.text)), qPrintable(message.text));
}

void HelpFileTest::everyKeyIsListed_data()
{
    QTest::addColumn<QString>("key");
    for (const char *key : {"Enter", "Page Down", "Right", ".", "B", "F11", "F5", "Escape", "Tab", "Space"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void HelpFileTest::everyKeyIsListed()
{
    QFETCH(QString, key);
    QStringList pages;
    collectPages(readHelpContents(m_file->read(m_file->contentsFile()).value_or(QByteArray())), pages);
    QVERIFY(pages.contains(QStringLiteral("/keys.html")));
    const QString html = page(*m_file, QStringLiteral("/keys.html"));
    QVERIFY(html.contains(QLatin1String("<h1>Keys and presenter remotes</h1>")));
    QVERIFY(html.contains(QStringLiteral("<span class=\"key\">%1</span>").arg(key)));
}


void HelpFileTest::everyBuiltInLessonIsListed()
{
    const QString html = page(*m_file, QStringLiteral("/lessons.html"));
    for (const LessonPlan &lesson : builtInLessons())
        QVERIFY2(html.contains(QStringLiteral("<tr><td>%1</td>").arg(lesson.name)), qPrintable(lesson.name));
}

void HelpFileTest::theLessonFileShownIsOneTallyvaneReads()
{
    const QString html = page(*m_file, QStringLiteral("/sharing.html"));
    static const QRegularExpression example(QStringLiteral("<pre>(.*)</pre>"), QRegularExpression::DotMatchesEverythingOption);
    const LessonFile::Contents read = LessonFile::read(example.match(html).captured(1).toUtf8());
    QVERIFY(read.whole);
    QCOMPARE(read.lessons.size(), 1);
    QVERIFY(read.lessons.front().countsLike({"Quarters", {}, {0, 0.25, 0}, 1.5f, false, {0, 0, 0}}));
}

QTEST_MAIN(HelpFileTest)
#include "tst_helpfile.moc"
