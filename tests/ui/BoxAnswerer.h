#pragma once
// Answers the message boxes and dialogs that the game opens, as a player would, and keeps a
// record of each box: caption, text and icon.
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

namespace lexiglade::test {

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class BoxAnswerer {
  public:
    // `answer` is the button pressed in every message box; other modal dialogs are closed with
    // `closeDialog` (default: reject).
    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~BoxAnswerer();

    const std::vector<SeenBox>& Boxes() const { return boxes_; }
    void ClearBoxes() { boxes_.clear(); }
    void SetDialogAction(std::function<void(QWidget*)> action) {
        dialogAction_ = std::move(action);
    }
    int DialogsSeen() const { return dialogs_; }
    // Runs for each box after it is recorded and before it is answered; a box that the hook opens
    // meanwhile is recorded and answered without running the hook.
    void SetBeforeAnswer(std::function<void(const SeenBox&)> hook) {
        beforeAnswer_ = std::move(hook);
    }

  private:
    void Poll();
    void RunHook(QMessageBox* box);

    QMessageBox::StandardButton answer_;
    QTimer timer_;
    std::vector<SeenBox> boxes_;
    std::function<void(QWidget*)> dialogAction_;
    std::function<void(const SeenBox&)> beforeAnswer_;
    QMessageBox* hooked_ = nullptr;
    int dialogs_ = 0;
};

// Runs pending events until `done` holds or `ms` have passed.
bool WaitFor(const std::function<bool()>& done, int ms = 2000);

} // namespace lexiglade::test
