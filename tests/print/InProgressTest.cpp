// A print or printer setup asked for while a job spools fails, and the job goes on.
#include "ModalDriver.h"
#include "PdfTools.h"
#include "PrintFixture.h"
#include "PuzzleSetup.h"

#include "platform/printer/Printer.h"
#include "print/PrintPage.h"
#include "print/Printdlg.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace lexiglade::test {

namespace {

// A hotspot press: runs `press` from an event, so that what it throws reaches the error box.
class Hotspot : public QObject {
  public:
    explicit Hotspot(std::function<void()> press) : press_(std::move(press)) {}
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) {
            return QObject::event(event);
        }
        sawJob = DefaultPrinter().Printing();
        press_();
        return true;
    }
    bool sawJob = false;

  private:
    std::function<void()> press_;
};

using PrintInProgress = PrintFixture;

TEST_F(PrintInProgress, APrintAskedForMeanwhileFailsAndTheJobGoesOn) {
    const std::string title = OnScreen().LoadedPuzzle.title;
    ModalDriver driver;
    driver.OnDialog([](QDialog* dialog) {
        auto* form = static_cast<Tprndlg*>(dialog);
        form->Edit1->setText(QStringLiteral("1"));
        form->OKBtn->click();
    });
    Hotspot print([] { PrintPuzzle(nullptr, Printed(false, {})); });
    Hotspot setup([] { RunPrinterSetup(nullptr); });
    // Delivered by the first event processing there is: the one while the first job spools.
    QCoreApplication::postEvent(&print, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&setup, new QEvent(QEvent::User));
    PrintCopies({3, false}, Printed(false, {}));
    EXPECT_TRUE(print.sawJob);
    EXPECT_TRUE(setup.sawJob);
    EXPECT_EQ(driver.DialogsSeen(), 1);
    // The setup fails while the print's own boxes are open, so the order of the boxes varies.
    std::map<QString, int> seen;
    for (const SeenBox& box : driver.Boxes()) {
        ++seen[box.caption + ": " + box.text];
        EXPECT_EQ(box.icon, box.caption == QStringLiteral("Lexiglade") ? QMessageBox::Critical
                                                                       : QMessageBox::Information);
    }
    EXPECT_EQ(seen, (std::map<QString, int>{{"Information: Click OK to print!", 1},
                                            {"Lexiglade: Printing in progress.", 2}}));
    // The three copies are the three pages of the one document, which nothing disturbed.
    EXPECT_EQ(PrintedFiles(), std::vector<std::string>{Output()});
    EXPECT_EQ(PdfPages(Output()), 3);
    for (int page = 1; page <= 3; ++page) {
        EXPECT_TRUE(
            SqueezedLines(PdfText(Output(), page)).contains(QStringLiteral("AnimalsoftheWorld")))
            << page;
    }
    EXPECT_FALSE(DefaultPrinter().Printing());
    PrintCopies({1, false}, Printed(false, {}));
    EXPECT_EQ(PdfPages(Output()), 1);
}

} // namespace

} // namespace lexiglade::test
