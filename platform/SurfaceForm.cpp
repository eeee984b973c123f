#include "platform/SurfaceForm.h"

#include "platform/DisplayScale.h"
#include "platform/Handlers.h"
#include "platform/Texts.h"

#include <QApplication>
#include <QExposeEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

namespace lexiglade {

namespace {

// Room around a closed modal window's frame for the rounding of device pixels to logical ones.
constexpr int kClosedFrameMargin = 2;

std::vector<SurfaceForm*>& LiveForms() {
    static std::vector<SurfaceForm*> forms;
    return forms;
}

// The pixels a form gave up, for the next form of that size to draw in: one screen's worth at most,
// so that a puzzle opened over the catalogue allocates no image of its own.
QImage& SpareSurface() {
    static QImage spare;
    return spare;
}

// A new image of `size` device pixels at `ratio`, all black: the spare one when it fits.
QImage BlackSurface(QSize size, double ratio) {
    QImage image;
    QImage& spare = SpareSurface();
    if (spare.size() == size) {
        image = std::exchange(spare, QImage());
    } else {
        image = QImage(size, QImage::Format_RGB32);
    }
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    return image;
}

// Device contexts may reach a pixel past their logical area: smooth figures, fractional scales.
constexpr int kDrawnMargin = 1;

// The exposed region of an expose event: Qt 6 keeps it, though it asks widgets to ignore it.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
QRegion ExposedRegion(const QExposeEvent& event) {
    return event.region();
}
QT_WARNING_POP

} // namespace

// Tells the forms where one of the game's modal windows (a dialog or a message box) went away.
class ModalWindowWatch : public QObject {
  public:
    // Once per application.
    static void Install() {
        static const ModalWindowWatch* const watch = [] {
            auto* made = new ModalWindowWatch;
            made->setParent(qApp);
            qApp->installEventFilter(made);
            return made;
        }();
        Q_UNUSED(watch);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            const auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->isModal()) {
                for (SurfaceForm* form : LiveForms()) {
                    form->ModalWindowClosed(widget->geometry());
                }
            }
        }
        return false;
    }
};

QPoint SurfaceForm::PixelUnderMouse(const QMouseEvent& event) const {
    const QPointF at =
        event.position().toPoint() == windowMouse_.toPoint() ? windowMouse_ : event.position();
    return {LogicalPixel(at.x()), LogicalPixel(at.y())};
}

WindowDC::WindowDC(SurfaceForm& form) : WindowDC(form, form.rect()) {}

WindowDC::WindowDC(SurfaceForm& form, const QRect& changed)
    : form_(form), dc_(form.DrawingSurface()), changed_(changed) {
    form_.Drawn(changed_);
}

WindowDC::~WindowDC() {
    if (!form_.InPaint() && form_.isVisible()) {
        form_.ShowSurface(changed_);
    }
}

SurfaceForm::SurfaceForm(QWidget* parent) : QWidget(parent) {
    static std::uint64_t formsMade = 0;
    serial_ = ++formsMade;
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    LiveForms().push_back(this);
    ModalWindowWatch::Install();
}

SurfaceForm::~SurfaceForm() {
    std::erase(LiveForms(), this);
    if (!surface_.isNull()) {
        SpareSurface() = std::exchange(surface_, QImage());
    }
}

QImage& SurfaceForm::Surface() {
    FitSurface();
    if (!inPaint_) {
        drawnSincePaint_ = rect(); // what the caller does with it is not known
    }
    return surface_;
}

QImage& SurfaceForm::DrawingSurface() {
    FitSurface();
    return surface_;
}

void SurfaceForm::Drawn(const QRect& area) {
    if (!inPaint_ && !area.isEmpty()) {
        drawnSincePaint_ +=
            area.adjusted(-kDrawnMargin, -kDrawnMargin, kDrawnMargin, kDrawnMargin) & rect();
    }
}

void SurfaceForm::ReleaseSurface(const QWidget& cover) {
    if (!surface_.isNull()) {
        SpareSurface() = std::exchange(surface_, QImage());
        released_ = true;
        cover_ = &cover;
    }
}

bool SurfaceForm::Covered() const {
    return released_ && !cover_.isNull();
}

void SurfaceForm::FitSurface() {
    const double ratio = devicePixelRatioF();
    const QSize logical = size().expandedTo(QSize(1, 1));
    const QSize wanted(DevicePixel(logical.width(), ratio), DevicePixel(logical.height(), ratio));
    if (surface_.size() == wanted && surface_.devicePixelRatio() == ratio) {
        return;
    }
    QImage resized = BlackSurface(wanted, ratio);
    if (!surface_.isNull() && surface_.devicePixelRatio() == ratio) {
        QPainter(&resized).drawImage(0, 0, surface_);
    }
    surface_ = resized;
    released_ = false;
    formPaintPending_ = true;
}

void SurfaceForm::ShowSurface() {
    ShowSurface(rect());
}

void SurfaceForm::ShowSurface(const QRect& area) {
    // At a fractional scale a logical pixel's block may reach into the device pixels of the next.
    const double ratio = devicePixelRatioF();
    repaint(ratio == std::floor(ratio) ? area : area.adjusted(-1, -1, 1, 1));
}

void SurfaceForm::InvalidateForm() {
    formPaintPending_ = true;
    update();
}

void SurfaceForm::InvalidateAll() {
    for (SurfaceForm* form : LiveForms()) {
        if (form->isVisible() && !form->Covered()) { // a covered form is not uncovered by it
            form->formPaintOwed_ = true;
            form->update();
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
void SurfaceForm::Exposed(const QRegion& region, bool wasExposed) {
    if (!wasExposed || !region.subtracted(closedModalArea_).isEmpty()) {
        formPaintPending_ = true;
        update();
    }
    closedModalArea_ -= region;
}

// A hidden window's frame is no longer known; the window manager frames it as it frames the form.
void SurfaceForm::ModalWindowClosed(const QRect& closed) {
    if (isVisible()) {
        const QRect own = frameGeometry();
        const QMargins frame(geometry().left() - own.left(), geometry().top() - own.top(),
                             own.right() - geometry().right(), own.bottom() - geometry().bottom());
        const QRect area(mapFromGlobal(closed.topLeft()), closed.size());
        closedModalArea_ += area.marginsAdded(frame + kClosedFrameMargin) & rect();
    }
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
    if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) {
        closedModalArea_ = QRegion(); // by now the window system has shown what a box hid
    }
    if (type == QEvent::Expose) {
        const bool wasExposed = std::exchange(windowExposed_, window->isExposed());
        if (windowExposed_) {
            Exposed(ExposedRegion(*static_cast<QExposeEvent*>(event)), wasExposed);
        }
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
    if (Covered() && !formPaintPending_) {
        return; // what the window shows stands
    }
    FitSurface();
    if (!StillAwaitingMaximizedSize()) { // until then the window shows the black image
        PaintForm(*event);
    }
    // The image has the window's device pixel ratio, so it lands on the device pixels one to one;
    // the painter is clipped to the region being painted.
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), surface_);
    PaintOverlay(painter);
}

void SurfaceForm::PaintForm(const QPaintEvent& event) {
    const bool owedNow = formPaintOwed_ && QApplication::activeModalWidget() == nullptr;
    if (!formPaintPending_ && !owedNow) {
        return; // the image holds the form's pixels: a change of focus, or the form's own drawing
    }
    RunFormPaint();
    if (!event.region().contains(rect())) {
        update(); // the rest of the window still shows the old pixels
    }
}

void SurfaceForm::RunFormPaint() {
    formPaintPending_ = false;
    formPaintOwed_ = false;
    ++formPaints_;
    inPaint_ = true;
    drawnSincePaint_ = QRegion();
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
            QTimer::singleShot(0, qApp, [failure = std::current_exception()] {
                try {
                    std::rethrow_exception(failure);
                } catch (const std::exception& shown) {
                    ReportError(shown);
                }
            });
        }
    }
}

} // namespace lexiglade
