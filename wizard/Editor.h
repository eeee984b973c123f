#pragma once
// The puzzle creation wizard: name, words and hints in its first step, the folder in the second.
#include "library/DataFolder.h"
#include "library/TextList.h"

#include "platform/GdiPalette.h"

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace lexiglade {

struct EntryPlace;

class Tlxedit : public QDialog {
    Q_OBJECT
  public:
    // Files puzzles into the library of `folders`; `palette` is the game's, with which the hint
    // pictures are reshaped.
    explicit Tlxedit(DataFolders folders, QWidget* parent = nullptr, PaletteRef palette = {});

    enum class Step { First, Folder };

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* StatusLabel = nullptr;
    QPlainTextEdit* Memo1 = nullptr; // the words
    QPlainTextEdit* Memo2 = nullptr; // the hints
    QPlainTextEdit* Memo4 = nullptr; // working copy of "a7.asl", hidden
    QLineEdit* Edit1 = nullptr;      // the puzzle name
    QLineEdit* Edit2 = nullptr;      // a new folder's name
    QPushButton* BitBtn1 = nullptr;  // Next
    QPushButton* BitBtn2 = nullptr;  // Cancel, or Go Back in the folder step
    QPushButton* btnexistingfolder = nullptr;
    QPushButton* btnaddfolder = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Image1 = nullptr; // glyph store: Cancel
    QLabel* Image2 = nullptr; // glyph store: Go Back

    Step WizardStep = Step::First;
    // Entry n: the line of Memo4 holding the folder shown as entry n of ListBox1.
    std::vector<std::int32_t> FolderLineTable;

    // The handlers report failures by throwing; the form's own connections show them in the
    // error box.
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void ResetWizard();
    // The seven checks; the first failure is shown in the information box. Pictures of a
    // picture puzzle that passes are reshaped.
    bool ValidatePuzzle();
    void FillFolderList();
    void btnexistingfolderClick();
    void btnaddfolderClick();
    // True when the key was Enter and has been acted on.
    bool Edit2KeyDown(int key);
    // Files the puzzle with Memo4 as the new tree; StatusLabel shows each stage.
    void AppendPuzzle();
    void ShowStatus(const QString& text);

    static constexpr int kFirstStepWidth = 382;
    static constexpr int kFolderStepWidth = 382 + 173 + 20;
    static constexpr int kClientHeight = 359;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void CreateFolderControls();
    void ConnectHandlers();
    void EnterFirstStep();
    void EnterFolderStep();
    void SetInputsEnabled(bool enabled);
    void SetFolderControlsEnabled(bool enabled);
    // After a refusal: the focus and the text cursor on what was refused.
    void PointAt(const EntryPlace& place);
    // Asks the Verify question for placing the puzzle in `folder`.
    bool ConfirmFolder(const QString& folder);
    // Puts `lines` into Memo4 before its line `line` (at its end when there is no such line), files
    // the puzzle and resets the wizard; on failure Memo4 is put back and the folder step stays.
    void FileWithTreeLines(std::int64_t line, const TextList& lines);

    bool filing_ = false;
    // "a7.asl" as the folder step read it; filing is refused once another program changed it.
    std::string treeBase_;
    DataFolders folders_;
    PaletteRef palette_;
};

// A memo's text as the library files hold it: lines separated by CR LF, in Latin-1.
std::string MemoText(const QPlainTextEdit& memo);
// A memo's lines: a final empty line is not one.
TextList MemoLines(const QPlainTextEdit& memo);

} // namespace lexiglade
