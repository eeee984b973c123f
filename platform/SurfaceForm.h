#pragma once
// A full-screen form whose client pixels live in an image. Drawing goes to the image; FormPaint
// runs only when the window system asks for the window to be drawn again: first shown, resized,
// uncovered, restored from minimized or shown after a hide, the window is drawn afresh, never put
// back from a copy of its last pixels. Any other paint (a change of focus, a dialog opening over
// the window, ShowSurface) only puts the image on the screen. After the game's own modal dialogs
// and message boxes close, InvalidateAll runs FormPaint once, when no other one is open: the
// uncovering of what they hid asks for nothing more.
// The image always has the form's client size, in device pixels on a scaled screen (its device
// pixel ratio is the window's), so that text is drawn at the screen's resolution. A form shown with
// ShowMaximized runs no FormPaint until the window has its maximized size. The form keeps where it
// was drawn on outside its paints, so that a copy of its pixels need keep only those areas.
#include "platform/GdiDeviceContext.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace lexiglade {

class SurfaceForm;

// The form's device context: drawing outside a paint is shown on the screen when it is released.
class WindowDC {
  public:
    explicit WindowDC(SurfaceForm& form);
    // Only `changed` is put on the screen on release: the caller knows where it draws.
    WindowDC(SurfaceForm& form, const QRect& changed);
    ~WindowDC();
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    DeviceContext* operator->() { return &dc_; }
    DeviceContext& operator*() { return dc_; }

  private:
    SurfaceForm& form_;
    DeviceContext dc_;
    QRect changed_;
};

class SurfaceForm : public QWidget {
    Q_OBJECT
  public:
    explicit SurfaceForm(QWidget* parent = nullptr);
    ~SurfaceForm() override;

    // The form's pixels, at its current client size. Taken outside a paint, they count as drawn on
    // everywhere (see DrawnSincePaint).
    QImage& Surface();
    // The form's pixels as they stand, to read; none while the form has given them up.
    const QImage& Pixels() const { return surface_; }
    // The area drawn on outside FormPaint since it last began, in pixels: the device contexts of
    // the form and any other use of its image outside a paint. Whatever else the image holds is
    // what the last FormPaint drew.
    const QRegion& DrawnSincePaint() const { return drawnSincePaint_; }
    // A number of the form's own, never that of another form.
    std::uint64_t Serial() const { return serial_; }
    // Gives the form's image up, for the next form to draw in, while `cover` covers it: the window
    // keeps what it shows, and only a paint that the window system asks for runs FormPaint, in an
    // image of its own again; other paints draw nothing until `cover` is gone.
    void ReleaseSurface(const QWidget& cover);
    bool InPaint() const { return inPaint_; }
    // Puts what was drawn outside a paint on the screen at once.
    void ShowSurface();
    void ShowSurface(const QRect& area);
    // The next paint runs FormPaint, as after a window that covered the form has closed.
    void InvalidateForm();

    // Shows the form maximized, on Wayland without a title bar. Where no window manager runs, the
    // window takes the screen's available area itself; otherwise FormPaint waits until the window
    // manager has sized it.
    void ShowMaximized();
    // True while a form shown maximized waits for its maximized size.
    bool AwaitingMaximizedSize() const { return awaitingMaximizedSize_; }

    // The logical pixel under the mouse for one of the form's mouse events. On a scaled screen a
    // mouse position lies between logical pixels; Qt rounds it on its way from the window to the
    // widget, so the window's own unrounded position is taken when the event carries it.
    QPoint PixelUnderMouse(const QMouseEvent& event) const;

    // The visible forms run FormPaint once no modal dialog or message box of the game is open, as
    // after one over them has closed.
    static void InvalidateAll();
    static SurfaceForm* Topmost();
    // How many times FormPaint has run; for tests and measurements.
    int FormPaintCount() const { return formPaints_; }

  protected:
    virtual void FormPaint() = 0;
    // Drawn over the form's pixels each time they go on the screen, never into them: marks that
    // come and go without changing what the form drew. Logical coordinates.
    virtual void PaintOverlay(QPainter& painter) { Q_UNUSED(painter); }
    // The form's own handlers report their errors here, before Qt's dispatch sees them.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Sees the native window's exposures and state changes.
    void WatchWindow();
    // The window system shows `region` of the window again: the next paint runs FormPaint, unless
    // only the game's own closed modal window had hidden it.
    void Exposed(const QRegion& region, bool wasExposed);
    // One of the game's modal windows goes away from `closed` (global, without its frame): that
    // area comes back from the image.
    void ModalWindowClosed(const QRect& closed);
    friend class ModalWindowWatch;
    void PaintForm(const QPaintEvent& event);
    void RunFormPaint();
    // Gives the image the form's current size, keeping what it holds.
    void FitSurface();
    // The image without counting it as drawn on: the device contexts count their own areas.
    QImage& DrawingSurface();
    void Drawn(const QRect& area);
    bool Covered() const;
    friend class WindowDC;
    // Ends the wait for the maximized size once the window has it; true while it goes on.
    bool StillAwaitingMaximizedSize();

    QImage surface_;
    QRegion drawnSincePaint_;
    std::uint64_t serial_ = 0;
    bool formPaintPending_ = true;
    bool released_ = false;         // the image was given up; the window's own pixels stand
    QPointer<const QWidget> cover_; // the window over it meanwhile
    bool formPaintOwed_ = false;    // to run once no modal window is open
    bool inPaint_ = false;
    bool windowExposed_ = false;
    QRegion closedModalArea_; // where the game's own modal windows stood, in form coordinates
    int formPaints_ = 0;
    bool awaitingMaximizedSize_ = false;
    bool maximizeConfirmed_ = false; // the window system reports the window maximized
    QSize normalSize_;               // the size before the window was maximized
    QPointF windowMouse_{-1, -1};    // the last mouse position the native window reported
    QString lastPaintError_;
};

} // namespace lexiglade
