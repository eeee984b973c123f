#pragma once
// The printer of the run, over Qt PrintSupport: the system's print queues or a PDF file, at the
// printer's high resolution. Failures throw PlatformError with the text the general error box
// shows.
#include "platform/printer/PrinterCanvas.h"

#include <QString>

#include <memory>
#include <string>

class QPainter;
class QPrinter;
class QWidget;

namespace lexiglade {

class Printer {
  public:
    // The system's default queue, or nothing when there is none.
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The standard print dialog, confirmed with "OK"; the printer, paper or PDF file chosen there
    // applies to every later print. False when it was cancelled, with nothing changed. "Printing in
    // progress" during a document.
    bool Setup(QWidget* owner);
    // A PDF file as the output, as the dialog's "Print to File" does; empty goes back to the queue.
    // Every document written to it replaces the one before.
    void SelectFile(const QString& path);
    QString ChosenFile() const { return chosenFile_; }
    // Whether documents have somewhere to go without a file of their own: a queue or a chosen file.
    bool HasDestination() const;

    // Portrait page orientation, whatever the setup chose; "Printing in progress" during a
    // document.
    void SetPortrait();
    // Begins a document, one copy, on its first page: a job on the queue, or the PDF file `file`
    // when given, else the chosen file. "Printing in progress" during another document; "There is
    // no default printer currently selected" with no destination; "Cannot create file %s" when the
    // file cannot be written.
    PrinterCanvas& StartDoc(const std::string& title, const QString& file = {});
    // Ends the page and begins the next one of the same document; pending events are served first.
    PrinterCanvas& NewPage();
    // Ends the page and the document. Pending events are served first, as the platform's abort
    // procedure does while a job spools; the document always goes on.
    void EndDoc();
    // Ends the document in progress without finishing its page where the output allows it.
    void AbortDoc();
    bool Printing() const { return painter_ != nullptr; }

    // The Qt printer, for its settings.
    QPrinter& Device() { return *device_; }

  private:
    void RequireIdle() const;
    void RequirePrinting() const;
    void Finish();

    std::unique_ptr<QPrinter> device_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PrinterCanvas> canvas_;
    QString chosenFile_;
};

// The one printer of the run, made on first use and released with the application object.
Printer& DefaultPrinter();

// The pages of one print of several copies. On a queue each copy is a job of its own; into a PDF
// file all the copies are consecutive pages of one document. A document left unfinished, because
// the print ended early, is aborted.
class PrintRun {
  public:
    // Into `file` when given, a PDF file the printer would otherwise not write.
    PrintRun(Printer& printer, std::string title, QString file = {});
    ~PrintRun();
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

    // The first page of the next copy, in portrait.
    PrinterCanvas& StartCopy();
    // Another page of the copy in progress.
    PrinterCanvas& NextPage();
    void EndCopy();
    // Ends the print; a PDF file is complete only now.
    void End();

  private:
    Printer& printer_;
    std::string title_;
    QString file_;
    bool oneDocument_;
    bool open_ = false;
};

} // namespace lexiglade
