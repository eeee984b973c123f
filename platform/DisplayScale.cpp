#include "platform/DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGlobal>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>
#include <cmath>

namespace lexiglade {

namespace {

// Scales are quarter steps, so that logical pixels map onto device pixels in a short repeat.
constexpr double kScaleSteps = 4.0;
// Room left for a window manager's title bar: a share of the height.
constexpr int kTitleBarPercent = 5;

// Qt's Wayland platform, whichever of its variants runs.
bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

double ChooseDisplayScale(int width, int height, int leastRoom) {
    const int titleBar = std::max(leastRoom, height * kTitleBarPercent / 100);
    const double fit = std::min(static_cast<double>(width) / kDesignWidth,
                                static_cast<double>(height - titleBar) / kDesignHeight);
    return std::max(1.0, std::floor(fit * kScaleSteps) / kScaleSteps);
}

double ChooseDisplayScale(const StartScreen& screen) {
    // On Wayland only the panel: about as high as an X title bar, at the output's scale.
    const int leastRoom =
        screen.panelsInside ? static_cast<int>(std::ceil(kLeastTitleBarRoom * screen.platformRatio))
                            : kLeastTitleBarRoom;
    return ChooseDisplayScale(screen.width, screen.height, leastRoom);
}

bool MaximizedFormsWithoutTitleBar() {
    return OnWayland();
}

void ApplyDisplayScale() {
    const bool wayland = OnWayland();
    if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ||
        !(wayland || QGuiApplication::platformName() == QLatin1String("xcb"))) {
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // Qt's own scale of the screen, from Xft.dpi on X or the output's scale on Wayland.
    const double ratio = screen->devicePixelRatio();
    const QSize area = screen->availableGeometry().size();
    const StartScreen start{static_cast<int>(std::lround(area.width() * ratio)),
                            static_cast<int>(std::lround(area.height() * ratio)), ratio, wayland};
    QHighDpiScaling::setGlobalFactor(ChooseDisplayScale(start) / ratio);
}

} // namespace lexiglade
