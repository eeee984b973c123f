#pragma once
// The printer of the run, over Qt PrintSupport: the system's print queues or a PDF file, at the
// printer's high resolution, one job per page. Failures throw PlatformError with the text the
// general error box shows.
#include "platform/PrinterCanvas.h"

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

    // The standard print dialog; the printer, paper or PDF file chosen there applies to every later
    // job. False when it was cancelled, with nothing changed. "Printing in progress" during a job.
    bool Setup(QWidget* owner);
    // A PDF file as the output, as the dialog's "Print to File" does; empty goes back to the queue.
    // Job n (from 2) after the choice writes the name with "-n" before its suffix, so no job of
    // the run overwrites another.
    void SelectFile(const QString& path);
    QString ChosenFile() const { return chosenFile_; }

    // Portrait page orientation, whatever the setup chose; "Printing in progress" during a job.
    void SetPortrait();
    // Begins a job of one page with one copy. "Printing in progress" during another job; "There is
    // no default printer currently selected" with neither a queue nor a file; "Cannot create file
    // %s" when the file cannot be written.
    PrinterCanvas& StartDoc(const std::string& title);
    // Ends the page and the job. Pending events are served first, as the platform's abort
    // procedure does while a job spools; the job always goes on.
    void EndDoc();
    // Ends the job in progress without finishing its page where the output allows it.
    void AbortDoc();
    bool Printing() const { return painter_ != nullptr; }

    // The Qt printer, for its settings.
    QPrinter& Device() { return *device_; }

  private:
    void RequireIdle() const;
    void RequireDestination() const;
    QString NextFileName();
    void Finish();

    std::unique_ptr<QPrinter> device_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PrinterCanvas> canvas_;
    QString chosenFile_;
    int fileJobs_ = 0;
};

// The one printer of the run, made on first use and released with the application object.
Printer& DefaultPrinter();

// One job of one page: started on construction, ended by End, aborted if End was not reached.
class PrintJob {
  public:
    PrintJob(Printer& printer, const std::string& title);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    PrinterCanvas& Canvas() { return canvas_; }
    void End();

  private:
    Printer& printer_;
    PrinterCanvas& canvas_;
    bool ended_ = false;
};

} // namespace lexiglade
