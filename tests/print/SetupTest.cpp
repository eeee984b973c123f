// The printer-setup hotspot: the standard print dialog, whose choice applies to later prints.
#include "ModalDriver.h"
#include "PdfTools.h"
#include "PrintFixture.h"
#include "PuzzleSetup.h"

#include "platform/printer/Printer.h"
#include "print/PrintPage.h"
#include "print/Printdlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

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
    QString confirm;
    driver.OnDialog([&](QDialog* dialog) {
        caption = dialog->windowTitle();
        const auto* buttons = dialog->findChild<QDialogButtonBox*>();
        confirm = buttons != nullptr && buttons->button(QDialogButtonBox::Ok) != nullptr
                      ? buttons->button(QDialogButtonBox::Ok)->text()
                      : QString();
        EXPECT_NE(qobject_cast<QPrintDialog*>(dialog), nullptr);
        ChooseFile(dialog, chosen, true);
    });
    RunPrinterSetup(nullptr);
    EXPECT_EQ(caption, QStringLiteral("Print Setup"));
    EXPECT_EQ(confirm, QStringLiteral("OK"));
    EXPECT_EQ(DefaultPrinter().ChosenFile().toStdString(), chosen);
    driver.OnDialog([&](QDialog* dialog) { ChooseFile(dialog, Folder() / "other.pdf", false); });
    RunPrinterSetup(nullptr);
    EXPECT_EQ(driver.DialogsSeen(), 2);
    PrintCopies({2, false}, Printed(false, {}));
    EXPECT_EQ(FolderEntries(Folder().Path()), std::vector<std::string>{"chosen.pdf"});
    EXPECT_EQ(PdfPages(chosen), 2);
    EXPECT_TRUE(IsPortrait(chosen));
    // The next print takes the file chosen again, whatever became of the one before.
    QFile::remove(QString::fromStdString(chosen));
    PrintCopies({3, false}, Printed(false, {}));
    EXPECT_EQ(FolderEntries(Folder().Path()), std::vector<std::string>{"chosen.pdf"});
    EXPECT_EQ(PdfPages(chosen), 3);
    EXPECT_TRUE(driver.Boxes().empty());
}

// Copies, page ranges and orientation chosen in the setup do not change one job of one page.
TEST_F(PrinterSetup, EveryJobIsOneCopyOfOnePortraitPage) {
    QPrinter& device = DefaultPrinter().Device();
    device.setCopyCount(3);
    device.setPageOrientation(QPageLayout::Landscape);
    PrintCopies({1, false}, Printed(false, {}));
    const std::vector<std::string> files = PrintedFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(PdfPages(files[0]), 1);
    EXPECT_TRUE(IsPortrait(files[0]));
    EXPECT_EQ(device.copyCount(), 1);
}

} // namespace

} // namespace lexiglade::test
