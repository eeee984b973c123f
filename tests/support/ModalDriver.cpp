#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

namespace lexiglade::test {

namespace {

// Far longer than any window takes to come up, even under a sanitizer on a busy machine.
constexpr qint64 kActivationWaitMs = 5000;

} // namespace

ModalDriver::ModalDriver(QMessageBox::StandardButton answer) : answer_(answer) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

ModalDriver::~ModalDriver() {
    timer_.stop();
}

// The platform activates a window shown some time after showing it; until then it has no focus.
bool ModalDriver::Ready(QWidget* modal) {
    if (QApplication::activeWindow() == modal) {
        return true;
    }
    if (waitingFor_ != modal) {
        waitingFor_ = modal;
        waiting_.start();
    }
    return waiting_.elapsed() >= kActivationWaitMs;
}

void ModalDriver::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A window whose answer is under way is left alone; one that the answer opens is answered.
    if (modal == nullptr || modal == answering_ || !modal->isVisible() || !Ready(modal)) {
        return;
    }
    const QPointer<QWidget> outer = answering_;
    answering_ = modal;
    struct Restore {
        QPointer<QWidget>& answering;
        QPointer<QWidget> outer;
        ~Restore() { answering = outer; }
    } restore{answering_, outer};
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes_.push_back({box->windowTitle(), box->text(), box->icon()});
        Answer(box);
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        ++dialogs_;
        if (dialogAction_) {
            WithNestedAnswers([&] { dialogAction_(dialog); });
        } else {
            dialog->reject();
        }
    }
}

void ModalDriver::Answer(QMessageBox* box) {
    const QPointer<QMessageBox> alive(box);
    if (beforeAnswer_ && !inHook_) {
        const SeenBox seen = boxes_.back();
        inHook_ = true;
        WithNestedAnswers([&] { beforeAnswer_(seen); });
        inHook_ = false;
    }
    if (!alive || !box->isVisible()) {
        return;
    }
    QAbstractButton* button = box->button(answer_);
    if (button == nullptr) {
        button = box->buttons().value(0);
    }
    button->click();
}

void ModalDriver::WithNestedAnswers(const std::function<void()>& action) {
    QTimer nested;
    nested.setInterval(5);
    QObject::connect(&nested, &QTimer::timeout, [this] { Poll(); });
    nested.start();
    action();
}

} // namespace lexiglade::test
