#include "platform/BlockedPresses.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QStyleHints>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// An XInput 2 device event as libxcb hands it on: the sequence number in full
// stands at byte 32, before the rest of what the server sent.
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
    std::uint32_t child;
    std::uint32_t fullSequence;
    std::int32_t rootX, rootY, windowX, windowY;  // 16.16 fixed point
};
constexpr std::size_t eventSize = 32;
constexpr std::uint16_t inputButtonPress = 4;
constexpr std::uint16_t inputButtonRelease = 5;
constexpr std::uint16_t inputMotion = 6;
constexpr std::uint16_t inputTouchBegin = 18;
constexpr std::uint16_t inputTouchUpdate = 19;
constexpr std::uint16_t inputTouchEnd = 20;
constexpr unsigned wheelUp = 4;
constexpr unsigned wheelDown = 5;

QPointF fixedPoint(std::int32_t x, std::int32_t y)
{
    return QPointF(x, y) / 65536.0;
}

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
    // Where the pointer was when the event happened: the events are read
    // later, when it may have moved on.
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_BUTTON_PRESS || type == XCB_BUTTON_RELEASE || type == XCB_MOTION_NOTIFY) {
        // A motion event's fields stand where a button event's do.
        const auto *button = static_cast<const xcb_button_press_event_t *>(message);
        const Pointer what = type == XCB_BUTTON_PRESS     ? Pointer::Press
                             : type == XCB_BUTTON_RELEASE ? Pointer::Release
                                                          : Pointer::Drag;
        take({what, what == Pointer::Drag ? unsigned(XCB_BUTTON_INDEX_1) : unsigned(button->detail), button->event,
                 button->time, QPointF(button->root_x, button->root_y), QPointF(button->event_x, button->event_y)});
    } else if (type == XCB_GE_GENERIC && m_inputOpcode >= 0) {
        // Every event has its first 32 bytes; only a device event is as long
        // as the whole struct.
        InputDeviceEvent device;
        std::memcpy(&device, message, eventSize);
        if (device.extension != m_inputOpcode || device.eventType < inputButtonPress || device.eventType > inputTouchEnd
            || eventSize + sizeof device.fullSequence + 4 * std::size_t(device.length) < sizeof device)
            return false;
        std::memcpy(&device, message, sizeof device);
        Event pointerEvent{Pointer::Press, XCB_BUTTON_INDEX_1, device.window, device.time,
                           fixedPoint(device.rootX, device.rootY), fixedPoint(device.windowX, device.windowY)};
        switch (device.eventType) {
        case inputButtonPress:
            pointerEvent.button = device.detail;
            break;
        case inputButtonRelease:
            pointerEvent.what = Pointer::Release;
            pointerEvent.button = device.detail;
            break;
        case inputMotion:
        case inputTouchUpdate:
            pointerEvent.what = Pointer::Drag;
            break;
        case inputTouchBegin:
            break;
        case inputTouchEnd:
            pointerEvent.what = Pointer::Release;
            break;
        default:
            return false;
        }
        take(pointerEvent);
    }
    return false;  // Qt goes on with it as ever
}

QWidget *BlockedPresses::blockedWindow(unsigned window) const
{
    QWidget *widget = QWidget::find(WId(window));
    QWidget *modal = QApplication::activeModalWidget();
    if (!widget || !modal || widget->window() == modal->window())
        return nullptr;
    return widget->window();
}

void BlockedPresses::take(const Event &event)
{
    if (event.what != Pointer::Press) {
        if (event.button != XCB_BUTTON_INDEX_1 || !m_held)
            return;
        QWidget *held = m_held;
        if (event.what == Pointer::Release)
            m_held = nullptr;
        // Once the modal window has gone, the window takes the rest as ever.
        if (!QApplication::activeModalWidget())
            return;
        emit reached(held, (event.inWindow / held->devicePixelRatioF()).toPoint(), event.what);
        return;
    }
    QWidget *blocked = blockedWindow(event.window);
    if (!blocked)
        return;
    const QPoint at = (event.inWindow / blocked->devicePixelRatioF()).toPoint();
    if (event.button == wheelUp || event.button == wheelDown)
        emit reached(blocked, at, event.button == wheelUp ? Pointer::WheelUp : Pointer::WheelDown);
    else if (event.button == XCB_BUTTON_INDEX_1)
        press(blocked, at, event);
}

void BlockedPresses::press(QWidget *window, QPoint at, const Event &event)
{
    // The second tap of a double tap reaches the window as a double-click
    // once the first has closed the modal one: neither acts twice. Quick taps
    // in different places (numbers circled one after another) each act.
    const QStyleHints &hints = *QGuiApplication::styleHints();
    const QPoint onScreen = event.onScreen.toPoint();
    const bool secondTap = m_pressedBefore && event.time - m_lastPressAt <= unsigned(hints.mouseDoubleClickInterval())
                           && (onScreen - m_lastPressPos).manhattanLength() <= hints.mouseDoubleClickDistance();
    m_pressedBefore = true;
    m_lastPressAt = event.time;
    m_lastPressPos = onScreen;
    if (secondTap)
        return;
    m_held = window;
    emit reached(window, at, Pointer::Press);
}
