#pragma once

// The main window's toolbar panel: square picture buttons in fixed slots,
// laid out in a row when docked at the top and in a column when docked at a
// side. Each button gives its command's action; the main window reaches both
// by the command.

#include "windows/WindowMemory.h"

#include <QAction>
#include <QPushButton>
#include <QWidget>

enum class ToolbarCommand {
    Start, Pause, Faster, Slower,
    MaskTopCounter, MaskBottomCounter, MaskCounter, MaskBoth,
    Settings, FontBigger, FontSmaller, FontColour, BackColour,
    MoveToolbar, Help, Exit, FullScreen, ClassAnswers, CountBoard,
};

class Toolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr double thickness = 655;    // twips across the docking edge
    static constexpr double buttonSize = 600;   // twips

    explicit Toolbar(QWidget *parent);

    QPushButton *button(ToolbarCommand command) const { return m_buttons.at(int(command)); }
    // What the button gives: whether it is enabled, shown and checked is set here.
    QAction *action(ToolbarCommand command) const { return m_actions.at(int(command)); }
    // Docks the panel at its edge of the given interior (pixels) and places
    // every button, shown or not, at its slot for that side.
    void dock(ToolbarPosition position, QSize interior);
    // The edge the panel was last docked to.
    ToolbarPosition dockedEdge() const { return m_edge; }
    // The full-screen button offers to enter full screen, or to leave it.
    void showFullScreenState(bool fullScreen);

private:
    void placeButtons(ToolbarPosition position);

    QList<QPushButton *> m_buttons;  // in ToolbarCommand order
    QList<QAction *> m_actions;      // in ToolbarCommand order
    QList<int> m_slots;
    ToolbarPosition m_edge = ToolbarPosition::Top;
};
