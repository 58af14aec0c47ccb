#pragma once

// The count board with its strip: − and + change how many numbers stand in
// a row, Clear Marks takes every circle and shade away, and the board is
// copied, saved as a PNG image or printed as it is shown. One board per
// counter in use, one above the other. The panel stands in the board's own
// window, or below the counters in full screen.

#include "output/board/CountBoard.h"
#include "platform/BlockedPresses.h"
#include "windows/WindowMemory.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

class Dialogs;
class PagePrinter;

class CountBoardPanel : public QWidget {
    Q_OBJECT
public:
    CountBoardPanel(WindowMemory &memory, Dialogs &dialogs, PagePrinter &printer, QWidget *parent = nullptr);

    CountBoard *board(int index) const { return index == 0 ? m_board1 : m_board2; }
    void setTwoBoards(bool two);
    bool hasTwoBoards() const { return !m_board2->isHidden(); }

    void setRowLength(int rowLength);
    int rowLength() const { return m_board1->rowLength(); }
    void clearMarks();

    // The boards as they are shown.
    QImage picture() const;
    void copyBoard();
    void saveBoard();
    void printBoard();

    // What a modal window, such as the pause dialog, kept from the panel, at
    // pos on it: a board takes a finger's press, moves and lift and the wheel
    // as ever, and a button acts on the press.
    void pointerWhileBlocked(BlockedPresses::Pointer what, QPoint pos);

    QPushButton *fewerButton;
    QPushButton *moreButton;
    QLabel *rowLengthLabel;
    QPushButton *clearMarksButton;
    QPushButton *copyButton;
    QPushButton *saveButton;
    QPushButton *printButton;

private:
    void showRowLength();

    WindowMemory &m_memory;
    Dialogs &m_dialogs;
    PagePrinter &m_printer;
    QWidget *m_boards;
    CountBoard *m_board1;
    CountBoard *m_board2;
    QPointer<CountBoard> m_held;  // the board a blocked press went to
};
