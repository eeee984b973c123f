#pragma once
// A full-screen form whose client pixels live in an image. Drawing goes to the image; a paint
// from the window system runs FormPaint, while ShowSurface only puts the image on the screen.
#include "platform/GdiDeviceContext.h"

#include <QImage>
#include <QString>
#include <QWidget>

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

    QImage& Surface() { return surface_; }
    bool InPaint() const { return inPaint_; }
    // Puts what was drawn outside a paint on the screen at once.
    void ShowSurface();
    void ShowSurface(const QRect& area);
    // The next paint runs FormPaint, as after a window that covered the form has closed.
    void InvalidateForm();

    static void InvalidateAll();
    static SurfaceForm* Topmost();
    // How many times FormPaint has run; for tests and measurements.
    int FormPaintCount() const { return formPaints_; }

  protected:
    virtual void FormPaint() = 0;
    // The form's own handlers report their errors here, before Qt's dispatch sees them.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void RunFormPaint();

    QImage surface_;
    bool formPaintPending_ = true;
    bool blitOnly_ = false;
    bool inPaint_ = false;
    bool blitPending_ = false;
    int formPaints_ = 0;
    QString lastPaintError_;
};

} // namespace lexiglade
