#include "engine/CountModel.h"

#include <QSignalSpy>
#include <QTest>

// What every view of the count is told: each count once, and a counter's
// hiding only when it changes.
class CountModelTest : public QObject {
    Q_OBJECT
private slots:
    void countsAreAppended();
    void hidingIsToldOnlyWhenItChanges();
};

void CountModelTest::countsAreAppended()
{
    CountModel model;
    QSignalSpy appended(&model, &CountModel::countsAppended);
    model.append(0, QStringLiteral("3"), std::nullopt);
    model.append(1, QStringLiteral("?"), QStringLiteral("10"));
    QCOMPARE(appended.size(), 2);
    QCOMPARE(appended.last().first().toInt(), 1);
    QCOMPARE(model.countIndex(), 1);
    QCOMPARE(model.shown(1), QStringLiteral("?"));
    QCOMPARE(model.shown(2), QStringLiteral("10"));
    QVERIFY(model.twoCounters());
    model.append(0, QStringLiteral("3"), std::nullopt);
    QVERIFY(!model.twoCounters());
    QCOMPARE(model.shown(2), QString());
}

void CountModelTest::hidingIsToldOnlyWhenItChanges()
{
    CountModel model;
    QSignalSpy changed(&model, &CountModel::counterHiddenChanged);
    model.setHidden(2, true);
    model.setHidden(2, true);
    model.setHidden(1, false);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first(), QVariantList({2, true}));
    QVERIFY(model.isHidden(2) && !model.isHidden(1));
}

QTEST_GUILESS_MAIN(CountModelTest)
#include "tst_countmodel.moc"
