#pragma once

// What the windows remember of themselves while the program runs: where the
// pause dialog, the list, the graph and the count board were last left, the
// list's font size and steps, how many numbers stand in a row of the board,
// the numbers of the next saved files, and on which side the toolbar and the
// settings keypad stand. A plain value, copied whole.

#include "platform/ScreenPlacement.h"

#include <cstdint>
#include <optional>

enum class ToolbarPosition : std::int16_t { Top = 1, Right = 2, Left = 3 };

struct WindowMemory {
    WindowPlacement pauseDialogPlacement;  // shared by both pause dialogs
    WindowPlacement listPlacement;         // shared by both list windows
    std::optional<float> listFontSize;
    bool listShowsSteps = false;  // as the teacher last left a list window
    WindowPlacement graphPlacement;
    WindowPlacement boardPlacement;
    std::optional<int> boardRowLength;  // as the teacher last left the board

    ToolbarPosition toolbarPosition = ToolbarPosition::Top;
    bool keypadOnRight = true;
    std::int16_t listFileNumber = 1;
    std::int16_t graphFileNumber = 1;
    std::int16_t boardFileNumber = 1;

    friend bool operator==(const WindowMemory &, const WindowMemory &) = default;

    // The start of the program as the title screen leaves it: every window
    // works out its first place again, the toolbar is on top, the keypad on
    // the right and the file numbers start at 1. The list's font and steps
    // and the board's rows stay as they were.
    void applyDefaults()
    {
        for (WindowPlacement *placement : {&pauseDialogPlacement, &graphPlacement, &listPlacement, &boardPlacement})
            placement->placed = false;
        toolbarPosition = ToolbarPosition::Top;
        keypadOnRight = true;
        listFileNumber = 1;
        graphFileNumber = 1;
        boardFileNumber = 1;
    }
};
