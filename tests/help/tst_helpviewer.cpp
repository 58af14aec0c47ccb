#include "help/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString fixture = QStringLiteral(HELP_FIXTURE);

QString pageText(const HelpViewer &viewer)
{
    return viewer.browser()->toPlainText();
}

QToolButton *navigation(const HelpViewer &viewer, const char *name)
{
    for (auto *button : viewer.findChildren<QToolButton *>())
        if (button->text() == QLatin1String(name))
            return button;
    return nullptr;
}

// "Parent/Child" names of every topic in the contents tree, in order.
QList<std::pair<QString, QTreeWidgetItem *>> topics(const QTreeWidget *tree)
{
    QList<std::pair<QString, QTreeWidgetItem *>> all;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(tree)); *it; ++it) {
        QString path = (*it)->text(0);
        for (QTreeWidgetItem *up = (*it)->parent(); up; up = up->parent())
            path.prepend(up->text(0) + '/');
        all.append({path, *it});
    }
    return all;
}

QStringList treeNames(const QTreeWidget *tree)
{
    QStringList names;
    for (const auto &[path, item] : topics(tree))
        names << path;
    return names;
}

QTreeWidgetItem *treeItem(const QTreeWidget *tree, const QString &wanted)
{
    for (const auto &[path, item] : topics(tree))
        if (path == wanted)
            return item;
    return nullptr;
}

} // namespace

// The help window with a help file built for the tests, and without one.
class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void opensDefaultTopicWithTitle();
    void contentsTopicShowsItsPage_data();
    void contentsTopicShowsItsPage();
    void linkPictureAndBack();
    void missingPageSaysSo();
    void unusableFileIsReportedInTheWindow_data();
    void unusableFileIsReportedInTheWindow();
    void bareNameIsLookedUpInOrder_data();
    void bareNameIsLookedUpInOrder();
    void fingerSizedContentsAndClose();
};

void HelpViewerTest::opensDefaultTopicWithTitle()
{
    HelpViewer viewer;
    viewer.openFile(fixture);
    viewer.show();

    QCOMPARE(viewer.windowTitle(), QStringLiteral("Fixture Help"));
    QCOMPARE(viewer.browser()->source(), QUrl(QStringLiteral("chm:///start.html")));
    QVERIFY(pageText(viewer).contains(QLatin1String("Start page marker")));
    QVERIFY(viewer.contents()->isVisible());
    QCOMPARE(treeNames(viewer.contents()),
             (QStringList{"Introduction", "Introduction/Deeper", "Start here"}));
    QCOMPARE(viewer.contents()->currentItem(), treeItem(viewer.contents(), "Start here"));
    QVERIFY(!navigation(viewer, "Back")->isEnabled());
}

void HelpViewerTest::contentsTopicShowsItsPage_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("marker");

    QTest::newRow("top level") << "Introduction" << "Introduction page marker";
    QTest::newRow("nested, with an anchor") << "Introduction/Deeper" << "Other page marker";
    QTest::newRow("default topic") << "Start here" << "Start page marker";
}

void HelpViewerTest::contentsTopicShowsItsPage()
{
    QFETCH(QString, topic);
    QFETCH(QString, marker);
    HelpViewer viewer;
    viewer.openFile(fixture);
    viewer.show();
    viewer.browser()->setSource(QUrl(QStringLiteral("chm:///intro.html")));

    QTreeWidgetItem *item = treeItem(viewer.contents(), topic);
    QVERIFY(item);
    QTest::mouseClick(viewer.contents()->viewport(), Qt::LeftButton, {},
                      viewer.contents()->visualItemRect(item).center());

    QVERIFY(pageText(viewer).contains(marker));
    QCOMPARE(viewer.contents()->currentItem(), item);
}

void HelpViewerTest::linkPictureAndBack()
{
    HelpViewer viewer;
    viewer.openFile(fixture);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));

    // The picture on the start page comes out of the help file.
    QTextImageFormat picture;
    for (QTextBlock block = viewer.browser()->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().isImageFormat())
                picture = fragment.fragment().charFormat().toImageFormat();
    QCOMPARE(picture.name(), QStringLiteral("dot.xpm"));
    const QVariant data = viewer.browser()->loadResource(QTextDocument::ImageResource,
                                                         viewer.browser()->source().resolved(QUrl(picture.name())));
    const QImage image = QImage::fromData(data.toByteArray());
    QCOMPARE(image.size(), QSize(3, 2));
    QCOMPARE(image.pixelColor(0, 0), QColor(255, 0, 0));

    // The link, followed from the keyboard as from a touch.
    viewer.browser()->setFocus();
    QTest::keyClick(viewer.browser(), Qt::Key_Tab);
    QTest::keyClick(viewer.browser(), Qt::Key_Return);
    QCOMPARE(viewer.browser()->source(), QUrl(QStringLiteral("chm:///other.html")));
    QVERIFY(pageText(viewer).contains(QLatin1String("Other page marker")));
    QCOMPARE(viewer.contents()->currentItem(), treeItem(viewer.contents(), "Introduction/Deeper"));

    QToolButton *back = navigation(viewer, "Back");
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(viewer.browser()->source(), QUrl(QStringLiteral("chm:///start.html")));
    QVERIFY(pageText(viewer).contains(QLatin1String("Start page marker")));
    QVERIFY(navigation(viewer, "Forward")->isEnabled());
    QCOMPARE(viewer.contents()->currentItem(), treeItem(viewer.contents(), "Start here"));

    navigation(viewer, "Forward")->click();
    QCOMPARE(viewer.browser()->source(), QUrl(QStringLiteral("chm:///other.html")));
    navigation(viewer, "Start Page")->click();
    QCOMPARE(viewer.browser()->source(), QUrl(QStringLiteral("chm:///start.html")));
}

void HelpViewerTest::missingPageSaysSo()
{
    HelpViewer viewer;
    viewer.openFile(fixture);
    viewer.browser()->setSource(QUrl(QStringLiteral("chm:///no-such-page.html")));
    QVERIFY(pageText(viewer).contains(QLatin1String("This page is missing from the help file.")));
}

void HelpViewerTest::unusableFileIsReportedInTheWindow_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QTest::addColumn<QString>("says");

    QTest::newRow("missing") << QByteArray() << "was not found";
    QTest::newRow("not a help file") << QByteArray("plain text, not a help file\n") << "could not be read";
    QTest::newRow("empty file") << QByteArray("") << "could not be read";
    QFile whole(fixture);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QTest::newRow("cut short") << whole.read(2000) << "could not be read";
}

void HelpViewerTest::unusableFileIsReportedInTheWindow()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Unusable.chm"));
    if (QTest::currentDataTag() != QLatin1String("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    HelpViewer viewer;
    viewer.openFile(fixture);
    viewer.openFile(path);
    viewer.show();

    const QString text = pageText(viewer);
    QCOMPARE(text.count(QLatin1String("Help is not available")), 1);
    QVERIFY2(text.contains(says), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("Unusable.chm")));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Tallyvane Help - Help is not available"));
    QVERIFY(!viewer.contents()->isVisible());
    QCOMPARE(viewer.contents()->topLevelItemCount(), 0);
    QVERIFY(!navigation(viewer, "Back")->isEnabled());

    // A good file afterwards opens as usual.
    viewer.openFile(fixture);
    QVERIFY(pageText(viewer).contains(QLatin1String("Start page marker")));
    QVERIFY(viewer.contents()->isVisible());
}

void HelpViewerTest::bareNameIsLookedUpInOrder_data()
{
    QTest::addColumn<bool>("inCurrentFolder");
    QTest::addColumn<bool>("besideProgram");

    QTest::newRow("current folder first") << true << true;
    QTest::newRow("current folder only") << true << false;
    QTest::newRow("beside the program") << false << true;
    QTest::newRow("nowhere") << false << false;
}

void HelpViewerTest::bareNameIsLookedUpInOrder()
{
    QFETCH(bool, inCurrentFolder);
    QFETCH(bool, besideProgram);
    const QString name = QStringLiteral("LookupTest-%1.chm").arg(QCoreApplication::applicationPid());
    QTemporaryDir current;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(current.path()));
    const QString inCurrent = QDir(current.path()).filePath(name);
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(beside);
    const auto restore = qScopeGuard([&] {
        QFile::remove(beside);
        QDir::setCurrent(previous);
    });
    if (inCurrentFolder)
        QVERIFY(QFile::copy(fixture, inCurrent));
    if (besideProgram)
        QVERIFY(QFile::copy(fixture, beside));

    const QString found = HelpViewer::locate(name);
    HelpViewer viewer;
    viewer.openFile(name);

    if (inCurrentFolder)
        QCOMPARE(QFileInfo(found), QFileInfo(inCurrent));
    else if (besideProgram)
        QCOMPARE(QFileInfo(found), QFileInfo(beside));
    else
        QVERIFY(found.isEmpty());
    QCOMPARE(pageText(viewer).contains(QLatin1String("Start page marker")), inCurrentFolder || besideProgram);
}

void HelpViewerTest::fingerSizedContentsAndClose()
{
    HelpViewer viewer;
    viewer.openFile(fixture);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QList<std::pair<QString, QTreeWidgetItem *>> all = topics(viewer.contents());
    QVERIFY(all.size() >= 3);
    for (const auto &[path, item] : all)
        QVERIFY2(viewer.contents()->visualItemRect(item).height() >= 40, qPrintable(path));
    auto *close = viewer.findChild<QPushButton *>(QStringLiteral("cmdClose"));
    QVERIFY(close);
    QVERIFY(close->height() >= 56 && close->width() >= 150);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!viewer.isVisible());
}

QTEST_MAIN(HelpViewerTest)
#include "tst_helpviewer.moc"
