#include "NumberList.h"

#include "Dialogs.h"
#include "ListText.h"
#include "ListWindow.h"
#include "Twips.h"

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
    CountingSession &s = services.session;
    if (!s.listPlaced) {
        const QRect main = services.mainWindow ? services.mainWindow->frameGeometry() : QRect();
        s.listWidth = float(pixelsToTwips(main.width()) - FirstListPlace::narrower);
        s.listHeight = float(pixelsToTwips(main.height()) - FirstListPlace::lower);
        s.listTop = float(pixelsToTwips(main.y()) + FirstListPlace::down);
        s.listLeft = float(pixelsToTwips(main.x()) + FirstListPlace::right);
        s.listFontSize = FirstListPlace::fontSize;
    }
    s.listPlaced = true;
}

template <typename Window>
void showList(ListServices &services, QString (*buildText)(const CountingSession &))
{
    placeFirstList(services);
    // The count can go no further than this, and its list is refused with it.
    if (services.session.countIndex >= maximumCountIndex) {
        services.dialogs.showMessage(Messages::tooManyToList(), services.mainWindow);
        return;
    }
    try {
        const QString text = buildText(services.session);
        Window window(services);
        window.setListText(text);
        window.exec();
    } catch (const std::bad_alloc &) {
        services.dialogs.showMessage(Messages::tooManyToList(), services.mainWindow);
    }
}

} // namespace

void showListOneCounter(ListServices &services)
{
    showList<frmList>(services, listTextOneCounter);
}

void showListTwoCounters(ListServices &services)
{
    showList<frmList2>(services, listTextTwoCounters);
}
