#pragma once

// Sizes that suit a finger on a class display, in logical pixels and points;
// they scale with the screen, so they stay crisp and large on a 4K board.

class QWidget;

namespace Touch {
inline constexpr int targetHeight = 56;  // about 15 mm at 96 logical pixels per inch
inline constexpr int rowHeight = 44;     // a row or caption that a finger picks from others
inline constexpr int buttonWidth = 150;
inline constexpr int swatchSize = 72;
inline constexpr int scrollBarWidth = 24;
inline constexpr double fontPointSize = 16;

// A larger font for the whole dialog (at least points) and finger-sized push
// buttons, also in the boxes it opens itself.
void enlargeForTouch(QWidget *dialog, double points = fontPointSize);
} // namespace Touch
