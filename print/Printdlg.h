#pragma once
// The print dialog (number of copies, and whether each copy gets a grid of its own) and the puzzle
// screen's print and printer-setup hotspots.
#include "print/PrintPage.h"

#include <QDialog>

#include <memory>
#include <span>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lexiglade {

class Bitmap;

// What the print sequence leaves for the puzzle screen to keep.
struct PrintOutcome {
    PrintChoice choice;           // what the dialog confirmed
    std::vector<Grid> freshGrids; // the grids of the copies that got one of their own, in order
};

// The print sequence: the dialog, "Click OK to print!", then the copies asked for, each followed
// by its answer key when asked for; when they went to a file for want of a printer, a box says
// where.
PrintOutcome PrintPuzzle(QWidget* owner, const PrintedPuzzle& puzzle);
// Copies of the puzzle screen's hint pictures, so that the game may end while the copies print.
std::vector<QImage> CopyPictures(std::span<const std::unique_ptr<Bitmap>> bitmaps);
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
    // cancelled or closed.
    PrintChoice Ask(QWidget* owner);

    void OKBtnClick();
    void CancelBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CreateControls();
    void FitCaptions();

    PrintChoice choice_;
};

} // namespace lexiglade
