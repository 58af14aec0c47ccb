#pragma once

// Window-manager hints beyond Qt's window flags.

class QWidget;

// Asks the window manager to offer no minimise, maximise or close for a
// small modal strip of the main window: only moving it. Call before each
// show; does nothing away from X11.
void offerOnlyMoving(QWidget &window);
