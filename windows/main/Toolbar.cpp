#include "Toolbar.h"

#include "IconButton.h"
#include "Twips.h"


namespace {
const char *slotProperty = "toolbarSlot";
}

Toolbar::Toolbar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(true);
    // The panel keeps the button face colour whatever background the counters get.
    QPalette panel = palette();
    panel.setColor(QPalette::Window, panel.color(QPalette::Button));
    setPalette(panel);
    cmdStart = addButton("cmdStart", "Start", "start", 0);
    cmdStop = addButton("cmdStop", "Pause", "pause", 1);
    cmdFaster = addButton("cmdFaster", "Count Faster", "faster", 2);
    cmdSlower = addButton("cmdSlower", "Count Slower", "slower", 3);
    cmdMaskCounter1 = addButton("cmdMaskCounter1", "Hide/Show Top Counter", "mask_top", 4, false);
    cmdMaskCounter2 = addButton("cmdMaskCounter2", "Hide/Show Bottom Counter", "mask_bottom", 5, false);
    cmdMaskC1 = addButton("cmdMaskC1", "Hide/Show Counter", "mask_one", 5, false);
    cmdMaskBoth = addButton("cmdMaskBoth", "Hide/Show Both Counters", "mask_both", 6, false);
    cmdSettings = addButton("cmdSettings", "Settings", "settings", 7);
    cmdFontInc = addButton("cmdFontInc", "Increase Font Size", "font_inc", 8);
    cmdFontDec = addButton("cmdFontDec", "Decrease Font Size", "font_dec", 9);
    cmdFontCol = addButton("cmdFontCol", "Change Font Colour", "font_colour", 10);
    cmdBackCol = addButton("cmdBackCol", "Change Background Colour", "back_colour", 11);
    cmdToolbar = addButton("cmdToolbar", "Move Toolbar", "toolbar", 12);
    cmdHelp = addButton("cmdHelp", "Help", "help", 13);
    cmdExit = addButton("cmdExit", "Exit", "exit", 14);

    const QList<QWidget *> tabOrder = {cmdStart, cmdStop, cmdFaster, cmdSlower, cmdSettings, cmdFontInc,
                                       cmdFontDec, cmdFontCol, cmdBackCol, cmdToolbar, cmdHelp, cmdExit};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    for (QPushButton *mask : {cmdMaskCounter1, cmdMaskCounter2, cmdMaskBoth}) {
        mask->setVisible(false);
        mask->setEnabled(false);
    }
    placeButtons(ToolbarPosition::Top);
}

QPushButton *Toolbar::addButton(const char *name, const QString &tooltip, const char *icon, int slot, bool tabStop)
{
    QPushButton *button = makeIconButton(this, QString::fromLatin1(name), tooltip, QString::fromLatin1(icon),
                                         QRect(QPoint(), twipsSize(buttonSize, buttonSize)));
    button->setAutoDefault(true);
    button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
    button->setProperty(slotProperty, slot);
    m_buttons.append(button);
    return button;
}

QList<QPushButton *> Toolbar::buttonsInSlotOrder() const
{
    return m_buttons;
}

int Toolbar::slotOf(const QPushButton *button)
{
    return button->property(slotProperty).toInt();
}

void Toolbar::placeButtons(ToolbarPosition position)
{
    for (QPushButton *button : m_buttons) {
        const double offset = slotOf(button) * buttonSize;
        if (position == ToolbarPosition::Top)
            button->move(twipsPoint(offset, 0));
        else
            button->move(twipsPoint(0, offset));
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
    raise();
}
