#pragma once

// The main window: the two huge counters and the toolbar. Its Start, Pause,
// Faster and Slower buttons drive the run loop; the other buttons change how
// the counters look, move the toolbar, open settings and help, or end the
// program.

#include "CounterLabel.h"
#include "CountingSession.h"
#include "Toolbar.h"

#include <QWidget>

#include <functional>

class Clock;
class EventPump;
class Dialogs;
class RunLoop;

class frmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr double interiorWidth = 11310;   // twips
    static constexpr double interiorHeight = 7935;   // twips
    static constexpr double counterGap = 800;        // twips above each counter stack
    static constexpr double fontStep = 12;           // points
    static constexpr double heightStep = 240;        // twips
    static constexpr double largestGrowable = 360;   // points
    static constexpr double smallestShrinkable = 50; // points

    frmMain(CountingSession &session, Dialogs &dialogs, QWidget *parent = nullptr);

    void setRunLoop(RunLoop *runLoop) { m_runLoop = runLoop; }
    // Ends the program at once, with no further close question.
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    // Title screen, defaults, then the main window.
    void Form_Load(Clock &clock, EventPump &pump);

    Toolbar *toolbar() const { return m_toolbar; }
    CounterLabel *lblCounter1;
    CounterLabel *lblCounter2;

    void toggleCounterMask(CounterLabel *label);
    // The run set: Start and every button that could begin another activity.
    void setRunSetEnabled(bool enabled);
    void setDefaultButton(QPushButton *button);
    QPushButton *defaultButton() const { return m_defaultButton; }
    void setTwoCounterMode(bool twoCounters);
    void setCounterCaptions(const QString &counter1, const QString &counter2);
    QColor backgroundColour() const;
    void focusStart();

    void toolbartop();
    void toolbarright();
    void toolbarleft();

signals:
    void settingsRequested();
    void helpRequested();

public slots:
    void cmdStart_Click();
    void cmdStop_Click();
    void cmdFaster_Click();
    void cmdSlower_Click();
    void cmdMaskC1_Click();
    void cmdMaskCounter1_Click();
    void cmdMaskCounter2_Click();
    void cmdMaskBoth_Click();
    void cmdFontInc_Click();
    void cmdFontDec_Click();
    void cmdFontCol_Click();
    void cmdBackCol_Click();
    void cmdToolbar_Click();
    void cmdExit_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void layoutCounterDefaults();
    void stepCounterFont(double points, double twips);
    void placeToolbar(ToolbarPosition position);

    CountingSession &m_session;
    Dialogs &m_dialogs;
    RunLoop *m_runLoop = nullptr;
    Toolbar *m_toolbar;
    QPushButton *m_defaultButton = nullptr;
    std::function<void()> m_endProgram;
};
