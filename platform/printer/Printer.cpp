#include "platform/printer/Printer.h"

#include "platform/GdiError.h"
#include "platform/Texts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <stdexcept>
#include <utility>

namespace lexiglade {

namespace {

constexpr const char* kSetupCaption = QT_TRANSLATE_NOOP("Printer", "Print Setup");
constexpr const char* kSetupConfirm = QT_TRANSLATE_NOOP("Printer", "OK");

[[noreturn]] void Fail(const QString& text) {
    throw PlatformError(text.toLocal8Bit().toStdString());
}

std::unique_ptr<Printer>& PrinterSlot() {
    static std::unique_ptr<Printer> printer;
    return printer;
}

void ReleaseDefaultPrinter() {
    PrinterSlot().reset();
}

} // namespace

Printer::Printer() : device_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    chosenFile_ = device_->outputFileName();
}

Printer::~Printer() {
    if (Printing()) {
        AbortDoc();
    }
}

bool Printer::Setup(QWidget* owner) {
    RequireIdle();
    QPrintDialog dialog(device_.get(), owner);
    dialog.setWindowTitle(QCoreApplication::translate("Printer", kSetupCaption));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only chooses; printing starts elsewhere.
    for (auto* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok)) {
            confirm->setText(QCoreApplication::translate("Printer", kSetupConfirm));
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    chosenFile_ = device_->outputFileName();
    return true;
}

void Printer::SelectFile(const QString& path) {
    RequireIdle();
    device_->setOutputFileName(path);
    chosenFile_ = path;
}

bool Printer::HasDestination() const {
    const bool queue =
        device_->outputFormat() == QPrinter::NativeFormat && !device_->printerName().isEmpty();
    return queue || !chosenFile_.isEmpty();
}

void Printer::SetPortrait() {
    RequireIdle();
    device_->setPageOrientation(QPageLayout::Portrait);
}

PrinterCanvas& Printer::StartDoc(const std::string& title, const QString& file) {
    RequireIdle();
    if (file.isEmpty() && !HasDestination()) {
        Fail(QStringLiteral("There is no default printer currently selected"));
    }
    device_->setDocName(LibraryText(title));
    device_->setCopyCount(1);
    device_->setPrintRange(QPrinter::AllPages);
    const QString output = file.isEmpty() ? chosenFile_ : file;
    if (!file.isEmpty()) {
        device_->setOutputFileName(file);
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device_.get())) {
        device_->setOutputFileName(chosenFile_);
        Fail(output.isEmpty() ? QStringLiteral("Printer selected is not valid")
                              : QStringLiteral("Cannot create file ") + output);
    }
    painter_ = std::move(painter);
    canvas_ = std::make_unique<PrinterCanvas>(*painter_);
    return *canvas_;
}

PrinterCanvas& Printer::NewPage() {
    RequirePrinting();
    QCoreApplication::processEvents();
    if (!device_->newPage()) {
        Fail(QStringLiteral("Printer is not currently printing"));
    }
    return *canvas_;
}

void Printer::EndDoc() {
    RequirePrinting();
    QCoreApplication::processEvents();
    painter_->end();
    Finish();
}

void Printer::AbortDoc() {
    if (!Printing()) {
        return;
    }
    device_->abort();
    painter_->end();
    Finish();
}

// A file of one document's own gives way to the chosen output again.
void Printer::Finish() {
    canvas_.reset();
    painter_.reset();
    if (device_->outputFileName() != chosenFile_) {
        device_->setOutputFileName(chosenFile_);
    }
}

void Printer::RequireIdle() const {
    if (Printing()) {
        Fail(QStringLiteral("Printing in progress"));
    }
}

void Printer::RequirePrinting() const {
    if (!Printing()) {
        Fail(QStringLiteral("Printer is not currently printing"));
    }
}

Printer& DefaultPrinter() {
    std::unique_ptr<Printer>& printer = PrinterSlot();
    if (!printer) {
        printer = std::make_unique<Printer>();
        qAddPostRoutine(ReleaseDefaultPrinter);
    }
    return *printer;
}

PrintRun::PrintRun(Printer& printer, std::string title, QString file)
    : printer_(printer), title_(std::move(title)), file_(std::move(file)),
      oneDocument_(!file_.isEmpty() || !printer.ChosenFile().isEmpty()) {}

PrintRun::~PrintRun() {
    if (open_) {
        printer_.AbortDoc();
    }
}

PrinterCanvas& PrintRun::StartCopy() {
    if (open_) {
        return printer_.NewPage();
    }
    printer_.SetPortrait();
    PrinterCanvas& canvas = printer_.StartDoc(title_, file_);
    open_ = true;
    return canvas;
}

PrinterCanvas& PrintRun::NextPage() {
    if (!open_) {
        throw std::logic_error("a page asked for before its copy");
    }
    return printer_.NewPage();
}

void PrintRun::EndCopy() {
    if (!oneDocument_) {
        End();
    }
}

void PrintRun::End() {
    if (open_) {
        open_ = false;
        printer_.EndDoc();
    }
}

} // namespace lexiglade
