// The print dialog: its design, and the copy counts a player types into it.
#include "ModalDriver.h"
#include "PdfTools.h"
#include "PrintFixture.h"
#include "PuzzleSetup.h"

#include "platform/printer/Printer.h"
#include "print/Printdlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace lexiglade::test {

namespace {

Tprndlg& Form() {
    if (Tprndlg::Form() == nullptr) {
        new Tprndlg();
    }
    return *Tprndlg::Form();
}

// Types `text` over whatever Edit1 holds, as a player would.
void Type(Tprndlg& form, const QString& text) {
    form.Edit1->selectAll();
    form.Edit1->del();
    QTest::keyClicks(form.Edit1, text);
}

using PrintDialog = PrintFixture;

TEST_F(PrintDialog, DesignValues) {
    Tprndlg& form = Form();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Print"));
    EXPECT_EQ(form.size(), QSize(317, 214));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(form.font().bold());
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(form.Bevel1->geometry(), QRect(8, 9, 300, 161));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Number of copies"));
    EXPECT_EQ(form.Label1->pos(), QPoint(79, 57));
    EXPECT_EQ(form.Edit1->geometry(), QRect(36, 53, 34, 21));
    EXPECT_EQ(form.Edit1->maxLength(), 2);
    EXPECT_EQ(form.CheckBox1->text(), QStringLiteral("Make each copy unique"));
    EXPECT_EQ(form.CheckBox1->geometry(), QRect(37, 102, 173, 16));
    EXPECT_EQ(form.CheckBox2->text(), QStringLiteral("Print answer key"));
    EXPECT_EQ(form.CheckBox2->geometry(), QRect(37, 130, 173, 16));
    EXPECT_TRUE(form.Bevel1->geometry().contains(form.CheckBox2->geometry()));
    EXPECT_GE(form.CheckBox2->geometry().width(), form.CheckBox2->sizeHint().width());
    EXPECT_EQ(form.OKBtn->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.OKBtn->geometry(), QRect(140, 180, 77, 27));
    EXPECT_FALSE(form.OKBtn->icon().isNull());
    EXPECT_TRUE(form.OKBtn->isDefault());
    EXPECT_EQ(form.CancelBtn->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(form.CancelBtn->geometry(), QRect(231, 180, 77, 27));
}

// Shown centred over the screen that asks for it, and given back to its own parent after.
TEST_F(PrintDialog, OpensCentredWithOkFocusedAndTypesCapitals) {
    Tprndlg& form = Form();
    QWidget* const home = form.parentWidget();
    QWidget owner;
    owner.show();
    ModalDriver driver;
    bool okFocused = false;
    bool active = false;
    QWidget* parentShown = nullptr;
    QPoint centre;
    QString typed;
    driver.OnDialog([&](QDialog*) {
        active = QApplication::activeWindow() == &form;
        okFocused = form.OKBtn->hasFocus();
        parentShown = form.parentWidget();
        centre = form.frameGeometry().center();
        Type(form, QStringLiteral("ab"));
        typed = form.Edit1->text();
        Type(form, QStringLiteral("123"));
        form.CancelBtn->click();
    });
    PrintPuzzle(&owner, Printed(false, {}));
    EXPECT_TRUE(active);
    EXPECT_TRUE(okFocused);
    EXPECT_EQ(parentShown, &owner);
    EXPECT_EQ(form.parentWidget(), home);
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2);
    EXPECT_EQ(typed, QStringLiteral("AB"));
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("12"));
}

TEST_F(PrintDialog, CopyCountsTyped) {
    const struct {
        const char* typed;
        bool unique;
        bool keys;
        int count;
        int copies;
    } cases[] = {
        {"2", false, false, 2, 2}, {"1", true, false, 1, 1},  {"99", false, false, 99, 99},
        {"0", false, true, 0, 0},  {"", false, false, 0, 0},  {"-1", false, true, -1, 0},
        {"ab", true, false, 0, 0}, {"+3", true, false, 3, 3}, {"7x", false, false, 0, 0},
        {"2", false, true, 2, 2},  {"3", true, true, 3, 3},
    };
    const QStringList screen = RowsOf(GameGrids().LetterGrid);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.keys ? " with keys" : ""));
        TempFolder folder;
        const std::string output = folder / "copy.pdf";
        DefaultPrinter().SelectFile(QString::fromStdString(output));
        Tprndlg& form = Form();
        ModalDriver driver;
        driver.OnDialog([&](QDialog*) {
            Type(form, QString::fromLatin1(c.typed));
            form.CheckBox1->setChecked(c.unique);
            form.CheckBox2->setChecked(c.keys);
            form.OKBtn->click();
        });
        const PrintChoice choice = PrintPuzzle(nullptr, Printed(false, {})).choice;
        EXPECT_EQ(driver.DialogsSeen(), 1);
        EXPECT_EQ(choice.copies, c.count);
        EXPECT_EQ(choice.unique, c.unique);
        if (c.copies == 0) {
            EXPECT_TRUE(FolderEntries(folder.Path()).empty());
            EXPECT_TRUE(driver.Boxes().empty());
            continue;
        }
        EXPECT_EQ(PdfPages(output), c.keys ? 2 * c.copies : c.copies);
        ASSERT_EQ(driver.Boxes().size(), 1u);
        EXPECT_EQ(driver.Boxes()[0].caption, QStringLiteral("Information"));
        EXPECT_EQ(driver.Boxes()[0].text, QStringLiteral("Click OK to print!"));
        const QStringList lines = SqueezedLines(PdfText(output, 1));
        EXPECT_EQ(HasRows(lines, screen), !c.unique);
        EXPECT_EQ(PdfText(output, 2).contains(QStringLiteral("(answers)")), c.keys);
    }
}

TEST_F(PrintDialog, CancelAndTheCloseBoxPrintNothingAndKeepWhatWasTyped) {
    Tprndlg& form = Form();
    const std::vector<std::function<void()>> closers = {
        [&] { form.CancelBtn->click(); },
        [&] { form.close(); },
        [&] { QTest::keyClick(&form, Qt::Key_Escape); },
    };
    int round = 0;
    for (const auto& closeIt : closers) {
        SCOPED_TRACE(round);
        ModalDriver driver;
        QString shown;
        bool ticked = false;
        bool keysTicked = false;
        driver.OnDialog([&](QDialog*) {
            shown = form.Edit1->text();
            ticked = form.CheckBox1->isChecked();
            keysTicked = form.CheckBox2->isChecked();
            Type(form, QString::number(round + 5));
            form.CheckBox1->setChecked(round % 2 == 0);
            form.CheckBox2->setChecked(round % 2 != 0);
            closeIt();
        });
        const PrintChoice choice = PrintPuzzle(nullptr, Printed(false, {})).choice;
        EXPECT_FALSE(form.isVisible());
        if (round > 0) {
            EXPECT_EQ(shown, QString::number(round + 4));
            EXPECT_EQ(ticked, (round - 1) % 2 == 0);
            EXPECT_EQ(keysTicked, (round - 1) % 2 != 0);
        }
        EXPECT_EQ(choice.copies, 0);
        EXPECT_TRUE(driver.Boxes().empty());
        EXPECT_TRUE(PrintedFiles().empty());
        ++round;
    }
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("7"));
}

} // namespace

} // namespace lexiglade::test
