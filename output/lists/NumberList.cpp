#include "output/lists/NumberList.h"

#include "output/lists/ListWindow.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"

#include <new>

namespace {

struct FirstListPlace {
    static constexpr double narrower = 800;  // twips
    static constexpr double lower = 400;     // twips
    static constexpr double down = 200;      // twips
    static constexpr double right = 400;     // twips
    static constexpr float fontSize = 20;    // points
};

void placeFirstList(ListServices &services)
{
    WindowMemory &memory = services.memory;
    WindowPlacement &placement = memory.listPlacement;
    if (!placement.placed) {
        // Its frame is the main window's frame made smaller, so its inside is
        // the main window's inside made smaller.
        const QWidget *main = services.mainWindow;
        const QSize inside = main ? main->size() : QSize();
        const QPoint frameTopLeft = main ? main->pos() : QPoint();
        placement.size = QSizeF(pixelsToTwips(inside.width()) - FirstListPlace::narrower,
                                pixelsToTwips(inside.height()) - FirstListPlace::lower);
        placement.topLeft = QPointF(pixelsToTwips(frameTopLeft.x()) + FirstListPlace::right,
                                    pixelsToTwips(frameTopLeft.y()) + FirstListPlace::down);
        memory.listFontSize = FirstListPlace::fontSize;
    }
    placement.placed = true;
}

template <typename Window>
void showList(ListServices &services)
{
    placeFirstList(services);
    // The count can go no further than this, and its list is refused with it.
    if (services.session.countIndex >= maximumCountIndex) {
        services.dialogs.showMessage(Messages::tooManyToList(), services.mainWindow);
        return;
    }
    try {
        Window window(services);
        window.exec();
    } catch (const std::bad_alloc &) {
        services.dialogs.showMessage(Messages::tooManyToList(), services.mainWindow);
    }
}

} // namespace

void showListOneCounter(ListServices &services)
{
    showList<OneCounterListWindow>(services);
}

void showListTwoCounters(ListServices &services)
{
    showList<TwoCounterListWindow>(services);
}
