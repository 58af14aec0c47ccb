#include "widgets/KeypadEntry.h"

void KeypadEntry::beginIfNew()
{
    if (startNewEntry) {
        text.clear();
        startNewEntry = false;
    }
}

void KeypadEntry::digit(QChar digit)
{
    beginIfNew();
    text += digit;
}

void KeypadEntry::point()
{
    beginIfNew();
    if (!text.contains(QChar('.')))
        text += QChar('.');
}

void KeypadEntry::negative()
{
    if (!startNewEntry)
        return;
    text = QStringLiteral("-");
    startNewEntry = false;
}

void KeypadEntry::del()
{
    beginIfNew();
    if (text.isEmpty()) {
        startNewEntry = true;
        return;
    }
    text.chop(1);
    if (text.isEmpty())
        startNewEntry = true;
}
