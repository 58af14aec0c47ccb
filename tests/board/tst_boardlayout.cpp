#include "output/board/BoardLayout.h"
#include "output/board/BoardMarks.h"

#include <QTest>

// The board's rows as a pure function of the count, the row length and the
// size, and the marks that follow the counts when the rows flow again.
class BoardLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void rowEnds_data();
    void rowEnds();
    void rows_data();
    void rows();
    void numbersFit_data();
    void numbersFit();
    void taps_data();
    void taps();
    void newestRowInView_data();
    void newestRowInView();
    void marksFollowTheCounts();
    void secondTapsTakeMarksAway();
};

using Values = QList<double>;

void BoardLayoutTest::rowEnds_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rowLength");
    QTest::addColumn<int>("column");
    QTest::addColumn<Values>("expected");
    QTest::newRow("15s in rows of 6 end in 90, 180, 270") << 15.0 << 15.0 << 18 << 6 << 5 << Values{90, 180, 270};
    QTest::newRow("tenths in rows of 10 put the wholes in a column") << 0.1 << 0.1 << 30 << 10 << 9 << Values{1, 2, 3};
    QTest::newRow("a row not yet full has no end") << 15.0 << 15.0 << 17 << 6 << 5 << Values{90, 180};
    QTest::newRow("from 0 in 15s the rows start 0, 90, 180") << 0.0 << 15.0 << 13 << 6 << 0 << Values{0, 90, 180};
}

// The values of the count that stand in the column, row after row.
void BoardLayoutTest::rowEnds()
{
    QFETCH(double, first);
    QFETCH(double, step);
    QFETCH(int, count);
    QFETCH(int, rowLength);
    QFETCH(int, column);
    QFETCH(Values, expected);
    const BoardLayout layout = layoutBoard(count, rowLength, QSizeF(1920, 800), 2.0);
    Values inColumn;
    for (int k = 0; k < count; ++k)
        if (layout.column(k) == column)
            inColumn << std::round((first + k * step) * 1e9) / 1e9;
    QCOMPARE(inColumn, expected);
}

void BoardLayoutTest::rows_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rowLength");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("inLastRow");
    QTest::newRow("12 in rows of 5: the last holds 2") << 12 << 5 << 3 << 2;
    QTest::newRow("rows just full") << 10 << 5 << 2 << 5;
    QTest::newRow("nothing counted") << 0 << 10 << 0 << 0;
    QTest::newRow("only the first number") << 1 << 10 << 1 << 1;
    QTest::newRow("rows of 1 are rows of 2") << 5 << 1 << 3 << 1;
    QTest::newRow("rows of 25 are rows of 20") << 45 << 25 << 3 << 5;
    QTest::newRow("the longest run") << 32768 << 10 << 3277 << 8;
}

void BoardLayoutTest::rows()
{
    QFETCH(int, count);
    QFETCH(int, rowLength);
    QFETCH(int, rows);
    QFETCH(int, inLastRow);
    const BoardLayout layout = layoutBoard(count, rowLength, QSizeF(1920, 800), 2.0);
    QCOMPARE(layout.rows, rows);
    QCOMPARE(layout.countsInRow(rows - 1), inLastRow);
    QCOMPARE(layout.countsInRow(rows), 0);
}

void BoardLayoutTest::numbersFit_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<int>("rowLength");
    QTest::addColumn<double>("widest");
    QTest::newRow("rows of 10 in full screen") << QSizeF(1920, 720) << 10 << 1.7;
    QTest::newRow("rows of 2, short numbers") << QSizeF(1920, 720) << 2 << 0.6;
    QTest::newRow("rows of 20, long numbers") << QSizeF(900, 400) << 20 << 8.5;
    QTest::newRow("a low board") << QSizeF(1200, 150) << 6 << 1.2;
}

// The widest number fits its cell across, three rows fit down, and every
// cell is a finger's target.
void BoardLayoutTest::numbersFit()
{
    QFETCH(QSizeF, size);
    QFETCH(int, rowLength);
    QFETCH(double, widest);
    const BoardLayout layout = layoutBoard(100, rowLength, size, widest);
    QVERIFY(layout.fontPixels >= 1);
    QVERIFY(widest * layout.fontPixels <= layout.cell.width());
    QVERIFY(layout.cell.width() >= BoardLayout::smallestCell && layout.cell.height() >= BoardLayout::smallestCell);
    QVERIFY(rowLength * layout.cell.width() <= std::max(size.width(), rowLength * BoardLayout::smallestCell));
    QVERIFY(layout.fontPixels * 1.5 * BoardLayout::rowsAlwaysShown <= size.height() - BoardLayout::headHeight
            || layout.cell.height() == BoardLayout::smallestCell);
    // A number twice as wide is never drawn larger, and fits too.
    const BoardLayout wider = layoutBoard(100, rowLength, size, widest * 2);
    QVERIFY(wider.fontPixels <= layout.fontPixels);
    QVERIFY(widest * 2 * wider.fontPixels <= wider.cell.width());
}

void BoardLayoutTest::newestRowInView_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("fromRows");  // rows scrolled up before the newest count
    QTest::addColumn<bool>("hurry");
    QTest::addColumn<QString>("outcome");  // "stays", "at the bottom" or "room below"
    QTest::newRow("a board not yet full stays") << 30 << 0.0 << true << "stays";
    QTest::newRow("at a class's pace the newest row comes to the bottom") << 101 << 0.0 << false << "at the bottom";
    QTest::newRow("in a hurry it leaves room for the rows to come") << 101 << 0.0 << true << "room below";
    QTest::newRow("once room is left, the rows stay") << 101 << 10.0 << true << "stays";
    QTest::newRow("the longest run in a hurry") << 32768 << 3000.0 << true << "room below";
}

// The newest count is always in view; the rows move only when it is not.
void BoardLayoutTest::newestRowInView()
{
    QFETCH(int, count);
    QFETCH(double, fromRows);
    QFETCH(bool, hurry);
    QFETCH(QString, outcome);
    const BoardLayout layout = layoutBoard(count, 10, QSizeF(1920, 800), 2.0);
    const double from = fromRows * layout.cell.height();
    const double scroll = layout.scrollToNewest(from, hurry);
    const QRectF newest = layout.cellRect(count - 1, scroll);
    QVERIFY(newest.top() >= BoardLayout::headHeight && newest.bottom() <= layout.size.height());
    const double below = layout.size.height() - newest.bottom();
    if (outcome == "stays")
        QCOMPARE(scroll, from);
    else
        QCOMPARE(below >= layout.cell.height(), outcome == "room below");
}

void BoardLayoutTest::taps_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("scroll");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("countTapped");
    QTest::addColumn<int>("headTapped");
    // A 1000 x 444 board in rows of 10: cells 100 x 100 below 44 of heads.
    QTest::newRow("first number") << 12 << 0.0 << QPointF(50, 94) << 0 << -1;
    QTest::newRow("row 2, column 2") << 12 << 0.0 << QPointF(150, 194) << 11 << -1;
    QTest::newRow("past the last count") << 12 << 0.0 << QPointF(250, 194) << -1 << -1;
    QTest::newRow("a head") << 12 << 0.0 << QPointF(950, 20) << -1 << 9;
    QTest::newRow("scrolled up a row") << 60 << 100.0 << QPointF(50, 94) << 10 << -1;
    QTest::newRow("right of the rows") << 60 << 0.0 << QPointF(1000, 94) << -1 << -1;
}

void BoardLayoutTest::taps()
{
    QFETCH(int, count);
    QFETCH(double, scroll);
    QFETCH(QPointF, at);
    QFETCH(int, countTapped);
    QFETCH(int, headTapped);
    const BoardLayout layout = layoutBoard(count, 10, QSizeF(1000, 444), 1.115);
    QCOMPARE(layout.cell, QSizeF(100, 100));
    QCOMPARE(layout.countAt(at, scroll), countTapped);
    QCOMPARE(layout.headAt(at), headTapped);
    if (countTapped >= 0)
        QVERIFY(layout.cellRect(countTapped, scroll).contains(at));
}

// Re-flowing 12 counts from rows of 5 to rows of 4: the circles stay on 7
// and 10, and column 2 leaves its shade on the counts it held, 2 and 7;
// counts still to come in the old column are not shaded.
void BoardLayoutTest::marksFollowTheCounts()
{
    BoardMarks marks(5);
    marks.toggleCircle(7);
    marks.toggleCircle(10);
    marks.toggleColumn(2, 12);
    QVERIFY(marks.isShaded(12));
    marks.reflow(4, 12);
    QList<int> circled, shaded;
    for (int k = 0; k < 16; ++k) {
        if (marks.isCircled(k))
            circled << k;
        if (marks.isShaded(k))
            shaded << k;
    }
    QCOMPARE(circled, (QList<int>{7, 10}));
    QCOMPARE(shaded, (QList<int>{2, 7}));
    QVERIFY(!marks.isColumnShaded(2));
}

void BoardLayoutTest::secondTapsTakeMarksAway()
{
    BoardMarks marks(6);
    marks.toggleCircle(5);
    marks.toggleColumn(1, 20);
    marks.reflow(4, 20);
    marks.toggleColumn(1, 20);
    QVERIFY(marks.isShaded(1) && marks.isShaded(5) && marks.isShaded(13));
    marks.toggleColumn(1, 20);
    marks.toggleCircle(5);
    QVERIFY(!marks.isShaded(1) && !marks.isShaded(5) && !marks.isCircled(5));
    QVERIFY(marks.isShaded(7));  // shaded by the old column, in another column now
    marks.clear();
    QVERIFY(marks.isEmpty());
}

QTEST_GUILESS_MAIN(BoardLayoutTest)
#include "tst_boardlayout.moc"
