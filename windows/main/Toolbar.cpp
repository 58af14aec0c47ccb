#include "windows/main/Toolbar.h"

#include "platform/TabOrder.h"
#include "platform/Twips.h"
#include "widgets/ActionButton.h"
#include "widgets/IconButton.h"
#include "widgets/Icons.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>

#include <algorithm>

namespace {

struct ButtonEntry {
    ToolbarCommand command;
    const char *name;
    const char *tooltip;
    const char *icon;
    int slot;
    bool tabStop;
};

// In ToolbarCommand order. Two hide/show buttons share slot 5: only one of
// them is shown, by the number of counters in use.
constexpr ButtonEntry buttonTable[] = {
    {ToolbarCommand::Start, "cmdStart", QT_TRANSLATE_NOOP("IconButton", "Start"), "start", 0, true},
    {ToolbarCommand::Pause, "cmdStop", QT_TRANSLATE_NOOP("IconButton", "Pause"), "pause", 1, true},
    {ToolbarCommand::Faster, "cmdFaster", QT_TRANSLATE_NOOP("IconButton", "Count Faster"), "faster", 2, true},
    {ToolbarCommand::Slower, "cmdSlower", QT_TRANSLATE_NOOP("IconButton", "Count Slower"), "slower", 3, true},
    {ToolbarCommand::MaskTopCounter, "cmdMaskCounter1", QT_TRANSLATE_NOOP("IconButton", "Hide/Show Top Counter"), "mask_top", 4, false},
    {ToolbarCommand::MaskBottomCounter, "cmdMaskCounter2", QT_TRANSLATE_NOOP("IconButton", "Hide/Show Bottom Counter"), "mask_bottom", 5, false},
    {ToolbarCommand::MaskCounter, "cmdMaskC1", QT_TRANSLATE_NOOP("IconButton", "Hide/Show Counter"), "mask_one", 5, false},
    {ToolbarCommand::MaskBoth, "cmdMaskBoth", QT_TRANSLATE_NOOP("IconButton", "Hide/Show Both Counters"), "mask_both", 6, false},
    {ToolbarCommand::Settings, "cmdSettings", QT_TRANSLATE_NOOP("IconButton", "Settings"), "settings", 7, true},
    {ToolbarCommand::FontBigger, "cmdFontInc", QT_TRANSLATE_NOOP("IconButton", "Increase Font Size"), "font_inc", 8, true},
    {ToolbarCommand::FontSmaller, "cmdFontDec", QT_TRANSLATE_NOOP("IconButton", "Decrease Font Size"), "font_dec", 9, true},
    {ToolbarCommand::FontColour, "cmdFontCol", QT_TRANSLATE_NOOP("IconButton", "Change Font Colour"), "font_colour", 10, true},
    {ToolbarCommand::BackColour, "cmdBackCol", QT_TRANSLATE_NOOP("IconButton", "Change Background Colour"), "back_colour", 11, true},
    {ToolbarCommand::MoveToolbar, "cmdToolbar", QT_TRANSLATE_NOOP("IconButton", "Move Toolbar"), "toolbar", 12, true},
    {ToolbarCommand::Help, "cmdHelp", QT_TRANSLATE_NOOP("IconButton", "Help"), "help", 13, true},
    {ToolbarCommand::Exit, "cmdExit", QT_TRANSLATE_NOOP("IconButton", "Exit"), "exit", 14, true},
    {ToolbarCommand::FullScreen, "cmdFullScreen", QT_TRANSLATE_NOOP("IconButton", "Full Screen"), "full_screen", 15, true},
    {ToolbarCommand::ClassAnswers, "classAnswersButton", QT_TRANSLATE_NOOP("IconButton", "Class Answers"), "class_answers", 17, true},
    {ToolbarCommand::CountBoard, "countBoardButton", QT_TRANSLATE_NOOP("IconButton", "Count Board"), "count_board", 16, true},
};

} // namespace

Toolbar::Toolbar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(true);
    // The panel keeps the button face colour whatever background the counters get.
    QPalette panel = palette();
    panel.setColor(QPalette::Window, panel.color(QPalette::Button));
    setPalette(panel);

    QList<std::pair<int, QWidget *>> tabStops;  // by slot
    for (const ButtonEntry &entry : buttonTable) {
        Q_ASSERT(int(entry.command) == m_buttons.size());
        QPushButton *b = makeIconButton(this, QString::fromLatin1(entry.name), QString::fromLatin1(entry.tooltip),
                                        QString::fromLatin1(entry.icon),
                                        QRect(QPoint(), twipsSize(buttonSize, buttonSize)));
        b->setAutoDefault(true);
        b->setFocusPolicy(entry.tabStop ? Qt::StrongFocus : Qt::NoFocus);
        if (entry.tabStop)
            tabStops.append({entry.slot, b});
        auto *action = new QAction(b->toolTip(), this);
        bindToAction(*b, *action);
        m_buttons << b;
        m_actions << action;
        m_slots << entry.slot;
    }
    // Tab goes along the slots, whatever the order of the table.
    std::stable_sort(tabStops.begin(), tabStops.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QWidget *> tabOrder;
    for (const auto &stop : std::as_const(tabStops))
        tabOrder << stop.second;
    setTabOrderOf(tabOrder);
    for (ToolbarCommand mask : {ToolbarCommand::MaskTopCounter, ToolbarCommand::MaskBottomCounter, ToolbarCommand::MaskBoth}) {
        action(mask)->setVisible(false);
        action(mask)->setEnabled(false);
    }
    placeButtons(ToolbarPosition::Top);
}

void Toolbar::showFullScreenState(bool fullScreen)
{
    QPushButton *b = button(ToolbarCommand::FullScreen);
    const QString tooltip = fullScreen ? QCoreApplication::translate("IconButton", "Leave Full Screen")
                                       : QCoreApplication::translate("IconButton", "Full Screen");
    b->setToolTip(tooltip);
    b->setAccessibleName(tooltip);
    action(ToolbarCommand::FullScreen)->setText(tooltip);
    b->setIcon(sharedIcon(fullScreen ? QStringLiteral(":/icons/leave_full_screen.svg") : QStringLiteral(":/icons/full_screen.svg")));
}

void Toolbar::placeButtons(ToolbarPosition position)
{
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        const double offset = m_slots[i] * buttonSize;
        m_buttons[i]->move(position == ToolbarPosition::Top ? twipsPoint(offset, 0) : twipsPoint(0, offset));
    }
}

void Toolbar::dock(ToolbarPosition position, QSize interior)
{
    m_edge = position;
    const int across = twipsToPixels(thickness);
    switch (position) {
    case ToolbarPosition::Top:
        setGeometry(0, 0, interior.width(), across);
        break;
    case ToolbarPosition::Right:
        setGeometry(interior.width() - across, 0, across, interior.height());
        break;
    case ToolbarPosition::Left:
        setGeometry(0, 0, across, interior.height());
        break;
    }
    placeButtons(position);
    raise();
}
