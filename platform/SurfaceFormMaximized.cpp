#include "platform/SurfaceForm.h"

#include "platform/DisplayScale.h"
#include "platform/WindowManager.h"

#include <QScreen>
#include <QWindow>

// How a maximized form waits for its size: a paint before the window manager has maximized the
// window would fix the form's drawing at a size the window is about to leave.
namespace lexiglade {

namespace {

// The size a window is given until a window manager maximizes it: a quarter smaller than the
// screen, so that only the maximize makes its frame fill the screen.
QRect NormalGeometry(const QRect& area) {
    const QSize size = area.size() * 3 / 4;
    return {area.topLeft() + QPoint(area.width() - size.width(), area.height() - size.height()) / 2,
            size};
}

// Whether the window's frame covers the screen's available area: the window manager has
// maximized it.
bool FrameFillsAvailableArea(const QWidget& form) {
    const QSize frame = form.frameGeometry().size();
    const QSize area = form.screen()->availableGeometry().size();
    return frame.width() >= area.width() && frame.height() >= area.height();
}

} // namespace

void SurfaceForm::ShowMaximized() {
    // Set before the native window exists, which a change of flags would make anew. A compositor
    // that draws title bars itself is then asked for none.
    if (MaximizedFormsWithoutTitleBar() && !windowFlags().testFlag(Qt::FramelessWindowHint)) {
        setWindowFlag(Qt::FramelessWindowHint);
    }
    const QRect area = screen()->availableGeometry();
    if (!WindowManagerRuns()) {
        setGeometry(area); // nothing else will give the window its maximized size
        showMaximized();
        return;
    }
    if (!testAttribute(Qt::WA_Resized)) {
        setGeometry(NormalGeometry(area));
    }
    normalSize_ = size();
    maximizeConfirmed_ = false;
    awaitingMaximizedSize_ = true;
    winId(); // the native window, whose state changes the window system reports
    WatchWindow();
    showMaximized();
}

// The window manager has maximized the window once its frame fills the screen; a tiling window
// manager, once it confirms the state and has changed the size. A window that is no longer
// maximized waits for nothing.
bool SurfaceForm::StillAwaitingMaximizedSize() {
    if (awaitingMaximizedSize_ && (!isMaximized() || FrameFillsAvailableArea(*this) ||
                                   (maximizeConfirmed_ && size() != normalSize_))) {
        awaitingMaximizedSize_ = false;
        update();
    }
    return awaitingMaximizedSize_;
}

// A move can come with the frame that the window manager puts around the window.
void SurfaceForm::moveEvent(QMoveEvent*) {
    StillAwaitingMaximizedSize();
}

void SurfaceForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        StillAwaitingMaximizedSize();
    }
    QWidget::changeEvent(event);
}

} // namespace lexiglade
