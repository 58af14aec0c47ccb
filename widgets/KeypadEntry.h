#pragma once

#include <QString>

// What one keypad key does to the text of the current box. The keypad never
// types through the box's caret or selection: it rewrites the whole text.
// startNewEntry is true once the box has received the focus, and again after
// DEL has emptied it; the next digit, point or DEL then begins the entry
// afresh, and only then may it begin with a minus sign.
struct KeypadEntry {
    QString text;
    bool startNewEntry = true;

    void digit(QChar digit);
    // Only one point per entry.
    void point();
    // Not a toggle: a minus sign can only begin a new entry.
    void negative();
    // The first DEL of an entry empties the box; later ones remove the last character.
    void del();

private:
    void beginIfNew();
};
