#include "platform/BlockedPresses.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QStyleHints>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The fields of an XInput 2 device event that lie in its first 32 bytes,
// where they stand whatever the library does with the rest.
struct InputDeviceEvent {
    std::uint8_t responseType;
    std::uint8_t extension;
    std::uint16_t sequence;
    std::uint32_t length;
    std::uint16_t eventType;
    std::uint16_t device;
    std::uint32_t time;
    std::uint32_t detail;
    std::uint32_t root;
    std::uint32_t window;
};
constexpr std::uint16_t inputButtonPress = 4;
constexpr std::uint16_t inputTouchBegin = 18;

int inputOpcode()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return -1;
    static const char name[] = "XInputExtension";
    const xcb_query_extension_cookie_t cookie = xcb_query_extension(x11->connection(), sizeof name - 1, name);
    xcb_query_extension_reply_t *reply = xcb_query_extension_reply(x11->connection(), cookie, nullptr);
    const int opcode = reply && reply->present ? reply->major_opcode : -1;
    std::free(reply);
    return opcode;
}

} // namespace

BlockedPresses::BlockedPresses(QObject *parent) : QObject(parent), m_inputOpcode(inputOpcode())
{
    QAbstractEventDispatcher::instance()->installNativeEventFilter(this);
}

BlockedPresses::~BlockedPresses()
{
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->removeNativeEventFilter(this);
}

bool BlockedPresses::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_BUTTON_PRESS) {
        const auto *button = static_cast<const xcb_button_press_event_t *>(message);
        if (button->detail == XCB_BUTTON_INDEX_1)
            press(button->event, button->time);
    } else if (type == XCB_GE_GENERIC && m_inputOpcode >= 0) {
        InputDeviceEvent device;
        std::memcpy(&device, message, sizeof device);
        if (device.extension == m_inputOpcode
            && ((device.eventType == inputButtonPress && device.detail == XCB_BUTTON_INDEX_1)
                || device.eventType == inputTouchBegin))
            press(device.window, device.time);
    }
    return false;  // Qt goes on with it as ever
}

void BlockedPresses::press(unsigned window, unsigned time)
{
    QWidget *widget = QWidget::find(WId(window));
    QWidget *modal = QApplication::activeModalWidget();
    if (!widget || !modal || widget->window() == modal->window())
        return;
    // The second tap of a double tap reaches the window as a double-click
    // once the first has closed the modal one: neither acts twice. Quick taps
    // in different places (numbers circled one after another) each act.
    const QStyleHints &hints = *QGuiApplication::styleHints();
    const QPoint at = QCursor::pos();
    const bool secondTap = m_pressedBefore && time - m_lastPressAt <= unsigned(hints.mouseDoubleClickInterval())
                           && (at - m_lastPressPos).manhattanLength() <= hints.mouseDoubleClickDistance();
    m_pressedBefore = true;
    m_lastPressAt = time;
    m_lastPressPos = at;
    if (!secondTap)
        emit pressed(widget->window(), widget->window()->mapFromGlobal(at));
}
