#include "platform/SaveFilters.h"

#include <QTest>

class SaveFiltersTest : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
};

void SaveFiltersTest::parses_data()
{
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("matched");
    QTest::addColumn<QStringList>("suffixes");
    QTest::newRow("list files") << "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"
                                << QStringList{"Text Files (*.txt)", "All Files (*.*)"}
                                << QStringList{"(*.txt)", "(*)"} << QStringList{"txt", ""};
    QTest::newRow("graph files") << "Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*"
                                 << QStringList{"Bitmaps (*.bmp)", "All Files (*.*)"}
                                 << QStringList{"(*.bmp)", "(*)"} << QStringList{"bmp", ""};
    QTest::newRow("pattern not in the description") << "Bitmaps|*.bmp" << QStringList{"Bitmaps (*.bmp)"}
                                                    << QStringList{"(*.bmp)"} << QStringList{"bmp"};
    QTest::newRow("other words in parentheses") << "Lists (text)|*.txt" << QStringList{"Lists (text) (*.txt)"}
                                                << QStringList{"(*.txt)"} << QStringList{"txt"};
    QTest::newRow("several patterns") << "Text (*.txt;*.text)|*.txt;*.text" << QStringList{"Text (*.txt *.text)"}
                                      << QStringList{"(*.txt *.text)"} << QStringList{"txt"};
    QTest::newRow("every file among others") << "Mixed|*.txt;*.*" << QStringList{"Mixed (*.txt *.*)"}
                                             << QStringList{"(*.txt *)"} << QStringList{"txt"};
    QTest::newRow("wildcard suffix") << "Numbered|*.t?t" << QStringList{"Numbered (*.t?t)"}
                                     << QStringList{"(*.t?t)"} << QStringList{""};
    QTest::newRow("no description") << "|*.txt" << QStringList{"*.txt (*.txt)"} << QStringList{"(*.txt)"}
                                    << QStringList{"txt"};
    QTest::newRow("no pattern") << "Anything|" << QStringList{"Anything (*)"} << QStringList{"(*)"}
                                << QStringList{""};
    QTest::newRow("description left over") << "Text Files (*.txt)|*.txt|All Files"
                                           << QStringList{"Text Files (*.txt)"} << QStringList{"(*.txt)"}
                                           << QStringList{"txt"};
    QTest::newRow("empty") << "" << QStringList{} << QStringList{} << QStringList{};
}

void SaveFiltersTest::parses()
{
    QFETCH(QString, pairs);
    QFETCH(QStringList, suffixes);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, matched);
    QStringList shown;
    QStringList matchedFound;
    QStringList suffixesFound;
    for (const SaveFilter &f : parseSaveFilters(pairs)) {
        QVERIFY2(f.nameFilter.startsWith(f.label + " ("), qPrintable(f.nameFilter));
        shown << f.label;
        matchedFound << f.nameFilter.mid(f.label.size() + 1);
        suffixesFound << f.defaultSuffix;
    }
    QCOMPARE(shown, labels);
    QCOMPARE(matchedFound, matched);
    QCOMPARE(suffixesFound, suffixes);
}

QTEST_APPLESS_MAIN(SaveFiltersTest)
#include "tst_savefilters.moc"
