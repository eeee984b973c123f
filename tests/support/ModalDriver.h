#pragma once
// Answers the message boxes and dialogs the game opens, as a player would, and records each box:
// caption, text and icon.
#include "EventWait.h"

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
    // `answer` is the button pressed in every message box (its first button when it has none of
    // that kind); other dialogs get the OnDialog action (default: reject). A window is answered
    // once it is the active window, as a player sees it come up with its focus in place, or when
    // it has waited a few seconds for that in vain.
    explicit ModalDriver(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    void OnDialog(std::function<void(QDialog*)> action) { dialogAction_ = std::move(action); }
    // Runs for each box after it is recorded and before it is answered; a box that the hook opens
    // meanwhile is recorded and answered without running the hook.
    void SetBeforeAnswer(std::function<void(const SeenBox&)> hook) {
        beforeAnswer_ = std::move(hook);
    }
    const std::vector<SeenBox>& Boxes() const { return boxes_; }
    void ClearBoxes() { boxes_.clear(); }
    int DialogsSeen() const { return dialogs_; }

  private:
    void Poll();
    bool Ready(QWidget* modal);
    void Answer(QMessageBox* box);
    // Runs `action` while a second timer answers the windows it opens: a timer does not fire
    // again while its own handler runs.
    void WithNestedAnswers(const std::function<void()>& action);

    QMessageBox::StandardButton answer_;
    QTimer timer_;
    QPointer<QWidget> waitingFor_;
    QElapsedTimer waiting_;
    QPointer<QWidget> answering_;
    std::vector<SeenBox> boxes_;
    std::function<void(QDialog*)> dialogAction_;
    std::function<void(const SeenBox&)> beforeAnswer_;
    bool inHook_ = false;
    int dialogs_ = 0;
};

} // namespace lexiglade::test
