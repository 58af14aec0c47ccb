#include "platform/Twips.h"
#include "tests/support/MainWindowRig.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(ToolbarPosition)

namespace {

// Every button's fixed slot along the toolbar; each slot is 600 twips.
const QList<std::pair<const char *, int>> slotTable = {
    {"cmdStart", 0},         {"cmdStop", 1},         {"cmdFaster", 2},      {"cmdSlower", 3},
    {"cmdMaskCounter1", 4},  {"cmdMaskCounter2", 5}, {"cmdMaskC1", 5},      {"cmdMaskBoth", 6},
    {"cmdSettings", 7},      {"cmdFontInc", 8},      {"cmdFontDec", 9},     {"cmdFontCol", 10},
    {"cmdBackCol", 11},      {"cmdToolbar", 12},     {"cmdHelp", 13},       {"cmdExit", 14},
    {"cmdFullScreen", 15},   {"countBoardButton", 16},   {"classAnswersButton", 17},
};

const int thickness = twipsToPixels(655);

} // namespace

// Move Toolbar docks the panel at the top, right and left in turn; the
// buttons keep their slots and nothing else in the window moves.
class ToolbarTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pressesCycleTopRightLeft_data();
    void pressesCycleTopRightLeft();
    void placementSurvivesResizing_data();
    void placementSurvivesResizing();
    void placementProceduresApplyWhenCalledDirectly_data();
    void placementProceduresApplyWhenCalledDirectly();

private:
    void checkPlacement(ToolbarPosition position);

    std::unique_ptr<MainWindowRig> m_rig;
    MainWindow *m_main = nullptr;
    Toolbar *m_toolbar = nullptr;
};

void ToolbarTest::init()
{
    m_rig = std::make_unique<MainWindowRig>();
    m_main = &m_rig->main;
    m_toolbar = m_rig->toolbar;
}

void ToolbarTest::cleanup()
{
    m_rig.reset();
}

void ToolbarTest::checkPlacement(ToolbarPosition position)
{
    const QSize interior = m_main->size();
    const QRect panel = m_toolbar->geometry();
    switch (position) {
    case ToolbarPosition::Top:
        QCOMPARE(panel, QRect(0, 0, interior.width(), thickness));
        break;
    case ToolbarPosition::Right:
        QCOMPARE(panel, QRect(interior.width() - thickness, 0, thickness, interior.height()));
        break;
    case ToolbarPosition::Left:
        QCOMPARE(panel, QRect(0, 0, thickness, interior.height()));
        break;
    }
    for (const auto &[name, slot] : slotTable) {
        const auto *button = m_toolbar->findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        const double offset = slot * 600.0;
        const QPoint expected = position == ToolbarPosition::Top ? twipsPoint(offset, 0) : twipsPoint(0, offset);
        QVERIFY2(button->pos() == expected, name);
        QVERIFY2(button->size() == twipsSize(600, 600), name);
    }
    // The counters never move with the toolbar; a side panel covers them.
    for (const CounterLabel *label : {named<CounterLabel>(*m_main, "lblCounter1"), named<CounterLabel>(*m_main, "lblCounter2")}) {
        QCOMPARE(label->x(), twipsToPixels(120));
        QCOMPARE(label->width(), interior.width());
    }
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter1")->topTwips(), 800.0);
    QCOMPARE(named<CounterLabel>(*m_main, "lblCounter2")->topTwips(), 3080.0);
    QVERIFY(m_main->children().indexOf(m_toolbar) > m_main->children().indexOf(named<CounterLabel>(*m_main, "lblCounter2")));
}

void ToolbarTest::pressesCycleTopRightLeft_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<ToolbarPosition>("position");

    QTest::newRow("start-up: top") << 0 << ToolbarPosition::Top;
    QTest::newRow("first press: right") << 1 << ToolbarPosition::Right;
    QTest::newRow("second press: left") << 2 << ToolbarPosition::Left;
    QTest::newRow("third press: back to the top") << 3 << ToolbarPosition::Top;
    QTest::newRow("fourth press: right again") << 4 << ToolbarPosition::Right;
    QTest::newRow("seventh press: right") << 7 << ToolbarPosition::Right;
    QTest::newRow("ninth press: top") << 9 << ToolbarPosition::Top;
}

void ToolbarTest::pressesCycleTopRightLeft()
{
    QFETCH(int, presses);
    QFETCH(ToolbarPosition, position);

    for (int i = 0; i < presses; ++i) {
        named<QPushButton>(*m_toolbar, "cmdHelp")->setFocus();
        named<QPushButton>(*m_toolbar, "cmdToolbar")->click();
        QCOMPARE(m_main->focusWidget(), named<QPushButton>(*m_toolbar, "cmdStart"));
    }

    QCOMPARE(m_rig->memory.toolbarPosition, position);
    checkPlacement(position);
    // One-counter mode: slots 4 and 6 stay empty gaps.
    QVERIFY(!named<QPushButton>(*m_toolbar, "cmdMaskCounter1")->isVisible());
    QVERIFY(!named<QPushButton>(*m_toolbar, "cmdMaskBoth")->isVisible());
}

void ToolbarTest::placementSurvivesResizing_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<QSize>("size");

    const QList<std::pair<const char *, QSize>> sizes = {
        {"taller than all slots", QSize(1200, 900)},
        {"small", QSize(420, 300)},
        {"wide and low", QSize(1500, 400)},
    };
    const char *sides[] = {"top", "right", "left"};
    for (int presses = 0; presses < 3; ++presses)
        for (const auto &[name, size] : sizes)
            QTest::addRow("%s, %s", sides[presses], name) << presses << size;
}

void ToolbarTest::placementSurvivesResizing()
{
    QFETCH(int, presses);
    QFETCH(QSize, size);
    for (int i = 0; i < presses; ++i)
        named<QPushButton>(*m_toolbar, "cmdToolbar")->click();

    m_main->resize(size);
    QTRY_COMPARE(m_main->size(), size);

    checkPlacement(m_rig->memory.toolbarPosition);
}

void ToolbarTest::placementProceduresApplyWhenCalledDirectly_data()
{
    QTest::addColumn<ToolbarPosition>("position");
    QTest::newRow("right") << ToolbarPosition::Right;
    QTest::newRow("left") << ToolbarPosition::Left;
    QTest::newRow("top after right") << ToolbarPosition::Top;
}

// Docking applies a whole placement, which a later resize keeps.
void ToolbarTest::placementProceduresApplyWhenCalledDirectly()
{
    QFETCH(ToolbarPosition, position);
    m_toolbar->dock(ToolbarPosition::Right, m_main->size());
    m_toolbar->dock(position, m_main->size());
    const QSize size(m_main->width() + 100, m_main->height() + 200);
    m_main->resize(size);
    QTRY_COMPARE(m_main->size(), size);

    checkPlacement(position);
}

QTEST_MAIN(ToolbarTest)
#include "tst_toolbar.moc"
