#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

namespace lexiglade::test {

ModalDriver::ModalDriver() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

ModalDriver::~ModalDriver() {
    timer_.stop();
}

void ModalDriver::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes_.push_back({box->windowTitle(), box->text(), box->icon()});
        box->buttons().value(0)->click();
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

} // namespace lexiglade::test
