#include "platform/Printer.h"

#include "platform/GdiError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace lexiglade {

namespace {

[[noreturn]] void Fail(const QString& text) {
    throw PlatformError(text.toLocal8Bit().toStdString());
}

// "name.pdf" for job 1, "name-2.pdf" for job 2, and so on.
QString NumberedFile(const QString& path, int job) {
    if (job <= 1) {
        return path;
    }
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : '.' + info.suffix();
    const QString stem = path.left(path.size() - suffix.size());
    return stem + '-' + QString::number(job) + suffix;
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
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    chosenFile_ = device_->outputFileName();
    fileJobs_ = 0;
    return true;
}

void Printer::SelectFile(const QString& path) {
    RequireIdle();
    device_->setOutputFileName(path);
    chosenFile_ = path;
    fileJobs_ = 0;
}

void Printer::SetPortrait() {
    RequireIdle();
    device_->setPageOrientation(QPageLayout::Portrait);
}

PrinterCanvas& Printer::StartDoc(const std::string& title) {
    RequireIdle();
    RequireDestination();
    device_->setDocName(QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size())));
    device_->setCopyCount(1);
    device_->setPrintRange(QPrinter::AllPages);
    const QString file = NextFileName();
    if (!file.isEmpty()) {
        device_->setOutputFileName(file);
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device_.get())) {
        device_->setOutputFileName(chosenFile_);
        Fail(file.isEmpty() ? QStringLiteral("Printer selected is not valid")
                            : QStringLiteral("Cannot create file ") + file);
    }
    painter_ = std::move(painter);
    canvas_ = std::make_unique<PrinterCanvas>(*painter_);
    return *canvas_;
}

void Printer::EndDoc() {
    if (!Printing()) {
        Fail(QStringLiteral("Printer is not currently printing"));
    }
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

void Printer::Finish() {
    canvas_.reset();
    painter_.reset();
    if (!chosenFile_.isEmpty()) {
        device_->setOutputFileName(chosenFile_);
    }
}

void Printer::RequireIdle() const {
    if (Printing()) {
        Fail(QStringLiteral("Printing in progress"));
    }
}

void Printer::RequireDestination() const {
    const bool queue =
        device_->outputFormat() == QPrinter::NativeFormat && !device_->printerName().isEmpty();
    if (!queue && chosenFile_.isEmpty()) {
        Fail(QStringLiteral("There is no default printer currently selected"));
    }
}

QString Printer::NextFileName() {
    if (chosenFile_.isEmpty()) {
        return {};
    }
    return NumberedFile(chosenFile_, ++fileJobs_);
}

Printer& DefaultPrinter() {
    std::unique_ptr<Printer>& printer = PrinterSlot();
    if (!printer) {
        printer = std::make_unique<Printer>();
        qAddPostRoutine(ReleaseDefaultPrinter);
    }
    return *printer;
}

PrintJob::PrintJob(Printer& printer, const std::string& title)
    : printer_(printer), canvas_(printer.StartDoc(title)) {}

PrintJob::~PrintJob() {
    if (!ended_) {
        printer_.AbortDoc();
    }
}

void PrintJob::End() {
    ended_ = true;
    printer_.EndDoc();
}

} // namespace lexiglade
