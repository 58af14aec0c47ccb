#pragma once

// The main window: the two huge counters and the toolbar. It asks and the
// lesson decides: Start, Pause, Faster, Slower, Settings, Help and a
// confirmed Exit leave it as requests. The other buttons change how the
// counters look or move the toolbar, here.

#include "CounterLabel.h"
#include "CountingSession.h"
#include "Toolbar.h"

#include <QWidget>

class Clock;
class EventPump;
class Dialogs;

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

    // Title screen, defaults, then the main window.
    void Form_Load(Clock &clock, EventPump &pump);

    // Sets the counters' texts (counter 2 only when given) and repaints at once.
    void showCounters(const QString &counter1, const QString *counter2);
    // Disables the run set while a run lasts, with Pause as the default
    // button; afterwards enables it again and gives the focus to Start.
    void setRunning(bool running);
    void setTwoCounterMode(bool twoCounters);
    void setCounterCaptions(const QString &counter1, const QString &counter2);
    QColor backgroundColour() const;
    QPushButton *defaultButton() const { return m_defaultButton; }
    void focusStart();

signals:
    void startRequested();
    void pauseRequested();
    void fasterRequested();
    void slowerRequested();
    void settingsRequested();
    void helpRequested();
    // The teacher has confirmed leaving the program.
    void quitRequested();

public slots:
    void cmdMaskCounter1_Click();
    void cmdMaskCounter2_Click();
    void cmdMaskBoth_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdFontInc_Click();
    void cmdFontDec_Click();
    void cmdFontCol_Click();
    void cmdBackCol_Click();
    void cmdToolbar_Click();
    void cmdExit_Click();

    QPushButton *button(ToolbarCommand command) const { return m_toolbar->button(command); }
    void setDefaultButton(QPushButton *button);
    void layoutCounterDefaults();
    void stepCounterFont(double points, double twips);
    void toggleCounterMask(CounterLabel *label);

    CountingSession &m_session;
    Dialogs &m_dialogs;
    CounterLabel *m_counter1;
    CounterLabel *m_counter2;
    Toolbar *m_toolbar;
    QPushButton *m_defaultButton = nullptr;
};
