// The wizard's folder step: listing the folders, choosing or adding one, filing the puzzle.
#include "wizard/Editor.h"

#include "library/Append.h"
#include "library/Errors.h"
#include "library/Folders.h"
#include "library/LibraryFiles.h"
#include "library/Paths.h"
#include "library/PuzzleText.h"
#include "platform/FocusMarks.h"
#include "platform/KnownMessages.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "wizard/Validation.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <limits>

namespace lexiglade {

namespace {

constexpr int kFolderItemHeight = 16;

// Every line followed by a line end, as the library writes its lists.
void SetMemoLines(QPlainTextEdit& memo, const TextList& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    memo.setPlainText(LibraryText(text));
}

// Puts `lines`, each with its line end, before line `line` of the memo, or after its last line;
// the cursor returned selects them. Only the new text is laid out, however long the tree.
QTextCursor InsertLines(QPlainTextEdit& memo, std::int64_t line, const TextList& lines) {
    QTextDocument& document = *memo.document();
    QString text;
    for (const std::string& entry : lines) {
        text += LibraryText(entry) + QChar::LineFeed;
    }
    QTextCursor cursor(&document);
    const QTextBlock last = document.lastBlock();
    const std::int64_t count =
        last.length() > 1 ? document.blockCount() : document.blockCount() - 1;
    if (line < count) {
        cursor.setPosition(document.findBlockByNumber(static_cast<int>(line)).position());
    } else {
        cursor.movePosition(QTextCursor::End);
        if (last.length() > 1) {
            text.prepend(QChar::LineFeed); // the last line had no line end
        }
    }
    const int start = cursor.position();
    cursor.insertText(text);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    return cursor;
}

// Index of the selected entry, or -1: an entry that is only current is not selected.
int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.front());
}

// Marks the wizard as filing for the life of the object.
class FilingScope {
  public:
    explicit FilingScope(bool& filing) : filing_(filing) { filing_ = true; }
    ~FilingScope() { filing_ = false; }
    FilingScope(const FilingScope&) = delete;
    FilingScope& operator=(const FilingScope&) = delete;

  private:
    bool& filing_;
};

} // namespace

void Tlxedit::FillFolderList() {
    std::string bytes = ReadFileBytes(folders_.dataDir / LibraryFiles::kFolderTree);
    const TextList tree = ParseList(bytes);
    treeBase_ = std::move(bytes);
    SetMemoLines(*Memo4, tree);
    ListBox1->clear();
    FolderLineTable = lexiglade::FolderLineTable(tree);
    for (const std::int32_t line : FolderLineTable) {
        auto* item = new QListWidgetItem(LibraryText(tree[static_cast<std::size_t>(line)]));
        item->setSizeHint(QSize(ListBox1->width() - 4, kFolderItemHeight));
        ListBox1->addItem(item);
    }
    if (ListBox1->count() >= 2) {
        ListBox1->setCurrentRow(0);
    }
}

bool Tlxedit::ConfirmFolder(const QString& folder) {
    return AskVerify(tr("Do you want to place the puzzle \"%1\" in the \"%2\" folder?")
                         .arg(Edit1->text(), folder));
}

void Tlxedit::btnexistingfolderClick() {
    if (filing_) {
        return;
    }
    const int n = SelectedRow(*ListBox1);
    if (n < 0 || static_cast<std::size_t>(n) >= FolderLineTable.size()) {
        RaiseIndexOutOfBounds();
    }
    if (!ConfirmFolder(ListBox1->item(n)->text())) {
        return;
    }
    FileWithTreeLines(FolderLineTable[static_cast<std::size_t>(n)] + 1,
                      {PuzzleLine(LibraryBytes(Edit1->text()))});
}

void Tlxedit::btnaddfolderClick() {
    if (filing_) {
        return;
    }
    Label5->show();
    Edit2->setText(tr("MyFolder"));
    Edit2->show();
    if (ShowsKeyboardFocus(*this)) { // the keys go on in the name, ready to be typed over
        Edit2->setFocus(Qt::OtherFocusReason);
        Edit2->selectAll();
    }
}

bool Tlxedit::Edit2KeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    if (filing_) {
        return true;
    }
    const std::string folder = LibraryBytes(Edit2->text());
    if (BreaksTree(folder, true)) {
        ShowInformation(tr(kFolderNameBreaksTree));
        return true;
    }
    if (HoldsControlCharacter(folder)) {
        ShowInformation(tr(kFolderNameControl));
        return true;
    }
    if (!ConfirmFolder(Edit2->text())) {
        Label5->hide();
        Edit2->hide();
        return true;
    }
    FileWithTreeLines(std::numeric_limits<std::int64_t>::max(),
                      {folder, PuzzleLine(LibraryBytes(Edit1->text()))});
    return true;
}

void Tlxedit::FileWithTreeLines(std::int64_t line, const TextList& lines) {
    QTextCursor inserted = InsertLines(*Memo4, line, lines);
    try {
        FilingScope scope(filing_);
        AppendPuzzle();
    } catch (...) {
        inserted.removeSelectedText(); // a second try places the puzzle once
        throw;
    }
    ResetWizard();
}

void Tlxedit::AppendPuzzle() {
    const NewPuzzle puzzle{LibraryBytes(Edit1->text()), MemoText(*Memo1), MemoText(*Memo2),
                           MemoText(*Memo4), treeBase_};
    lexiglade::AppendPuzzle(folders_.dataDir, puzzle, [this](const std::string& text) {
        ShowStatus(TranslatedMessage(text));
    });
    StatusLabel->clear();
}

void Tlxedit::ShowStatus(const QString& text) {
    StatusLabel->setText(text);
    QCoreApplication::processEvents();
}

} // namespace lexiglade
