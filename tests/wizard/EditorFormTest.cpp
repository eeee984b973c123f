#include "EditorTestSupport.h"
#include "ModalDriver.h"
#include "WizardData.h"

#include "wizard/Editor.h"
#include "wizard/Validation.h"
#include "wizard/WizardGlyphs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <filesystem>

namespace lexiglade::test {
namespace {

struct EditorFormTest : testing::Test {
    void SetUp() override { wizard.show(); }
    WizardData data;
    Tlxedit wizard{DataFolders{data.Path(), data.Path()}};
};

QImage GlyphImage(const QIcon& icon) {
    return icon.pixmap(kGlyphSize, kGlyphSize).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage GlyphImage(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST_F(EditorFormTest, FormHasItsDesignValues) {
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Lexiglade Puzzle Create Wizard"));
    const Qt::WindowFlags flags = wizard.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(wizard.size(), QSize(382, 359));
    EXPECT_EQ(wizard.minimumSize(), wizard.maximumSize()); // a fixed border
    EXPECT_FALSE(wizard.windowIcon().isNull());
    EXPECT_EQ(QFontInfo(wizard.font()).pixelSize(), 13);
    EXPECT_TRUE(wizard.font().bold());

    // Designed 173 wide, widened to its caption, which the bold 13-pixel font makes longer.
    const int wide = wizard.btnexistingfolder->width();
    EXPECT_GE(wide, 173);
    const std::pair<QWidget*, QRect> places[] = {{wizard.Memo1, {9, 26, 119, 191}},
                                                 {wizard.Memo2, {140, 26, 232, 191}},
                                                 {wizard.Edit1, {10, 248, 185, 24}},
                                                 {wizard.BitBtn1, {11, 301, 90, 30}},
                                                 {wizard.BitBtn2, {112, 301, 83, 30}},
                                                 {wizard.StatusLabel, {235, 320, 324, 18}},
                                                 {wizard.Memo4, {-200, 225, 179, 86}},
                                                 {wizard.ListBox1, {383, 27, 173, 142}},
                                                 {wizard.btnexistingfolder, {383, 176, wide, 25}},
                                                 {wizard.btnaddfolder, {384, 226, 173, 25}},
                                                 {wizard.Edit2, {383, 281, 173, 24}}};
    for (const auto& [widget, place] : places) {
        EXPECT_EQ(widget->geometry(), place) << widget->metaObject()->className();
    }
    const std::tuple<QLabel*, QPoint, const char*> labels[] = {
        {wizard.Label2, {10, 5}, "Puzzle Words"},
        {wizard.Label3, {141, 5}, "Hints (Words/Phrases/Pictures)"},
        {wizard.Label1, {11, 227}, "Puzzle Name:"},
        {wizard.Label4, {383, 5}, "Existing Folders:"},
        {wizard.Label6, {455, 206}, "Or"},
        {wizard.Label5, {383, 259}, "Folder Name:"}};
    for (const auto& [label, at, caption] : labels) {
        EXPECT_EQ(label->pos(), at) << caption;
        EXPECT_EQ(label->text(), QString::fromLatin1(caption));
    }
    EXPECT_EQ(wizard.BitBtn1->text(), QStringLiteral("Next"));
    EXPECT_EQ(wizard.BitBtn2->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(wizard.btnexistingfolder->text(), QStringLiteral("Choose Selected Folder"));
    EXPECT_EQ(wizard.btnaddfolder->text(), QStringLiteral("Add New Folder"));
    EXPECT_EQ(wizard.StatusLabel->minimumSize(), wizard.StatusLabel->maximumSize());
    EXPECT_TRUE(wizard.StatusLabel->text().isEmpty());
}

TEST_F(EditorFormTest, MemosWrapScrollAndKeepTabsAsDesigned) {
    EXPECT_EQ(wizard.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(wizard.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(wizard.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(wizard.Memo2->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(wizard.Memo2->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(wizard.Memo4->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(wizard.Memo4->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(wizard.Memo4->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(wizard.Memo4->tabChangesFocus());
    EXPECT_TRUE(wizard.Memo1->tabChangesFocus());
    EXPECT_FALSE(wizard.Memo4->isVisible());

    // A word longer than the memo is wide is shown on two rows but stays one word.
    wizard.Memo1->setPlainText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTU\nWORD"));
    EXPECT_EQ(MemoLines(*wizard.Memo1), (TextList{"ABCDEFGHIJKLMNOPQRSTU", "WORD"}));
    wizard.Memo4->setPlainText(QStringLiteral("Folder\n\tPuzzle\n"));
    EXPECT_EQ(MemoText(*wizard.Memo4), "Folder\r\n\tPuzzle\r\n");
    wizard.Memo2->setPlainText(QStringLiteral("caf\u00e9\u00a0bar"));
    EXPECT_EQ(MemoText(*wizard.Memo2), "caf\xE9\xA0"
                                       "bar");
}

TEST_F(EditorFormTest, GlyphStoresAreOutOfSightAndDressTheSecondButton) {
    for (QLabel* image : {wizard.Image1, wizard.Image2}) {
        EXPECT_EQ(image->size(), QSize(20, 20));
        EXPECT_GE(image->y(), Tlxedit::kClientHeight);
    }
    EXPECT_EQ(GlyphImage(wizard.Image1->pixmap()), GlyphImage(CancelGlyph()));
    EXPECT_EQ(GlyphImage(wizard.Image2->pixmap()), GlyphImage(GoBackGlyph()));
    EXPECT_NE(GlyphImage(CancelGlyph()), GlyphImage(GoBackGlyph()));
    EXPECT_EQ(GlyphImage(wizard.BitBtn2->icon()), GlyphImage(CancelGlyph()));
    EXPECT_FALSE(wizard.BitBtn1->icon().isNull());
    EXPECT_FALSE(wizard.btnaddfolder->icon().isNull());
}

TEST_F(EditorFormTest, NextOpensTheFolderStepAndGoBackKeepsWhatWasTyped) {
    ModalDriver answerer;
    Type(wizard, "Garden", WordLines(15), HintLines(15));
    wizard.BitBtn1->click();
    EXPECT_TRUE(answerer.Boxes().empty());
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    EXPECT_EQ(wizard.size(), QSize(382 + 173 + 20, 359));
    EXPECT_FALSE(wizard.BitBtn1->isVisible());
    EXPECT_EQ(wizard.BitBtn2->text(), QStringLiteral("Go Back"));
    EXPECT_EQ(GlyphImage(wizard.BitBtn2->icon()), GlyphImage(GoBackGlyph()));
    for (QWidget* input : {static_cast<QWidget*>(wizard.Memo1), static_cast<QWidget*>(wizard.Edit1),
                           static_cast<QWidget*>(wizard.Memo2)}) {
        EXPECT_FALSE(input->isEnabled());
    }
    EXPECT_FALSE(wizard.Edit2->isVisible());
    EXPECT_FALSE(wizard.Label5->isVisible());
    EXPECT_EQ(wizard.ListBox1->count(), 3);

    wizard.BitBtn1Click(); // Next does nothing in the folder step
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);

    wizard.BitBtn2->click();
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
    EXPECT_EQ(wizard.size(), QSize(382, 359));
    EXPECT_TRUE(wizard.BitBtn1->isVisible());
    EXPECT_EQ(wizard.BitBtn2->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(GlyphImage(wizard.BitBtn2->icon()), GlyphImage(CancelGlyph()));
    EXPECT_TRUE(wizard.Memo1->isEnabled() && wizard.Edit1->isEnabled() &&
                wizard.Memo2->isEnabled());
    EXPECT_EQ(wizard.Edit1->text(), QStringLiteral("Garden"));
    EXPECT_EQ(wizard.Memo1->toPlainText(), WordLines(15));
    EXPECT_EQ(wizard.Memo2->toPlainText(), HintLines(15));
    EXPECT_TRUE(wizard.isVisible());
}

TEST_F(EditorFormTest, CancelAndTheCloseBoxCloseWithoutSavingAndTheNextShowingStartsEmpty) {
    ModalDriver answerer;
    const auto before = data.Snapshot();
    Type(wizard, "Garden", WordLines(15), HintLines(15));
    wizard.BitBtn2->click();
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(wizard.result(), QDialog::Rejected);

    wizard.show();
    EXPECT_TRUE(wizard.Edit1->text().isEmpty());
    Type(wizard, "Garden", WordLines(15), HintLines(15));
    wizard.BitBtn1->click();
    ASSERT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    wizard.btnaddfolder->click();
    wizard.StatusLabel->setText(QStringLiteral("Updating Master"));
    wizard.close();
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(data.Snapshot(), before);

    wizard.show();
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
    EXPECT_EQ(wizard.size(), QSize(382, 359));
    EXPECT_TRUE(wizard.Edit1->text().isEmpty());
    EXPECT_TRUE(wizard.Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(wizard.Memo2->toPlainText().isEmpty());
    EXPECT_TRUE(wizard.Memo1->isEnabled() && wizard.Edit1->isEnabled() &&
                wizard.Memo2->isEnabled());
    EXPECT_TRUE(wizard.BitBtn1->isVisible());
    EXPECT_EQ(wizard.BitBtn2->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(wizard.Edit2->isVisible());
    EXPECT_TRUE(wizard.Edit2->text().isEmpty());
    EXPECT_FALSE(wizard.Label5->isVisible());
    EXPECT_TRUE(wizard.StatusLabel->text().isEmpty());
    EXPECT_EQ(wizard.Memo4->x(), -200);
    Type(wizard, "Garden", WordLines(15), HintLines(15));
    wizard.BitBtn1->click();
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder); // fully usable again
    EXPECT_TRUE(answerer.Boxes().empty());
}

// `count` words of 21 letters, each differing from the others in its last letter: they can only
// lie across, each on a row of its own.
QString LongWordLines(int count) {
    QStringList words;
    for (int i = 0; i < count; ++i) {
        words << QString(20, 'L') + QChar('A' + i);
    }
    return words.join('\n');
}

TEST_F(EditorFormTest, ARejectedInputIsReportedInTheInformationBoxAndKeptAsTyped) {
    struct Row {
        QString name, words, hints;
        const char* message;
    };
    const Row table[] = {
        {"Farm", WordLines(15), HintLines(15), kNameTaken},
        {"farm", WordLines(15), HintLines(15), nullptr},
        {QString(41, 'x'), WordLines(15), HintLines(15), kNameTooLong},
        {"G", WordLines(15), HintLines(15), kNameMissing},
        {" Garden", WordLines(15), HintLines(15), kNameBreaksTree},
        {"Gar\tden", WordLines(15), HintLines(15), kNameBreaksTree},
        {"Garden", WordLines(15, true), HintLines(15), nullptr}, // a final Enter is no word
        {"Garden", WordLines(15, true) + '\n', HintLines(15), kCountsDiffer},
        {"Garden", WordLines(14), HintLines(14), kWordCount},
        {"Garden", WordLines(14) + "\ncat", HintLines(15), kWordLength},
        {"Garden", WordLines(14) + "\nPim Varlo", HintLines(15), kWordLetters},
        {"Garden", LongWordLines(16), HintLines(16), kWordsDoNotFit},
        {"Garden", LongWordLines(15) + "\nWREN", HintLines(16), nullptr},
        {"Garden", LongWordLines(15) + "\nWR3N", HintLines(16), kWordLetters},
        {QStringLiteral("Gar\u0085den"), WordLines(15), HintLines(15), kNameControl},
        {"Garden", WordLines(15), HintLines(15).replace("Hint number 2", ""),
         "The hint of WORDAC is empty."},
        {"Garden", WordLines(15), "Capital of the U.S.\n" + HintLines(14), kFirstHintFullStop},
    };
    for (const Row& row : table) {
        ModalDriver answerer;
        wizard.ResetWizard();
        Type(wizard, row.name, row.words, row.hints);
        wizard.BitBtn1->click();
        if (row.message == nullptr) {
            EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder) << row.name.toStdString();
            EXPECT_TRUE(answerer.Boxes().empty());
            continue;
        }
        ASSERT_EQ(answerer.Boxes().size(), 1u) << row.message;
        EXPECT_EQ(answerer.Boxes()[0].caption, QStringLiteral("Information"));
        EXPECT_EQ(answerer.Boxes()[0].text, QString::fromLatin1(row.message));
        EXPECT_EQ(answerer.Boxes()[0].icon, QMessageBox::Information);
        EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First) << row.message;
        EXPECT_EQ(wizard.Edit1->text(), row.name);
        EXPECT_EQ(wizard.Memo1->toPlainText(), row.words);
        EXPECT_EQ(wizard.Memo2->toPlainText(), row.hints);
    }
}

QString PictureHints(int count) {
    QStringList hints;
    for (int i = 0; i < count; ++i) {
        hints << QStringLiteral("Pic%1.bmp").arg(i);
    }
    return hints.join('\n');
}

void WritePictures(const WizardData& data, int count) {
    for (int i = 0; i < count; ++i) {
        data.WritePicture("pictures/pic" + std::to_string(i) + ".BMP", Gradient(300 - i, 200));
    }
}

TEST_F(EditorFormTest, PicturesAreReshapedWhenNextPasses) {
    ModalDriver answerer;
    WritePictures(data, 15);
    Type(wizard, "Shapes", WordLines(15), PictureHints(15));
    wizard.BitBtn1->click();
    EXPECT_TRUE(answerer.Boxes().empty());
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(data.ReadPicture("pictures/pic" + std::to_string(i) + ".BMP").size(),
                  QSize(150, 80));
    }
}

TEST_F(EditorFormTest, PicturesInAFolderNamedInCapitalsAreFoundAndReshaped) {
    ModalDriver answerer;
    std::filesystem::rename(data / "pictures", data / "PICTURES");
    for (int i = 0; i < 15; ++i) {
        data.WritePicture("PICTURES/pic" + std::to_string(i) + ".BMP", Gradient(300 - i, 200));
    }
    Type(wizard, "Shapes", WordLines(15), PictureHints(15));
    wizard.BitBtn1->click();
    EXPECT_TRUE(answerer.Boxes().empty());
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    for (int i = 0; i < 15; ++i) {
        const std::string name = "pic" + std::to_string(i) + ".BMP";
        EXPECT_EQ(data.ReadPicture("PICTURES/" + name).size(), QSize(150, 80)) << name;
        EXPECT_EQ(data.ReadPicture("PICTURES/originals/" + name).size(), QSize(300 - i, 200));
    }
    EXPECT_FALSE(std::filesystem::exists(data / "pictures"));
}

TEST_F(EditorFormTest, AMissingPictureIsReportedAndRewritesNothing) {
    ModalDriver answerer;
    WritePictures(data, 14);
    const auto before = data.Snapshot();
    Type(wizard, "Shapes", WordLines(15), PictureHints(15));
    wizard.BitBtn1->click();
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text.toStdString(),
              std::string(kPictureMissing) + data.Path() + "PICTURES subdirectory.");
    EXPECT_EQ(data.Snapshot(), before);
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
}

TEST_F(EditorFormTest, WordsThatCannotBeHiddenAreRefusedBeforeAnyPictureIsReshaped) {
    ModalDriver answerer;
    WritePictures(data, 16);
    const auto before = data.Snapshot();
    Type(wizard, "Shapes", LongWordLines(16), PictureHints(16));
    QTest::mouseClick(wizard.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(answerer.Boxes()[0].text,
              QStringLiteral("These words cannot all be hidden in the grid. Please use fewer or "
                             "shorter long words."));
    EXPECT_EQ(data.Snapshot(), before);
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
    EXPECT_EQ(wizard.Memo1->toPlainText(), LongWordLines(16));

    // One long word fewer and the pictures are reshaped.
    answerer.ClearBoxes();
    wizard.Memo1->setPlainText(LongWordLines(15) + "\nWREN");
    QTest::mouseClick(wizard.BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(answerer.Boxes().empty());
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    EXPECT_EQ(data.ReadPicture("pictures/pic15.BMP").size(), QSize(150, 80));
}

TEST_F(EditorFormTest, AnInvalidPictureIsShownInTheErrorBoxAndTheFirstStepStays) {
    ModalDriver answerer;
    WritePictures(data, 15);
    data.Write("pictures/pic3.BMP", "garbage");
    Type(wizard, "Shapes", WordLines(15), PictureHints(15));
    wizard.BitBtn1->click();
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text, QStringLiteral("Bitmap image is not valid."));
    EXPECT_EQ(answerer.Boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
    EXPECT_EQ(data.ReadPicture("pictures/pic2.BMP").size(), QSize(150, 80));
    EXPECT_EQ(data.ReadPicture("pictures/pic4.BMP").size(), QSize(296, 200));
}

TEST_F(EditorFormTest, EscapeDoesNotCloseTheWizard) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&wizard, &escape);
    EXPECT_TRUE(wizard.isVisible());
}

// After the box, the name field or the memo line that a check refused has the focus and the text
// cursor, its text selected; a check that names no line leaves the cursor at the memo's end.
TEST_F(EditorFormTest, ARefusalPutsTheCursorOnWhatItRefuses) {
    QStringList pictures = PictureHints(15).split('\n');
    pictures[4] = QStringLiteral("CAT");
    struct Row {
        QString name, words, hints;
        QWidget* focus;
        int line; // of the memo's cursor; -1 for the name
        QString selected;
    };
    const Row table[] = {
        {"Farm", WordLines(15), HintLines(15), wizard.Edit1, -1, "Farm"},
        {"G", WordLines(15), HintLines(15), wizard.Edit1, -1, "G"},
        {"Garden", WordLines(13) + "\ncat\nWORDZZ", HintLines(15), wizard.Memo1, 13, "cat"},
        {"Garden", "Pim Varlo\n" + WordLines(14), HintLines(15), wizard.Memo1, 0, "Pim Varlo"},
        {"Garden", WordLines(14), HintLines(14), wizard.Memo1, 13, ""},
        {"Garden", WordLines(16), HintLines(15), wizard.Memo1, 15, "WORDAP"},
        {"Garden", WordLines(15), HintLines(16), wizard.Memo2, 15, "Hint number 15"},
        {"Garden", WordLines(15), HintLines(15).replace("Hint number 2", ""), wizard.Memo2, 2, ""},
        {"Garden", WordLines(15), pictures.join('\n'), wizard.Memo2, 4, "CAT"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.words.left(12).toStdString() + " / " + row.hints.left(12).toStdString());
        ModalDriver answerer;
        wizard.ResetWizard();
        Type(wizard, row.name, row.words, row.hints);
        wizard.BitBtn1->setFocus();
        wizard.BitBtn1->click();
        ASSERT_EQ(answerer.Boxes().size(), 1u);
        EXPECT_EQ(wizard.focusWidget(), row.focus);
        if (row.line < 0) {
            EXPECT_EQ(wizard.Edit1->selectedText(), row.selected);
            continue;
        }
        const QTextCursor cursor = static_cast<QPlainTextEdit*>(row.focus)->textCursor();
        EXPECT_EQ(cursor.blockNumber(), row.line);
        EXPECT_EQ(cursor.selectedText(), row.selected);
    }
}

// Tab goes round the controls of the step on the screen only; Enter clicks the button it is on.
TEST_F(EditorFormTest, TabStaysInTheStepOnScreenAndEnterClicksTheButton) {
    wizard.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wizard));
    const auto tabs = [&](int count) {
        std::vector<QWidget*> reached;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.push_back(QApplication::focusWidget());
        }
        return reached;
    };
    wizard.Memo1->setFocus();
    EXPECT_EQ(tabs(5), (std::vector<QWidget*>{wizard.Memo2, wizard.Edit1, wizard.BitBtn1,
                                              wizard.BitBtn2, wizard.Memo1}));
    Type(wizard, "Garden", WordLines(15), HintLines(15));
    wizard.BitBtn1->setFocus();
    QTest::keyClick(wizard.BitBtn1, Qt::Key_Return);
    ASSERT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    EXPECT_EQ(QApplication::focusWidget(), wizard.ListBox1);
    EXPECT_EQ(tabs(4), (std::vector<QWidget*>{wizard.btnexistingfolder, wizard.btnaddfolder,
                                              wizard.BitBtn2, wizard.ListBox1}));
    tabs(2);
    QTest::keyClick(wizard.btnaddfolder, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), wizard.Edit2) << "the new folder's name, to be typed";
    EXPECT_EQ(wizard.Edit2->selectedText(), QStringLiteral("MyFolder"));
    wizard.BitBtn2->setFocus();
    QTest::keyClick(wizard.BitBtn2, Qt::Key_Enter);
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First) << "Enter on Go Back";
}

} // namespace
} // namespace lexiglade::test
