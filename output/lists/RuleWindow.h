#pragma once

// "The Rule": for each counter of the list, the step rule in words and the
// formula for the nth number, in type large enough for the back of the room.
// Modal over the list window; closing it returns to the list.

#include "engine/CountingSession.h"
#include "output/lists/ListText.h"

#include <QDialog>

class RuleWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr double wordsPoints = 28;
    static constexpr double formulaPoints = 40;

    RuleWindow(const CountingSession &session, ListKind kind, QWidget *parent);
};
