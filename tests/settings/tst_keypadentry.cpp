#include "widgets/KeypadEntry.h"

#include <QTest>

// What the keypad's keys make of a box's text, without any window: "0"-"9"
// and "." are their keys, "-" is the minus key and "D" is DEL.
class KeypadEntryTest : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
};

void KeypadEntryTest::keys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("newEntry");  // the box has just received the focus
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");
    QTest::newRow("a digit replaces the old value") << "42" << true << "7" << "7";
    QTest::newRow("digits follow one another") << "42" << true << "780" << "780";
    QTest::newRow("digits go on an entry in progress") << "42" << false << "7" << "427";
    QTest::newRow("one point per entry") << "" << true << "1..5." << "1.5";
    QTest::newRow("a point may begin the entry") << "9" << true << ".5" << ".5";
    QTest::newRow("minus begins an entry") << "42" << true << "-3" << "-3";
    QTest::newRow("minus only at the start") << "42" << true << "3-" << "3";
    QTest::newRow("minus is no toggle") << "" << true << "--5" << "-5";
    QTest::newRow("minus on an entry in progress") << "42" << false << "-" << "42";
    QTest::newRow("the first DEL empties the box") << "42" << true << "D" << "";
    QTest::newRow("DEL takes the last character") << "42" << true << "123D" << "12";
    QTest::newRow("DEL on an entry in progress") << "42" << false << "D" << "4";
    QTest::newRow("DEL down to empty starts afresh") << "" << true << "5DD-1" << "-1";
    QTest::newRow("DEL after a lone minus") << "" << true << "-D7" << "7";
}

void KeypadEntryTest::keys()
{
    QFETCH(QString, before);
    QFETCH(bool, newEntry);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    KeypadEntry entry{before, newEntry};
    for (const QChar key : keys) {
        if (key == QChar('.'))
            entry.point();
        else if (key == QChar('-'))
            entry.negative();
        else if (key == QChar('D'))
            entry.del();
        else
            entry.digit(key);
    }
    QCOMPARE(entry.text, after);
}

QTEST_APPLESS_MAIN(KeypadEntryTest)
#include "tst_keypadentry.moc"
