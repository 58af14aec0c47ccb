#pragma once

// The main window's toolbar panel (Picture1): sixteen square picture buttons
// in fixed slots, laid out in a row when docked at the top and in a column
// when docked at a side.

#include "CountingSession.h"

#include <QPushButton>
#include <QWidget>

class Toolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr double thickness = 655;    // twips across the docking edge
    static constexpr double buttonSize = 600;   // twips

    explicit Toolbar(QWidget *parent);

    // Places every button, shown or not, at its slot for the docking side.
    void placeButtons(ToolbarPosition position);
    // Docks the panel at its edge of the given interior (pixels).
    void dock(ToolbarPosition position, QSize interior);
    // The edge the panel was last docked to.
    ToolbarPosition dockedEdge() const { return m_edge; }

    QList<QPushButton *> buttonsInSlotOrder() const;
    static int slotOf(const QPushButton *button);

    QPushButton *cmdStart;
    QPushButton *cmdStop;
    QPushButton *cmdFaster;
    QPushButton *cmdSlower;
    QPushButton *cmdMaskCounter1;
    QPushButton *cmdMaskCounter2;
    QPushButton *cmdMaskC1;
    QPushButton *cmdMaskBoth;
    QPushButton *cmdSettings;
    QPushButton *cmdFontInc;
    QPushButton *cmdFontDec;
    QPushButton *cmdFontCol;
    QPushButton *cmdBackCol;
    QPushButton *cmdToolbar;
    QPushButton *cmdHelp;
    QPushButton *cmdExit;

private:
    QPushButton *addButton(const char *name, const QString &tooltip, const char *icon, int slot, bool tabStop = true);
    QList<QPushButton *> m_buttons;
    ToolbarPosition m_edge = ToolbarPosition::Top;
};
