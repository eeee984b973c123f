// The printer-setup hotspot: the standard print dialog, whose choice applies to later prints.
#include "ModalDriver.h"
#include "PdfTools.h"
#include "PrintFixture.h"

#include "platform/Printer.h"
#include "print/PrintPage.h"
#include "print/Printdlg.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <gtest/gtest.h>

namespace lexiglade::test {

namespace {

// Picks "Print to File (PDF)" with `path`, then confirms or cancels the dialog.
void ChooseFile(QDialog* dialog, const std::string& path, bool confirm) {
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(printers, nullptr);
    ASSERT_NE(file, nullptr);
    printers->setCurrentIndex(printers->findText(QStringLiteral("Print to File (PDF)")));
    file->setText(QString::fromStdString(path));
    if (confirm) {
        dialog->accept();
    } else {
        dialog->reject();
    }
}

using PrinterSetup = PrintFixture;

TEST_F(PrinterSetup, TheFileChosenTakesTheNextPrintsAndCancelChangesNothing) {
    const std::string chosen = Folder() / "chosen.pdf";
    ModalDriver driver;
    QString caption;
    driver.OnDialog([&](QDialog* dialog) {
        caption = dialog->windowTitle();
        EXPECT_NE(qobject_cast<QPrintDialog*>(dialog), nullptr);
        ChooseFile(dialog, chosen, true);
    });
    RunPrinterSetup(nullptr);
    EXPECT_EQ(caption, QStringLiteral("Print Setup"));
    EXPECT_EQ(DefaultPrinter().ChosenFile().toStdString(), chosen);
    driver.OnDialog([&](QDialog* dialog) { ChooseFile(dialog, Folder() / "other.pdf", false); });
    RunPrinterSetup(nullptr);
    EXPECT_EQ(driver.DialogsSeen(), 2);
    PrintCopies(2, false, false, {});
    EXPECT_EQ(FolderEntries(Folder().Path()),
              (std::vector<std::string>{"chosen-2.pdf", "chosen.pdf"}));
    for (const char* name : {"chosen.pdf", "chosen-2.pdf"}) {
        EXPECT_EQ(PdfInfoField(Folder() / name, QStringLiteral("Pages")), QStringLiteral("1"));
        EXPECT_TRUE(IsPortrait(Folder() / name));
    }
    EXPECT_TRUE(driver.Boxes().empty());
}

// Copies, page ranges and orientation chosen in the setup do not change one job of one page.
TEST_F(PrinterSetup, EveryJobIsOneCopyOfOnePortraitPage) {
    QPrinter& device = DefaultPrinter().Device();
    device.setCopyCount(3);
    device.setPageOrientation(QPageLayout::Landscape);
    PrintCopies(1, false, false, {});
    const std::vector<std::string> files = PrintedFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(PdfInfoField(files[0], QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_TRUE(IsPortrait(files[0]));
    EXPECT_EQ(device.copyCount(), 1);
}

} // namespace

} // namespace lexiglade::test
