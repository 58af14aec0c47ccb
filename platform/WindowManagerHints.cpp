#include "platform/WindowManagerHints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// The Motif hints, which most window managers read for the functions they offer.
namespace Motif {
constexpr std::uint32_t functionsGiven = 1 << 0;
constexpr std::uint32_t decorationsGiven = 1 << 1;
constexpr std::uint32_t moveFunction = 1 << 2;
constexpr std::uint32_t borderDecoration = 1 << 1;
constexpr std::uint32_t titleDecoration = 1 << 3;
} // namespace Motif

} // namespace

void offerOnlyMoving(QWidget &window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *connection = x11->connection();
    const auto id = xcb_window_t(window.winId());

    const std::array<std::uint32_t, 5> motif = {Motif::functionsGiven | Motif::decorationsGiven, Motif::moveFunction,
                                                Motif::borderDecoration | Motif::titleDecoration, 0, 0};
    const xcb_atom_t motifHints = atom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, motifHints, motifHints, 32, motif.size(), motif.data());

    // Some window managers (openbox) ignore the Motif functions and go by the
    // window's type alone; a toolbar torn off its window is never minimised
    // or maximised on its own. Qt keeps a type set here when it sets its own.
    const std::array<xcb_atom_t, 2> types = {atom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                             atom(connection, "_NET_WM_WINDOW_TYPE_DIALOG")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                        32, types.size(), types.data());
    xcb_flush(connection);
}
