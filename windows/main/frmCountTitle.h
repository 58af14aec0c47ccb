#pragma once

// The purple title screen shown for a little over four seconds at start-up.
// It takes no input: nothing on it can be operated.

#include <QWidget>

class Clock;

class frmCountTitle : public QWidget {
    Q_OBJECT
public:
    static constexpr double interiorWidth = 6885;   // twips
    static constexpr double interiorHeight = 4500;  // twips
    static constexpr double shownSeconds = 4.05;

    frmCountTitle();

    // Shows the window centred and drawn on screen before returning.
    void showDrawn();
    // Blocks, handling no events, until the title has been shown long enough.
    void waitShown(Clock &clock);
};
