#pragma once
// Answers the message boxes and dialogs the game opens, as a player would, and records each box.
#include <QMessageBox>
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
    // (default: reject).
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    void OnDialog(std::function<void(QDialog*)> action) { dialogAction_ = std::move(action); }
    const std::vector<SeenBox>& Boxes() const { return boxes_; }
    int DialogsSeen() const { return dialogs_; }

  private:
    void Poll();

    QTimer timer_;
    std::vector<SeenBox> boxes_;
    std::function<void(QDialog*)> dialogAction_;
    int dialogs_ = 0;
};

} // namespace lexiglade::test
