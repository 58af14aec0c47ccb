#pragma once

// The main window: the two huge counters and the toolbar. It asks and the
// lesson decides: Start, Pause, Faster, Slower, Settings, Help and a
// confirmed Exit leave it as requests. The other buttons change how the
// counters look, move the toolbar or fill the screen, here. In full screen
// the counters share the whole area beside the toolbar and their digits are
// as large as it allows; leaving it brings the window back as it was.

#include "engine/CountingSession.h"
#include "lessons/LessonPlan.h"
#include "windows/WindowMemory.h"
#include "windows/main/CounterLabel.h"
#include "windows/main/Toolbar.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class Clock;
class EventPump;
class Dialogs;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr double interiorWidth = 11310;   // twips
    static constexpr double interiorHeight = 7935;   // twips
    static constexpr double counterGap = 800;        // twips above each counter stack
    static constexpr double fontStep = 12;           // points
    static constexpr double heightStep = 240;        // twips
    static constexpr double largestGrowable = 360;   // points
    static constexpr double smallestShrinkable = 50; // points
    // In full screen the digits fill at most this share of their counter's height.
    static constexpr double fullScreenDigitShare = 0.8;

    MainWindow(CountingSession &session, WindowMemory &memory, Dialogs &dialogs, QWidget *parent = nullptr);

    // Title screen, defaults, then the main window.
    void start(Clock &clock, EventPump &pump);

    // Sets the counters' texts (counter 2 only when given) and repaints at once.
    void showCounters(const QString &counter1, const QString *counter2);
    // Disables the run set while a run lasts, with Pause as the default
    // button; afterwards enables it again and gives the focus to Start.
    void setRunning(bool running);
    bool isRunning() const { return m_running; }
    // Tells counterLookChanged of both counters as they are now.
    void tellCounterLooks();
    // The toolbar's commands: a run enables and disables them here.
    QAction *action(ToolbarCommand command) const { return m_toolbar->action(command); }
    // The toolbar's toggles of what the program adds around the count.
    QAction &classAnswersToggle() const { return *action(ToolbarCommand::ClassAnswers); }
    QAction &countBoardToggle() const { return *action(ToolbarCommand::CountBoard); }
    void setTwoCounterMode(bool twoCounters);
    void setCounterCaptions(const QString &counter1, const QString &counter2);
    QColor backgroundColour() const;
    QPushButton *defaultButton() const { return m_defaultButton; }
    void focusStart();
    void setFullScreen(bool fullScreen);
    // The counters' font size (as in a window), colours and full screen, as a
    // lesson keeps them; applying one shows hidden counters again.
    LessonLook look() const;
    void applyLook(const LessonLook &look);
    // Keeps the card in the bottom corner of the counters' area, in a window
    // and in full screen; the digits stay clear of it.
    void setCornerCard(QWidget *card);
    // Keeps the widget over the whole of the counters' area while it is shown,
    // above the corner card: the join screen.
    void setBoardCover(QWidget *cover);
    // In full screen the dialog stands centred at the foot of the board while
    // it is shown, and the digits make room above it; in a window, nothing.
    void standAtFoot(QWidget &dialog);
    // In full screen the board stands below the counters, which keep at
    // least a third of the height; null takes it away.
    void setFullScreenBoard(QWidget *board);
    // A press that a modal dialog kept from the window, at pos in it. In full
    // screen a tap on the counters under the dialog at the board's foot is
    // reported, to act as the remote's next button does.
    void pressWhileBlocked(QPoint pos);
    // Whether an input event, as the window receives it, acts while a wait
    // holds input back: Pause and the presenter's Page Down and Right always,
    // Exit and a tap on the counters in full screen in a long wait too.
    bool actsDuringHeldWait(const QEvent &event, bool longWait) const;
    // Pause down and disabled: the press was taken, the dialog is on its way.
    void setPauseTaken(bool taken);

signals:
    void startRequested();
    void pauseRequested();
    void fasterRequested();
    void slowerRequested();
    void settingsRequested();
    void helpRequested();
    // The teacher has confirmed leaving the program.
    void quitRequested();
    // Entered or left, by the program or by the window manager.
    void fullScreenChanged(bool fullScreen);
    // Counter 1 or 2 took new colours, or was hidden or shown by them.
    void counterLookChanged(int counter, const QColor &text, const QColor &background, bool hidden);
    void countersTappedUnderDialog();

public slots:
    void toggleCounter1();
    void toggleCounter2();
    void toggleBothCounters();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enlargeFont();
    void shrinkFont();
    void chooseDigitColour();
    void chooseBackgroundColour();
    void moveToolbar();
    void confirmExit();
    void toggleFullScreen();

    QPushButton *button(ToolbarCommand command) const { return m_toolbar->button(command); }
    void setDefaultButton(QPushButton *button);
    void layoutCounterDefaults();
    void stepCounterFont(double points, double twips);
    void toggleCounterMask(CounterLabel *label);
    void tellCounterLook(int counter);
    void bindKeys();
    QAction *maskEveryCounterAction() const;
    void followWindowState();
    void layoutCounters();
    QRect uncoveredArea() const;
    QRect placeCornerCard(const QRect &area);
    void placeFootDialog();
    void releaseFootDialog();
    void fitFontToScreen();

    // What leaving full screen brings back.
    struct WindowedLook {
        QRect geometry;
        ToolbarPosition toolbar;
        double fontPoints;
    };
    WindowedLook windowedLook(const QRect &geometry) const;

    CountingSession &m_session;
    WindowMemory &m_memory;
    Dialogs &m_dialogs;
    CounterLabel *m_counter1;
    CounterLabel *m_counter2;
    Toolbar *m_toolbar;
    QPushButton *m_defaultButton = nullptr;
    bool m_running = false;
    bool m_pauseTaken = false;
    std::optional<WindowedLook> m_windowed;  // while in full screen
    double m_fullScreenLargest = 0;           // points
    QPointer<QWidget> m_cornerCard;
    QPointer<QWidget> m_boardCover;
    QPointer<QWidget> m_footDialog;
    int m_footReserve = 0;  // pixels the digits leave free at the board's foot
    QPointer<QWidget> m_fullScreenBoard;
};
