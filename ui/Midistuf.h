#pragma once
// The options dialog: sounds, music, backward words and the timed game. It edits the game's
// options in place; the OK picture is the only way to close it.
#include "engine/GameOptions.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace lexiglade {

class Tjukebox : public QDialog {
    Q_OBJECT
  public:
    // `options` outlive the dialog.
    explicit Tjukebox(GameOptions& options, QWidget* parent = nullptr);

    // Image2, Image3, Image5 and Image6 hold the on and off pictures below the client area.
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* Image6 = nullptr;
    QLabel* Image7 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image8 = nullptr;
    QCheckBox* bwcheck = nullptr;
    QCheckBox* tgcheck = nullptr;
    QRadioButton* tgr1 = nullptr;
    QRadioButton* tgr2 = nullptr;
    QRadioButton* tgr3 = nullptr;

    void FormShow();
    void Image4Click();
    void Image7Click();
    void tgcheckClick();
    void Image8Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreatePictures();
    void CreateLabels();
    void CreateButtons();
    QLabel* NewPicture(const QImage& picture, int left, int top);
    void SetDurationsEnabled(bool enabled);

    GameOptions& options_;
    QLabel* pressedPicture_ = nullptr; // the picture the left button went down on
};

} // namespace lexiglade
