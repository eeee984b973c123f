// Printing with no printer: the copies go to a new PDF file named after the puzzle in the player's
// documents folder, and a box says where.
#include "GameLog.h"
#include "ModalDriver.h"
#include "PdfTools.h"
#include "PrintFixture.h"
#include "PrivateHome.h"
#include "PuzzleSetup.h"

#include "platform/GdiError.h"
#include "platform/printer/Printer.h"
#include "print/FileWithoutPrinter.h"
#include "print/PrintPage.h"
#include "print/Printdlg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace lexiglade::test {

namespace {

class NoPrinter : public PrintFixture {
  protected:
    void SetUp() override {
        PrintFixture::SetUp();
        DefaultPrinter().SelectFile(QString());
        ASSERT_FALSE(DefaultPrinter().HasDestination());
    }

    // The print hotspot's sequence with `copies` typed; returns the boxes shown.
    std::vector<SeenBox> PrintFromTheDialog(int copies) {
        ModalDriver driver;
        driver.OnDialog([copies](QDialog* dialog) {
            auto* form = static_cast<Tprndlg*>(dialog);
            form->Edit1->setText(QString::number(copies));
            form->OKBtn->click();
        });
        PrintPuzzle(nullptr, Printed(false, {}));
        return driver.Boxes();
    }

    PrivateHome home;
};

TEST_F(NoPrinter, CopiesGoToANewFileNamedAfterThePuzzleAndNeverOverAnEarlierOne) {
    const std::string first = home.Documents() + "/Animals of the World.pdf";
    const std::string second = home.Documents() + "/Animals of the World (2).pdf";
    const std::string third = home.Documents() + "/Animals of the World (3).pdf";
    ASSERT_FALSE(QFileInfo::exists(QString::fromStdString(home.Documents())));
    const struct {
        int copies;
        std::string file;
    } prints[] = {{2, first}, {1, second}, {3, third}};
    std::vector<std::string> made;
    const GameLog log;
    for (const auto& print : prints) {
        SCOPED_TRACE(print.file);
        const std::string before = made.empty() ? std::string() : ReadBytes(made.front());
        const std::vector<SeenBox> boxes = PrintFromTheDialog(print.copies);
        EXPECT_EQ(log.Holding(QString::fromStdString(print.file)).size(), 1)
            << log.Joined().toStdString();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0].text, QStringLiteral("Click OK to print!"));
        EXPECT_EQ(boxes[1].caption, QStringLiteral("Information"));
        EXPECT_EQ(boxes[1].icon, QMessageBox::Information);
        EXPECT_TRUE(boxes[1].text.endsWith(QString::fromStdString(print.file)))
            << boxes[1].text.toStdString();
        EXPECT_EQ(PdfPages(print.file), print.copies);
        EXPECT_TRUE(PdfText(print.file, 1).contains(QStringLiteral("Animals of the World")));
        if (!made.empty()) {
            EXPECT_EQ(ReadBytes(made.front()), before);
        }
        made.push_back(print.file);
    }
    EXPECT_EQ(
        FolderEntries(home.Documents()),
        (std::vector<std::string>{"Animals of the World (2).pdf", "Animals of the World (3).pdf",
                                  "Animals of the World.pdf"}));
    EXPECT_FALSE(DefaultPrinter().HasDestination());
}

// A documents folder that cannot be made fails like a file that cannot be written: the error box,
// nothing printed, and nothing left behind.
TEST_F(NoPrinter, ADocumentsFolderThatCannotBeMadeFailsWithTheFilesName) {
    WriteBytes(home.Documents(), "not a folder");
    try {
        PrintCopies({1, false}, Printed(false, {}));
        FAIL() << "printed without a folder";
    } catch (const PlatformError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file " + home.Documents() + "/Animals of the World.pdf");
    }
    EXPECT_FALSE(DefaultPrinter().Printing());
    EXPECT_EQ(ReadBytes(home.Documents()), "not a folder");
}

// The file is reserved before the job begins, and given up when the job cannot begin.
TEST_F(NoPrinter, AFileThatCannotBeWrittenIsNotLeftBehind) {
    QDir().mkpath(QString::fromStdString(home.Documents()));
    const bool failed = RunWithoutPrivileges([&] {
        QFile::setPermissions(QString::fromStdString(home.Documents()),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        try {
            PrintCopies({1, false}, Printed(false, {}));
            return false;
        } catch (const PlatformError&) {
            return FolderEntries(home.Documents()).empty();
        }
    });
    EXPECT_TRUE(failed);
}

TEST(PdfName, SafeFileNamesFromTitles) {
    const struct {
        std::string title;
        const char* name;
    } cases[] = {
        {"Animals of the World", "Animals of the World.pdf"},
        {"AC/DC: Songs?", "AC_DC_ Songs_.pdf"},
        {"a\\b*c\"d<e>f|g", "a_b_c_d_e_f_g.pdf"},
        {"  .hidden. ", "hidden.pdf"},
        {"...", "Puzzle.pdf"},
        {"", "Puzzle.pdf"},
        {"Tab\there", "Tab_here.pdf"},
        {"Caf\xE9", "Caf\u00E9.pdf"},
        {std::string(150, 'x'), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const QString name = PdfNameFor(c.title);
        if (c.name != nullptr) {
            EXPECT_EQ(name, QString::fromUtf8(c.name));
        } else {
            EXPECT_EQ(name, QString(100, 'x') + QStringLiteral(".pdf"));
        }
    }
}

} // namespace

} // namespace lexiglade::test
