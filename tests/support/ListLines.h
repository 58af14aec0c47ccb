#pragma once

#include "output/lists/ListText.h"

// The list text as the window shows it: its lines one after another, CR LF
// after every line.
inline QString listText(const CountingSession &session, ListKind kind)
{
    const ListTable lines = listLines(session, kind);
    QString text;
    for (int k = 0; k < lines.cellCount(); ++k)
        text += lines.cell(k).toString() + QStringLiteral("\r\n");
    return text;
}
