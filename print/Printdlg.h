#pragma once
// The print dialog (number of copies, and whether each copy gets a grid of its own) and the puzzle
// screen's print and printer-setup hotspots.
#include "print/PrintPage.h"

#include <QDialog>

#include <memory>
#include <span>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lexiglade {

class Bitmap;

// The print sequence: the dialog, "Click OK to print!", then CopyCount copies, each followed by its
// answer key when asked for; when they went to a file for want of a printer, a box says where.
// `hintPictures` are the puzzle screen's pictures, one per hint in hint order, read when
// `pictureHints` is set; they are copied first, so the game may end while the copies print.
void PrintPuzzle(QWidget* owner, bool pictureHints,
                 std::span<const std::unique_ptr<Bitmap>> hintPictures);
// The standard print dialog; its choice applies to later prints of the run.
void RunPrinterSetup(QWidget* owner);

class Tprndlg : public QDialog {
    Q_OBJECT
  public:
    explicit Tprndlg(QWidget* parent = nullptr);
    ~Tprndlg() override;

    // The dialog made last and still alive, or null.
    static Tprndlg* Form();

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr; // "Print answer key"
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Shows the dialog modally over `owner` and returns what was confirmed: no copies when it was
    // cancelled or closed. CopyCount and UniqueCopies of the shared state follow it.
    PrintChoice Ask(QWidget* owner);

    void OKBtnClick();
    void CancelBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CreateControls();

    PrintChoice choice_;
};

} // namespace lexiglade
