#include "platform/WindowManager.h"

#include "platform/XcbReplies.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace lexiglade {

namespace {

// The window named by `window`'s _NET_SUPPORTING_WM_CHECK property, or none.
xcb_window_t CheckWindow(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t check) {
    const auto cookie = xcb_get_property(connection, 0, window, check, XCB_ATOM_WINDOW, 0, 1);
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->type != XCB_ATOM_WINDOW ||
        xcb_get_property_value_length(reply.get()) < static_cast<int>(sizeof(xcb_window_t))) {
        return XCB_WINDOW_NONE;
    }
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

} // namespace

bool WindowManagerRuns() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return true;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return true;
    }
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE) {
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // A window manager that has gone leaves a stale property; its check window names itself.
    const xcb_window_t child = CheckWindow(connection, screen->root, check);
    return child != XCB_WINDOW_NONE && CheckWindow(connection, child, check) == child;
}

} // namespace lexiglade
