#pragma once
// Answers the message boxes and dialogs the game opens, as a player would, and records each box.
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QDialog;

namespace lexiglade::test {

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class ModalDriver {
  public:
    // Message boxes are answered with their first button; other dialogs get `dialogAction`
    // (default: reject). A window is answered once it is the active window, as a player sees it
    // come up with its focus in place, or when it has waited a few seconds for that in vain.
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    void OnDialog(std::function<void(QDialog*)> action) { dialogAction_ = std::move(action); }
    const std::vector<SeenBox>& Boxes() const { return boxes_; }
    int DialogsSeen() const { return dialogs_; }

  private:
    void Poll();
    bool Ready(QWidget* modal);

    QTimer timer_;
    QPointer<QWidget> waitingFor_;
    QElapsedTimer waiting_;
    QPointer<QWidget> answering_;
    std::vector<SeenBox> boxes_;
    std::function<void(QDialog*)> dialogAction_;
    int dialogs_ = 0;
};

} // namespace lexiglade::test
