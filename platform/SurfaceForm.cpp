#include "platform/SurfaceForm.h"

#include "platform/DisplayScale.h"
#include "platform/Handlers.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

namespace lexiglade {

namespace {

std::vector<SurfaceForm*>& LiveForms() {
    static std::vector<SurfaceForm*> forms;
    return forms;
}
} // namespace

QPoint SurfaceForm::PixelUnderMouse(const QMouseEvent& event) const {
    const QPointF at =
        event.position().toPoint() == windowMouse_.toPoint() ? windowMouse_ : event.position();
    return {LogicalPixel(at.x()), LogicalPixel(at.y())};
}

WindowDC::WindowDC(SurfaceForm& form) : WindowDC(form, form.rect()) {}

WindowDC::WindowDC(SurfaceForm& form, const QRect& changed)
    : form_(form), dc_(form.Surface()), changed_(changed) {}

WindowDC::~WindowDC() {
    if (!form_.InPaint() && form_.isVisible()) {
        form_.ShowSurface(changed_);
    }
}

SurfaceForm::SurfaceForm(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    LiveForms().push_back(this);
}

SurfaceForm::~SurfaceForm() {
    std::erase(LiveForms(), this);
}

QImage& SurfaceForm::Surface() {
    FitSurface();
    return surface_;
}

void SurfaceForm::FitSurface() {
    const double ratio = devicePixelRatioF();
    const QSize logical = size().expandedTo(QSize(1, 1));
    const QSize wanted(DevicePixel(logical.width(), ratio), DevicePixel(logical.height(), ratio));
    if (surface_.size() == wanted && surface_.devicePixelRatio() == ratio) {
        return;
    }
    QImage resized(wanted, QImage::Format_RGB32);
    resized.fill(Qt::black);
    resized.setDevicePixelRatio(ratio);
    if (!surface_.isNull() && surface_.devicePixelRatio() == ratio) {
        QPainter(&resized).drawImage(0, 0, surface_);
    }
    surface_ = resized;
    formPaintPending_ = true;
}

void SurfaceForm::ShowSurface() {
    ShowSurface(rect());
}

void SurfaceForm::ShowSurface(const QRect& area) {
    blitOnly_ = true;
    // At a fractional scale a logical pixel's block may reach into the device pixels of the next.
    const double ratio = devicePixelRatioF();
    repaint(ratio == std::floor(ratio) ? area : area.adjusted(-1, -1, 1, 1));
    blitOnly_ = false;
}

void SurfaceForm::InvalidateForm() {
    formPaintPending_ = true;
    update();
}

void SurfaceForm::InvalidateAll() {
    for (SurfaceForm* form : LiveForms()) {
        if (form->isVisible()) {
            form->InvalidateForm();
        }
    }
}

SurfaceForm* SurfaceForm::Topmost() {
    SurfaceForm* found = nullptr;
    for (SurfaceForm* form : LiveForms()) {
        if (form->isVisible()) {
            found = form;
        }
    }
    return found;
}

bool SurfaceForm::event(QEvent* event) {
    if (event->type() == QEvent::Show) {
        WatchWindow();
    }
    try {
        return QWidget::event(event);
    } catch (const std::exception& error) {
        ReportError(error);
        return true;
    }
}

void SurfaceForm::WatchWindow() {
    if (QWindow* window = windowHandle()) {
        window->installEventFilter(this); // installed once, however often it is asked
    }
}

// Qt would put the window's last pixels back from its own copy without a paint.
void SurfaceForm::Exposed() {
    formPaintPending_ = true;
    update();
}

bool SurfaceForm::eventFilter(QObject* watched, QEvent* event) {
    QWindow* window = windowHandle();
    if (watched != window) {
        return QWidget::eventFilter(watched, event);
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseMove || type == QEvent::MouseButtonDblClick) {
        windowMouse_ = static_cast<QMouseEvent*>(event)->position();
    }
    if (event->type() == QEvent::Expose && window->isExposed()) {
        Exposed();
    }
    if (event->type() == QEvent::WindowStateChange && event->spontaneous() &&
        awaitingMaximizedSize_) {
        maximizeConfirmed_ = window->windowStates().testFlag(Qt::WindowMaximized);
        StillAwaitingMaximizedSize();
    }
    return QWidget::eventFilter(watched, event);
}

// The event's size may be older than the form's: the window system can report sizes late.
void SurfaceForm::resizeEvent(QResizeEvent*) {
    FitSurface();
    formPaintPending_ = true;
    StillAwaitingMaximizedSize();
}

void SurfaceForm::paintEvent(QPaintEvent* event) {
    FitSurface();
    if (!StillAwaitingMaximizedSize()) { // until then the window shows the black image
        PaintForm(*event);
    }
    // The image has the window's device pixel ratio, so it lands on the device pixels one to one;
    // the painter is clipped to the region being painted.
    QPainter(this).drawImage(QPointF(0, 0), surface_);
}

void SurfaceForm::PaintForm(const QPaintEvent& event) {
    // A paint that the form did not ask for comes from the window system: redraw the form.
    if (formPaintPending_ || !(blitOnly_ || blitPending_)) {
        RunFormPaint();
        if (!event.region().contains(rect())) {
            blitPending_ = true; // the rest of the window still shows the old pixels
            update();
        }
    } else {
        blitPending_ = false;
    }
}

void SurfaceForm::RunFormPaint() {
    formPaintPending_ = false;
    ++formPaints_;
    inPaint_ = true;
    try {
        FormPaint();
        inPaint_ = false;
        lastPaintError_.clear();
    } catch (const std::exception& error) {
        inPaint_ = false;
        // A paint that fails the same way again stays quiet instead of repeating the box.
        const QString text = ErrorText(error);
        if (text != lastPaintError_) {
            lastPaintError_ = text;
            QTimer::singleShot(0, qApp, [text] { ShowErrorBox(text); });
        }
    }
}

} // namespace lexiglade
