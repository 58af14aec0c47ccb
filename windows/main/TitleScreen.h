#pragma once

// The purple title screen shown for a little over four seconds at start-up.
// It takes no input: nothing on it can be operated.

#include <QWidget>

class Clock;
class EventPump;

class TitleScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr double interiorWidth = 6885;   // twips
    static constexpr double interiorHeight = 4500;  // twips
    static constexpr double shownSeconds = 4.05;

    TitleScreen();

    // Shows the window centred until it has been on screen long enough. Only
    // drawing happens meanwhile: a key or a click waits, then starts nothing.
    void showFor(Clock &clock, EventPump &pump);
};
