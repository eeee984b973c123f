#include "BoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

namespace lexiglade::test {

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

BoxAnswerer::~BoxAnswerer() {
    timer_.stop();
}

void BoxAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (box == hooked_) {
            return; // its hook is still running
        }
        boxes_.push_back({box->windowTitle(), box->text(), box->icon()});
        QPointer<QMessageBox> alive(box);
        RunHook(box);
        if (!alive || !box->isVisible()) {
            return;
        }
        QAbstractButton* button = box->button(answer_);
        if (button == nullptr) {
            button = box->buttons().value(0);
        }
        button->click();
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        ++dialogs_;
        if (dialogAction_) {
            dialogAction_(dialog);
        } else {
            dialog->reject();
        }
    }
}

// A timer does not fire again while its own handler runs, so a second one answers the boxes that
// the hook opens.
void BoxAnswerer::RunHook(QMessageBox* box) {
    if (!beforeAnswer_ || hooked_ != nullptr) {
        return;
    }
    hooked_ = box;
    QTimer nested;
    nested.setInterval(5);
    QObject::connect(&nested, &QTimer::timeout, [this] { Poll(); });
    nested.start();
    const SeenBox seen = boxes_.back();
    beforeAnswer_(seen);
    hooked_ = nullptr;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace lexiglade::test
