#pragma once

// The strip of large picture buttons shown at a pause. A choice button leaves
// its code in pauseChoice, remembers where the dialog stands and takes the
// dialog away, which ends its modal show; the hide/show buttons only ask the
// main window to hide or show a counter, and the dialog stays. On a
// full-screen board the strip grows with the board and names every button
// under its picture; Escape there asks to leave full screen, and the dialog
// stays open.

#include "engine/CountingSession.h"
#include "platform/ScreenPlacement.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>

#include <optional>

class PauseDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr double clientHeight = 585;  // twips

    enum class Command { Continue, Stop, Predict, List, Graph, MaskCounter, MaskTopCounter, MaskBottomCounter, MaskBoth };

    struct ButtonPlace {
        Command command;
        const char *name;
        double left;        // twips
        const char *tooltip;
        const char *icon;
    };

    static constexpr int boardButtonSide = 72;  // pixels on a board of 1080 lines

    // What the dialog's button for the command gives; null when it has none.
    QAction *action(Command command) const;

    // Sized for a full-screen board this many times larger than 1080 lines,
    // or, with nothing, back to its window size.
    void fitBoard(std::optional<double> scale);
    bool isOnBoard() const { return m_onBoard; }

signals:
    void leaveFullScreenRequested();
    void maskCounter1();
    void maskCounter2();
    void choiceMade();

public slots:
    void reject() override;

protected:
    // buttons in tab order; the first is the default button.
    PauseDialog(const char *name, double clientWidth, CountingSession &session, WindowPlacement &placement,
                const QList<ButtonPlace> &buttons, QWidget *parent);
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(PauseChoice choice);

    struct Button {
        ButtonPlace place;
        QPushButton *button;
        QAction *action;
    };

    CountingSession &m_session;
    WindowPlacement &m_placement;  // shared by both pause dialogs
    QList<Button> m_buttons;       // left to right
    QSize m_windowSize;
    bool m_onBoard = false;
};

class OneCounterPauseDialog : public PauseDialog {
    Q_OBJECT
public:
    OneCounterPauseDialog(CountingSession &session, WindowPlacement &placement, QWidget *parent);
};

class TwoCounterPauseDialog : public PauseDialog {
    Q_OBJECT
public:
    TwoCounterPauseDialog(CountingSession &session, WindowPlacement &placement, QWidget *parent);
signals:
    void maskBoth();
};
