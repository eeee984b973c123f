#include "platform/DisplayScale.h"

#include "platform/XcbReplies.h"

#include <QByteArray>
#include <QtGlobal>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace lexiglade {

namespace {

// Scales are quarter steps, so that logical pixels map onto device pixels in a short repeat.
constexpr double kScaleSteps = 4.0;
// Room left for a window manager's title bar: a share of the height, at least a fixed amount.
constexpr int kTitleBarPercent = 5;
constexpr int kMinTitleBar = 32;
// The logical dots per inch that Qt's own scale of a screen is measured against.
constexpr double kBaseDpi = 96.0;

struct XScreen {
    int width = 0; // the area free for windows, in device pixels
    int height = 0;
    double platformRatio = 1.0; // the scale Qt itself gives the screen (Xft.dpi / 96)
};

// The root window's X resources, as xrdb leaves them.
std::string Resources(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t atom = Atom(connection, "RESOURCE_MANAGER");
    if (atom == XCB_ATOM_NONE) {
        return {};
    }
    const auto cookie = xcb_get_property(connection, 0, root, atom, XCB_ATOM_STRING, 0, 1U << 16);
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply) {
        return {};
    }
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return {text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

// Xft.dpi from the resources, as Qt reads it for its own scale of the screen.
double PlatformRatio(const std::string& resources) {
    constexpr std::string_view key = "Xft.dpi:";
    const std::size_t at = resources.find(key);
    if (at == std::string::npos) {
        return 1.0;
    }
    const double dpi = std::atof(resources.c_str() + at + key.size());
    return dpi > 0 ? dpi / kBaseDpi : 1.0;
}

// The area a window manager leaves free of panels (_NET_WORKAREA of the first desktop), if known.
std::optional<std::pair<int, int>> WorkArea(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t atom = Atom(connection, "_NET_WORKAREA");
    if (atom == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    constexpr std::uint32_t kFields = 4; // x, y, width, height
    const auto cookie = xcb_get_property(connection, 0, root, atom, XCB_ATOM_CARDINAL, 0, kFields);
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < static_cast<int>(kFields * 4)) {
        return std::nullopt;
    }
    const auto* area = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    if (area[2] == 0 || area[3] == 0) {
        return std::nullopt;
    }
    return std::pair{static_cast<int>(area[2]), static_cast<int>(area[3])};
}

std::optional<XScreen> FirstXScreen() {
    int number = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &number);
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> owned(connection,
                                                                             xcb_disconnect);
    if (xcb_connection_has_error(connection) != 0) {
        return std::nullopt;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem > 0 && number > 0; --number) {
        xcb_screen_next(&screens);
    }
    const xcb_screen_t* screen = screens.data;
    const auto [width, height] =
        WorkArea(connection, screen->root)
            .value_or(std::pair<int, int>{screen->width_in_pixels, screen->height_in_pixels});
    return XScreen{width, height, PlatformRatio(Resources(connection, screen->root))};
}

bool StartsOnX() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() ? qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                              : platform.startsWith("xcb");
}

} // namespace

double ChooseDisplayScale(int width, int height) {
    const int titleBar = std::max(kMinTitleBar, height * kTitleBarPercent / 100);
    const double fit = std::min(static_cast<double>(width) / kDesignWidth,
                                static_cast<double>(height - titleBar) / kDesignHeight);
    return std::max(1.0, std::floor(fit * kScaleSteps) / kScaleSteps);
}

void ApplyDisplayScale() {
    if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") || !StartsOnX()) {
        return;
    }
    const std::optional<XScreen> screen = FirstXScreen();
    if (!screen) {
        return;
    }
    const double scale = ChooseDisplayScale(screen->width, screen->height);
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale / screen->platformRatio, 'g', 10));
}

} // namespace lexiglade
