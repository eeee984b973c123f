#include "platform/FocusMarks.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace lexiglade {

namespace {

constexpr const char* kColourProperty = "lexiglade_focusMarkColour";
constexpr const char* kRingName = "lexiglade_focusRing";
constexpr int kOutset = FocusMark::kGap + FocusMark::kWidth;

// A ring-shaped widget of the window, above its controls, around the control it follows.
class FocusRing : public QWidget {
  public:
    explicit FocusRing(QWidget& window) : QWidget(&window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoChildEventsForParent);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QLatin1String(kRingName));
        hide();
    }

    static bool Is(const QObject& object) {
        return object.objectName() == QLatin1String(kRingName);
    }

    // The window's ring, if it has one.
    static FocusRing* In(const QWidget& window) {
        return static_cast<FocusRing*>(
            window.findChild<QWidget*>(QLatin1String(kRingName), Qt::FindDirectChildrenOnly));
    }

    static FocusRing& Of(QWidget& window) {
        FocusRing* ring = In(window);
        return ring != nullptr ? *ring : *new FocusRing(window);
    }

    // Around `control`, or hidden when there is none.
    void Follow(QWidget* control) {
        if (control != target_) {
            if (target_) {
                target_->removeEventFilter(this);
            }
            target_ = control;
            if (target_) {
                target_->installEventFilter(this);
            }
        }
        Place();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const QVariant named = window()->property(kColourProperty);
        const QColor colour = named.isValid() ? named.value<QColor>()
                                              : window()->palette().color(QPalette::WindowText);
        QPainter(this).fillRect(rect(), colour);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == target_) {
            const QEvent::Type type = event->type();
            if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
                type == QEvent::Hide || type == QEvent::EnabledChange) {
                Place();
            }
        }
        return QWidget::eventFilter(watched, event);
    }

  private:
    void Place() {
        if (!target_ || !target_->isVisible() || !target_->isEnabled()) {
            hide();
            return;
        }
        const QRect control(target_->mapTo(window(), QPoint(0, 0)), target_->size());
        const QRect outer = control.adjusted(-kOutset, -kOutset, kOutset, kOutset);
        setGeometry(outer);
        const QRect local = rect();
        const int inset = FocusMark::kWidth;
        setMask(QRegion(local).subtracted(QRegion(local.adjusted(inset, inset, -inset, -inset))));
        raise();
        show();
        update();
    }

    QPointer<QWidget> target_;
};

// The control of `window` that the ring goes around: its focus widget, unless that is the window.
QWidget* FocusedControl(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->isWindow() || focus->window() != &window) {
        return nullptr;
    }
    return focus;
}

class FocusMarkWatch : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || FocusRing::Is(*watched)) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::KeyPress:
            keyboardLast_ = true;
            Mark(*widget->window(), true);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            keyboardLast_ = false;
            Mark(*widget->window(), false);
            break;
        case QEvent::Show:
            if (widget->isWindow()) {
                widget->setAttribute(Qt::WA_KeyboardFocusChange, keyboardLast_);
            }
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            Update(*widget->window());
            break;
        default:
            break;
        }
        return false;
    }

  private:
    static void Mark(QWidget& window, bool keyboard) {
        if (window.testAttribute(Qt::WA_KeyboardFocusChange) != keyboard) {
            window.setAttribute(Qt::WA_KeyboardFocusChange, keyboard);
            window.update(); // the controls' own marks follow the attribute too
        }
        Update(window);
    }

    static void Update(QWidget& window) {
        QWidget* control = ShowsKeyboardFocus(window) ? FocusedControl(window) : nullptr;
        FocusRing* ring = FocusRing::In(window);
        if (control != nullptr) {
            FocusRing::Of(window).Follow(control);
        } else if (ring != nullptr) {
            ring->Follow(nullptr);
        }
    }

    bool keyboardLast_ = false;
};

} // namespace

void InstallFocusMarks() {
    static QPointer<FocusMarkWatch> watch;
    if (!watch) {
        watch = new FocusMarkWatch;
        watch->setParent(qApp);
        qApp->installEventFilter(watch);
    }
}

void SetFocusMarkColour(QWidget& window, const QColor& colour) {
    window.setProperty(kColourProperty, colour);
}

bool ShowsKeyboardFocus(const QWidget& window) {
    return window.testAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace lexiglade
