#include "print/Printdlg.h"

#include "library/Errors.h"
#include "platform/CaptionFit.h"
#include "platform/GdiBitmap.h"
#include "platform/GdiFont.h"
#include "platform/MessageBoxes.h"
#include "platform/SurfaceForm.h"
#include "platform/printer/Printer.h"
#include "print/DialogGlyphs.h"
#include "print/PrintPage.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QValidator>

#include <algorithm>
#include <utility>
#include <vector>

namespace lexiglade {

namespace {

Tprndlg* liveForm = nullptr;

// Letters typed into the copy count become capitals.
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

// The copy count typed: 0 for anything that is not a number.
std::int32_t CopiesOf(const QString& text) {
    try {
        return StrToInt(text.toStdString());
    } catch (const LibraryError&) {
        return 0;
    }
}

// Shown over `owner`, which may be a stay-on-top screen, and given back to its own parent after.
void ShowModalOver(Tprndlg& dialog, QWidget* owner) {
    const QPointer<QWidget> home = dialog.parentWidget();
    const Qt::WindowFlags flags = dialog.windowFlags();
    QWidget* over = owner != nullptr ? owner->window() : nullptr;
    if (over != nullptr && over != home) {
        dialog.setParent(over, flags);
    }
    dialog.exec();
    if (dialog.parentWidget() != home) {
        dialog.setParent(home, flags);
    }
    SurfaceForm::InvalidateAll(); // the screens under the dialog are painted again, once
}

QString WentToFileMessage(const QString& path) {
    return Tprndlg::tr("There is no printer, so the puzzle was printed to the file\n%1")
        .arg(QDir::toNativeSeparators(path));
}

Tprndlg& PrintDialog(QWidget* owner) {
    if (Tprndlg::Form() == nullptr) {
        new Tprndlg(owner);
    }
    return *Tprndlg::Form();
}

} // namespace

std::vector<QImage> CopyPictures(std::span<const std::unique_ptr<Bitmap>> bitmaps) {
    std::vector<QImage> pictures;
    for (const std::unique_ptr<Bitmap>& bitmap : bitmaps) {
        pictures.push_back(bitmap ? bitmap->Image() : QImage());
    }
    return pictures;
}

PrintOutcome PrintPuzzle(QWidget* owner, const PrintedPuzzle& puzzle) {
    PrintOutcome outcome{.choice = PrintDialog(owner).Ask(owner), .freshGrids = {}};
    if (outcome.choice.copies > 0) {
        ShowInformation(Tprndlg::tr("Click OK to print!"));
    }
    if (outcome.choice.copies > 0) {
        PrintedCopies printed = PrintCopies(outcome.choice, puzzle);
        outcome.freshGrids = std::move(printed.freshGrids);
        if (!printed.file.isEmpty()) {
            ShowInformation(WentToFileMessage(printed.file));
        }
    }
    return outcome;
}

void RunPrinterSetup(QWidget* owner) {
    DefaultPrinter().Setup(owner != nullptr ? owner : DialogOwner());
    SurfaceForm::InvalidateAll();
}

Tprndlg::Tprndlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Print"));
    setFixedSize(317, 214);
    setFont(ToQFont(CreateFont("MS Sans Serif", -11, true)));
    CreateControls();
    liveForm = this;
}

Tprndlg::~Tprndlg() {
    if (liveForm == this) {
        liveForm = nullptr;
    }
}

Tprndlg* Tprndlg::Form() {
    return liveForm;
}

void Tprndlg::CreateControls() {
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 9, 300, 161);
    Label1 = new QLabel(tr("Number of copies"), this);
    Label1->move(79, 57);
    Label1->adjustSize();
    Edit1 = new QLineEdit(QStringLiteral("1"), this);
    Edit1->setGeometry(36, 53, 34, 21);
    Edit1->setMaxLength(2);
    Edit1->setValidator(new UpperCaseValidator(Edit1));
    CheckBox1 = new QCheckBox(tr("Make each copy unique"), this);
    CheckBox1->setGeometry(37, 102, 173, 16);
    CheckBox2 = new QCheckBox(tr("Print answer key"), this);
    CheckBox2->setGeometry(37, 130, 173, 16);
    OKBtn = new QPushButton(PrintOkGlyph(), tr("OK"), this);
    OKBtn->setGeometry(140, 180, 77, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &Tprndlg::OKBtnClick);
    CancelBtn = new QPushButton(PrintCancelGlyph(), tr("Cancel"), this);
    CancelBtn->setGeometry(231, 180, 77, 27);
    connect(CancelBtn, &QPushButton::clicked, this, &Tprndlg::CancelBtnClick);
    FitCaptions();
}

// Longer captions widen the check boxes to the right and the buttons to the left, within the frame,
// the buttons keeping their designed gap.
void Tprndlg::FitCaptions() {
    const int gap = CancelBtn->x() - OKBtn->geometry().right();
    WidenToCaption(*CheckBox1);
    WidenToCaption(*CheckBox2);
    WidenToCaption(*CancelBtn, Qt::AlignRight);
    WidenToCaption(*OKBtn, Qt::AlignRight);
    OKBtn->move(std::min(OKBtn->x(), CancelBtn->x() - gap - OKBtn->width() + 1), OKBtn->y());
}

// Centred once its frame is known.
void Tprndlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shownOn = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shownOn->availableGeometry().center());
        move(frame.topLeft());
    }
    OKBtn->setFocus(Qt::OtherFocusReason);
}

PrintChoice Tprndlg::Ask(QWidget* owner) {
    choice_ = PrintChoice{};
    ShowModalOver(*this, owner);
    return choice_;
}

void Tprndlg::OKBtnClick() {
    choice_ = {CopiesOf(Edit1->text()), CheckBox1->isChecked(), CheckBox2->isChecked()};
    accept();
}

void Tprndlg::CancelBtnClick() {
    choice_.copies = 0;
    reject();
}

} // namespace lexiglade
