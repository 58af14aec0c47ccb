#include "CountingSession.h"

void applyDefaults(CountingSession &session)
{
    session.counter1 = {0, 1, 0};
    session.counter2 = {0, 0, 0};
    session.currentStep1 = 1;
    session.currentStep2 = 0;
    session.speed = 1.0f;
    session.counterCount = 1;
    session.pauseDialogPlaced = false;
    session.graphPlaced = false;
    session.listPlaced = false;
    session.toolbarPosition = ToolbarPosition::Top;
    session.keypadOnRight = true;
}
