#include "wizard/Editor.h"

#include "library/LibraryFiles.h"
#include "library/Paths.h"
#include "platform/CaptionFit.h"
#include "platform/GdiFont.h"
#include "platform/Handlers.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "wizard/CheckMessages.h"
#include "wizard/Pictures.h"
#include "wizard/Validation.h"
#include "wizard/WizardGlyphs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <exception>
#include <initializer_list>

namespace lexiglade {

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& caption, int x, int y) {
    auto* label = new QLabel(caption, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    button->setAutoDefault(false); // Enter belongs to the edits
    return button;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const QRect& place) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setGeometry(place);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setTabChangesFocus(true);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

QLabel* MakeGlyphStore(QWidget* parent, const QPixmap& glyph, int x) {
    auto* image = new QLabel(parent);
    image->setGeometry(x, Tlxedit::kClientHeight + 10, kGlyphSize, kGlyphSize);
    image->setPixmap(glyph);
    return image;
}

} // namespace

std::string MemoText(const QPlainTextEdit& memo) {
    QString text = memo.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QChar::LineFeed);
    text.replace(QChar::LineSeparator, QChar::LineFeed);
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return LibraryBytes(text);
}

TextList MemoLines(const QPlainTextEdit& memo) {
    return ParseList(MemoText(memo));
}

Tlxedit::Tlxedit(DataFolders folders, QWidget* parent, PaletteRef palette)
    : QDialog(parent), folders_(std::move(folders)), palette_(std::move(palette)) {
    setWindowTitle(tr("Lexiglade Puzzle Create Wizard"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setWindowIcon(WizardIcon());
    setFont(ToQFont(CreateFont("System", -13)));
    CreateControls();
    CreateFolderControls();
    ConnectHandlers();
    setFixedSize(kFirstStepWidth, kClientHeight);
}

void Tlxedit::CreateControls() {
    Label2 = MakeLabel(this, tr("Puzzle Words"), 10, 5);
    Memo1 = MakeMemo(this, QRect(9, 26, 119, 191));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Label3 = MakeLabel(this, tr("Hints (Words/Phrases/Pictures)"), 141, 5);
    Memo2 = MakeMemo(this, QRect(140, 26, 232, 191));
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Label1 = MakeLabel(this, tr("Puzzle Name:"), 11, 227);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(10, 248, 185, 24);
    BitBtn1 = MakeButton(this, tr("Next"), QRect(11, 301, 90, 30));
    BitBtn1->setIcon(NextGlyph());
    BitBtn2 = MakeButton(this, tr("Cancel"), QRect(112, 301, 83, 30));
    StatusLabel = new QLabel(this);
    StatusLabel->setTextFormat(Qt::PlainText);
    StatusLabel->setGeometry(235, 320, 324, 18);
    StatusLabel->setFixedSize(324, 18);
    Memo4 = MakeMemo(this, QRect(200, 225, 179, 86));
    Memo4->setTabChangesFocus(false);
    Memo4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo4->setUndoRedoEnabled(false);
    Memo4->hide();
    Image1 = MakeGlyphStore(this, CancelGlyph(), 0);
    Image2 = MakeGlyphStore(this, GoBackGlyph(), kGlyphSize + 4);
    BitBtn2->setIcon(Image1->pixmap());
    WidenToCaption(*BitBtn1);
    WidenToCaption(*BitBtn2);
}

void Tlxedit::CreateFolderControls() {
    Label4 = MakeLabel(this, tr("Existing Folders:"), 383, 5);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(383, 27, 173, 142);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    btnexistingfolder = MakeButton(this, tr("Choose Selected Folder"), QRect(383, 176, 173, 25));
    Label6 = MakeLabel(this, tr("Or"), 455, 206);
    btnaddfolder = MakeButton(this, tr("Add New Folder"), QRect(384, 226, 173, 25));
    btnaddfolder->setIcon(NewFolderGlyph());
    Label5 = MakeLabel(this, tr("Folder Name:"), 383, 259);
    Label5->hide();
    Edit2 = new QLineEdit(this);
    Edit2->setGeometry(383, 281, 173, 24);
    Edit2->hide();
    Edit2->installEventFilter(this);
    WidenToCaption(*btnexistingfolder);
    WidenToCaption(*btnaddfolder);
}

void Tlxedit::ConnectHandlers() {
    connect(BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, Guarded([this] { BitBtn2Click(); }));
    connect(btnexistingfolder, &QPushButton::clicked, this,
            Guarded([this] { btnexistingfolderClick(); }));
    connect(btnaddfolder, &QPushButton::clicked, this, Guarded([this] { btnaddfolderClick(); }));
}

bool Tlxedit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        bool handled = false;
        Guarded([&] { handled = Edit2KeyDown(key); })();
        return handled || key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    return QDialog::eventFilter(watched, event);
}

void Tlxedit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void Tlxedit::closeEvent(QCloseEvent* event) {
    if (filing_) {
        event->ignore(); // the library is being written
        return;
    }
    QDialog::closeEvent(event);
}

// Escape does not close the wizard: only Cancel and the close box do. Enter on a button clicks it,
// as Space does.
void Tlxedit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        event->accept();
        return;
    }
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tlxedit::FormShow() {
    Memo4->move(-200, Memo4->y());
    StatusLabel->clear();
    ResetWizard();
}

void Tlxedit::SetInputsEnabled(bool enabled) {
    Memo1->setEnabled(enabled);
    Edit1->setEnabled(enabled);
    Memo2->setEnabled(enabled);
}

// Outside the narrowed window the folder controls take no focus.
void Tlxedit::SetFolderControlsEnabled(bool enabled) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{ListBox1, btnexistingfolder, btnaddfolder, Edit2}) {
        control->setEnabled(enabled);
    }
}

void Tlxedit::EnterFirstStep() {
    setFixedSize(kFirstStepWidth, kClientHeight);
    SetFolderControlsEnabled(false);
    WizardStep = Step::First;
    BitBtn1->show();
    BitBtn2->setIcon(Image1->pixmap());
    BitBtn2->setText(tr("Cancel"));
    SetInputsEnabled(true);
}

void Tlxedit::ResetWizard() {
    Memo1->clear();
    Edit1->clear();
    Memo2->clear();
    EnterFirstStep();
    Label5->hide();
    Edit2->clear();
    Edit2->hide();
}

void Tlxedit::BitBtn1Click() {
    if (WizardStep != Step::First) {
        return;
    }
    if (ValidatePuzzle()) {
        EnterFolderStep();
    }
}

void Tlxedit::BitBtn2Click() {
    if (filing_) {
        return;
    }
    if (WizardStep == Step::First) {
        close();
        return;
    }
    EnterFirstStep();
}

void Tlxedit::EnterFolderStep() {
    Edit2->clear();
    Edit2->hide();
    Label5->hide();
    setFixedSize(kFolderStepWidth, kClientHeight);
    WizardStep = Step::Folder;
    BitBtn1->hide();
    BitBtn2->setIcon(Image2->pixmap());
    BitBtn2->setText(tr("Go Back"));
    SetInputsEnabled(false);
    SetFolderControlsEnabled(true);
    FillFolderList();
    ListBox1->setFocus(Qt::OtherFocusReason);
}

bool Tlxedit::ValidatePuzzle() {
    const std::filesystem::path& dataDir = folders_.dataDir;
    const PuzzleEntry entry{LibraryBytes(Edit1->text()), MemoLines(*Memo1), MemoLines(*Memo2)};
    PuzzleChecks checks;
    checks.dataDir = dataDir;
    checks.titleTaken = [&](const std::string& title) {
        const TextList titles = ReadList(dataDir / LibraryFiles::kTitles);
        return std::find(titles.begin(), titles.end(), title) != titles.end();
    };
    checks.pictureExists = [&](const std::string& hint) {
        return FindPicture(dataDir, hint).has_value();
    };
    const Verdict verdict = lexiglade::ValidatePuzzle(entry, checks);
    if (!verdict.Passed()) {
        ShowInformation(VerdictText(verdict));
        PointAt(verdict.place);
        return false;
    }
    if (verdict.pictureHints) {
        NormalizePictures(folders_, entry.hints, palette_);
    }
    return true;
}

// The text cursor on what a check refused: the whole name, or the whole line of the memo (its end
// when the check names no line, or a line past the memo's last).
void Tlxedit::PointAt(const EntryPlace& place) {
    using Field = EntryPlace::Field;
    if (place.field == Field::Name) {
        Edit1->setFocus(Qt::OtherFocusReason);
        Edit1->selectAll();
        return;
    }
    QPlainTextEdit* memo = place.field == Field::Words   ? Memo1
                           : place.field == Field::Hints ? Memo2
                                                         : nullptr;
    if (memo == nullptr) {
        return;
    }
    QTextCursor cursor(memo->document());
    const QTextBlock line = place.line
                                ? memo->document()->findBlockByNumber(static_cast<int>(*place.line))
                                : QTextBlock();
    if (line.isValid()) {
        cursor.setPosition(line.position());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    } else {
        cursor.movePosition(QTextCursor::End);
    }
    memo->setTextCursor(cursor);
    memo->setFocus(Qt::OtherFocusReason);
}

} // namespace lexiglade
