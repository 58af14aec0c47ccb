#include "help/HelpContents.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<HelpTopic>)

namespace {

QByteArray topic(const char *name, const char *page)
{
    return QByteArray("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"") + name +
           "\"><param name=\"Local\" value=\"" + page + "\"></OBJECT>\n";
}

} // namespace

// Reading the contents sitemap of a help file into a tree of topics.
class HelpContentsTest : public QObject {
    Q_OBJECT

private slots:
    void readsTree_data();
    void readsTree();
};

void HelpContentsTest::readsTree_data()
{
    QTest::addColumn<QByteArray>("sitemap");
    QTest::addColumn<QList<HelpTopic>>("expected");

    QTest::newRow("empty") << QByteArray() << QList<HelpTopic>{};
    QTest::newRow("flat list") << "<UL>" + topic("One", "one.html") + topic("Two", "two.html") + "</UL>"
                               << QList<HelpTopic>{{"One", "one.html", {}}, {"Two", "two.html", {}}};
    QTest::newRow("nested levels")
        << "<UL>" + topic("A", "a.html") + "<UL>" + topic("A1", "a1.html") + "<UL>" + topic("A1x", "x.html") +
               "</UL>" + topic("A2", "a2.html") + "</UL>" + topic("B", "b.html") + "</UL>"
        << QList<HelpTopic>{{"A", "a.html", {{"A1", "a1.html", {{"A1x", "x.html", {}}}}, {"A2", "a2.html", {}}}},
                            {"B", "b.html", {}}};
    QTest::newRow("lower case tags, single quotes, unquoted values")
        << QByteArray("<ul><li><object type='text/sitemap'><param name='Name' value='Quoted'>"
                      "<param name=Local value=q.html></object></ul>")
        << QList<HelpTopic>{{"Quoted", "q.html", {}}};
    QTest::newRow("entities in names")
        << "<UL>" + topic("Print &amp; save", "p.html") + topic("Caf&#233; &lt;&#x41;&gt;", "c.html") + "</UL>"
        << QList<HelpTopic>{{"Print & save", "p.html", {}}, {QStringLiteral("Café <A>"), "c.html", {}}};
    QTest::newRow("site properties are not a topic")
        << "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"Ignored\"></OBJECT><UL>" +
               topic("Only", "only.html") + "</UL>"
        << QList<HelpTopic>{{"Only", "only.html", {}}};
    QTest::newRow("heading without a page")
        << QByteArray("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Heading\"></OBJECT>") +
               "<UL>" + topic("Inside", "in.html") + "</UL></UL>"
        << QList<HelpTopic>{{"Heading", "", {{"Inside", "in.html", {}}}}};
    QTest::newRow("nested list before any topic")
        << "<UL><UL>" + topic("Deep", "d.html") + "</UL>" + topic("After", "a.html") + "</UL>"
        << QList<HelpTopic>{{"Deep", "d.html", {}}, {"After", "a.html", {}}};
    QTest::newRow("more closing than opening lists")
        << "</UL></UL><UL>" + topic("A", "a.html") + "</UL></UL>" + topic("B", "b.html")
        << QList<HelpTopic>{{"A", "a.html", {}}, {"B", "b.html", {}}};
    QTest::newRow("object never closed")
        << QByteArray("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Lost\">")
        << QList<HelpTopic>{};
}

void HelpContentsTest::readsTree()
{
    QFETCH(QByteArray, sitemap);
    QFETCH(QList<HelpTopic>, expected);
    QCOMPARE(readHelpContents(sitemap), expected);
}

QTEST_MAIN(HelpContentsTest)
#include "tst_helpcontents.moc"
