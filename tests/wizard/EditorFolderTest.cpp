#include "EditorTestSupport.h"
#include "ModalDriver.h"
#include "WizardData.h"

#include "library/AtomicFile.h"
#include "library/TextList.h"
#include "wizard/Editor.h"
#include "wizard/Validation.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>

namespace lexiglade::test {
namespace {

struct EditorFolderTest : testing::Test {
    void SetUp() override { wizard.show(); }
    void TearDown() override { SetReplaceFaultHook(nullptr); }

    // Types a valid puzzle and opens the folder step.
    void OpenFolderStep(const QString& name = QStringLiteral("Garden")) {
        Type(wizard, name, WordLines(15), HintLines(15));
        wizard.BitBtn1->click();
        ASSERT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    }
    TextList Tree() const { return ParseList(data.Read("a7.asl")); }

    WizardData data;
    Tlxedit wizard{DataFolders{data.Path(), data.Path()}};
};

const std::vector<QString> kStatusTexts = {"",
                                           "Updating Folder List",
                                           "Updating Master",
                                           "Saving Puzzle Word and Hint Lists",
                                           "Saving File Pointers",
                                           "Saving Position Pointers",
                                           "Saving Time Database",
                                           ""};

TEST_F(EditorFolderTest, TheFolderListShowsTopLevelLinesWithTheFirstSelected) {
    OpenFolderStep();
    ASSERT_EQ(wizard.ListBox1->count(), 3);
    EXPECT_EQ(wizard.ListBox1->item(0)->text(), QStringLiteral("Animals"));
    EXPECT_EQ(wizard.ListBox1->item(1)->text(), QStringLiteral("Sky"));
    EXPECT_EQ(wizard.ListBox1->item(2)->text(), QStringLiteral("Sea"));
    EXPECT_EQ(wizard.FolderLineTable, (std::vector<std::int32_t>{0, 5, 9}));
    EXPECT_TRUE(wizard.ListBox1->item(0)->isSelected());
    EXPECT_EQ(wizard.ListBox1->visualItemRect(wizard.ListBox1->item(0)).height(), 16);
    EXPECT_EQ(MemoText(*wizard.Memo4), kThreeFolderTree); // tabs kept
}

TEST_F(EditorFolderTest, LinesThatAreNotFoldersAreLeftOutAndThereIsNoLimitOnFolders) {
    std::string tree = "(Misc\r\n\tA\r\n0zero\r\n \tB\r\n\r\n\xC9"
                       "coles\r\n\tC\r\n";
    for (int i = 0; i < 1500; ++i) {
        tree += "Folder " + std::to_string(i) + std::string(300, '.') + "\r\n\tP\r\n";
    }
    data.Write("a7.asl", tree);
    OpenFolderStep();
    ASSERT_EQ(wizard.ListBox1->count(), 1501);
    EXPECT_EQ(wizard.ListBox1->item(0)->text(), QStringLiteral("\u00c9coles"));
    EXPECT_EQ(wizard.FolderLineTable[0], 5);
    EXPECT_EQ(wizard.FolderLineTable[1500], 7 + 2 * 1499);
}

TEST_F(EditorFolderTest, ASingleFolderIsListedUnselectedAndNeedsAClick) {
    ModalDriver answerer(QMessageBox::Yes);
    data.Write("a7.asl", "Animals\r\n\tFarm\r\n");
    OpenFolderStep();
    ASSERT_EQ(wizard.ListBox1->count(), 1);
    EXPECT_TRUE(wizard.ListBox1->selectedItems().isEmpty());
    const auto before = data.Snapshot();
    wizard.btnexistingfolder->click();
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, QStringLiteral("Lexiglade"));
    EXPECT_EQ(answerer.Boxes()[0].text, QStringLiteral("List index out of bounds."));
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    EXPECT_EQ(data.Snapshot(), before);

    const QRect first = wizard.ListBox1->visualItemRect(wizard.ListBox1->item(0));
    QTest::mouseClick(wizard.ListBox1->viewport(), Qt::LeftButton, {}, first.center());
    wizard.btnexistingfolder->click();
    EXPECT_EQ(Tree(), (TextList{"Animals", "\tGarden", "\tFarm"}));
}

TEST_F(EditorFolderTest, YesFilesThePuzzleUnderTheChosenFolderAndEmptiesTheWizard) {
    ModalDriver answerer(QMessageBox::Yes);
    OpenFolderStep();
    wizard.ListBox1->setCurrentRow(1);
    StatusRecorder status(*wizard.StatusLabel);
    wizard.btnexistingfolder->click();
    QCoreApplication::processEvents();

    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, QStringLiteral("Verify"));
    EXPECT_EQ(answerer.Boxes()[0].icon, QMessageBox::Question);
    EXPECT_EQ(answerer.Boxes()[0].text,
              QStringLiteral("Do you want to place the puzzle \"Garden\" in the \"Sky\" folder?"));
    const TextList tree = Tree();
    ASSERT_EQ(tree.size(), 12u);
    EXPECT_EQ(tree[5], "Sky");
    EXPECT_EQ(tree[6], "\tGarden");
    EXPECT_EQ(tree[7], "\tStars");
    EXPECT_EQ(data.Read("a7.asl"), MemoText(*wizard.Memo4));
    EXPECT_EQ(ParseList(data.Read("a8.asl")).back(), "Garden");
    EXPECT_EQ(ParseList(data.Read("a11.asl")).back(), "8");
    EXPECT_EQ(ParseList(data.Read("a12.asl")).back(), "22");
    EXPECT_EQ(ParseList(data.Read("b1.asl")).size(), 23u);
    EXPECT_EQ(status.Texts(), kStatusTexts);

    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
    EXPECT_EQ(wizard.size(), QSize(382, 359));
    EXPECT_TRUE(wizard.Edit1->text().isEmpty());
    EXPECT_TRUE(wizard.Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(wizard.Memo1->isEnabled());
    EXPECT_TRUE(wizard.isVisible()); // ready for another puzzle
}

TEST_F(EditorFolderTest, NoLeavesEverythingAsItWas) {
    ModalDriver answerer(QMessageBox::No);
    OpenFolderStep();
    const auto before = data.Snapshot();
    const std::string memo = MemoText(*wizard.Memo4);
    wizard.btnexistingfolder->click();
    EXPECT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    EXPECT_EQ(MemoText(*wizard.Memo4), memo);
    EXPECT_EQ(data.Snapshot(), before);
    EXPECT_EQ(wizard.Edit1->text(), QStringLiteral("Garden"));
}

TEST_F(EditorFolderTest, ANewFolderIsAddedAtTheEndWithThePuzzleBelowIt) {
    ModalDriver answerer(QMessageBox::Yes);
    OpenFolderStep();
    wizard.btnaddfolder->click();
    EXPECT_TRUE(wizard.Label5->isVisible());
    EXPECT_TRUE(wizard.Edit2->isVisible());
    EXPECT_EQ(wizard.Edit2->text(), QStringLiteral("MyFolder"));
    wizard.Edit2->setText(QStringLiteral("Plants"));
    QTest::keyClick(wizard.Edit2, Qt::Key_A);
    EXPECT_EQ(wizard.Edit2->text(), QStringLiteral("Plantsa")); // other keys reach the edit
    EXPECT_TRUE(answerer.Boxes().empty());
    wizard.Edit2->setText(QStringLiteral("Plants"));
    QTest::keyClick(wizard.Edit2, Qt::Key_Return);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(
        answerer.Boxes()[0].text,
        QStringLiteral("Do you want to place the puzzle \"Garden\" in the \"Plants\" folder?"));
    const TextList tree = Tree();
    ASSERT_EQ(tree.size(), 13u);
    EXPECT_EQ(tree[11], "Plants");
    EXPECT_EQ(tree[12], "\tGarden");
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
    EXPECT_FALSE(wizard.Edit2->isVisible());
}

TEST_F(EditorFolderTest, AnEmptyTreeTakesANewFolder) {
    ModalDriver answerer(QMessageBox::Yes);
    data.Write("a7.asl", "");
    OpenFolderStep();
    EXPECT_EQ(wizard.ListBox1->count(), 0);
    wizard.btnaddfolder->click();
    QTest::keyClick(wizard.Edit2, Qt::Key_Return);
    EXPECT_EQ(data.Read("a7.asl"), "MyFolder\r\n\tGarden\r\n");
}

TEST_F(EditorFolderTest, NoToANewFolderHidesTheNameFieldUntilAddIsPressedAgain) {
    ModalDriver answerer(QMessageBox::No);
    OpenFolderStep();
    const auto before = data.Snapshot();
    wizard.btnaddfolder->click();
    wizard.Edit2->setText(QStringLiteral("Plants"));
    QTest::keyClick(wizard.Edit2, Qt::Key_Enter);
    EXPECT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_FALSE(wizard.Label5->isVisible());
    EXPECT_FALSE(wizard.Edit2->isVisible());
    EXPECT_EQ(data.Snapshot(), before);
    wizard.btnaddfolder->click();
    EXPECT_TRUE(wizard.Edit2->isVisible());
    EXPECT_EQ(wizard.Edit2->text(), QStringLiteral("MyFolder"));
}

TEST_F(EditorFolderTest, AFolderNameThatWouldBreakTheTreeIsRefusedWithoutAQuestion) {
    OpenFolderStep();
    const auto before = data.Snapshot();
    const std::pair<QString, const char*> table[] = {
        {QString(), kFolderNameBreaksTree},
        {QStringLiteral(" Plants"), kFolderNameBreaksTree},
        {QStringLiteral("\tPlants"), kFolderNameBreaksTree},
        {QStringLiteral("Pla\tnts"), kFolderNameBreaksTree},
        {QStringLiteral("Plants\u007F"), kFolderNameControl},
        {QStringLiteral("Pla\u009Bnts"), kFolderNameControl},
    };
    for (const auto& [name, message] : table) {
        ModalDriver answerer(QMessageBox::Yes);
        wizard.btnaddfolder->click();
        wizard.Edit2->setText(name);
        QTest::keyClick(wizard.Edit2, Qt::Key_Return);
        ASSERT_EQ(answerer.Boxes().size(), 1u);
        EXPECT_EQ(answerer.Boxes()[0].caption, QStringLiteral("Information"));
        EXPECT_EQ(answerer.Boxes()[0].text, QString::fromLatin1(message));
        EXPECT_EQ(data.Snapshot(), before);
        EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    }
}

TEST_F(EditorFolderTest, ALongQuestionIsAskedWhole) {
    ModalDriver answerer(QMessageBox::No);
    const QString name(40, 'N');
    OpenFolderStep(name);
    const QString folder = QStringLiteral("F") + QString(299, 'o');
    wizard.btnaddfolder->click();
    wizard.Edit2->setText(folder);
    QTest::keyClick(wizard.Edit2, Qt::Key_Return);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text, QStringLiteral("Do you want to place the puzzle \"") +
                                            name + QStringLiteral("\" in the \"") + folder +
                                            QStringLiteral("\" folder?"));
}

// Fails the n-th write with a full disk.
int writesLeft = 0;
int FailWrite(ReplaceStep step) {
    return step == ReplaceStep::Write && --writesLeft == 0 ? ENOSPC : 0;
}

TEST_F(EditorFolderTest, AFailedFilingPutsEverythingBackAndTheNextTrySucceeds) {
    ModalDriver answerer(QMessageBox::Yes);
    OpenFolderStep();
    const auto before = data.Snapshot();
    const std::string memo = MemoText(*wizard.Memo4);
    writesLeft = 3; // the word bank, after the tree and the titles
    SetReplaceFaultHook(FailWrite);
    wizard.btnexistingfolder->click();
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[1].caption, QStringLiteral("Lexiglade"));
    EXPECT_EQ(answerer.Boxes()[1].text.toStdString(),
              "Cannot write file " + data / "b1.asl" + ": No space left on device.");
    EXPECT_EQ(wizard.StatusLabel->text(), QStringLiteral("Saving Puzzle Word and Hint Lists"));
    EXPECT_EQ(data.Snapshot(), before);
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    EXPECT_EQ(MemoText(*wizard.Memo4), memo);
    EXPECT_EQ(wizard.Edit1->text(), QStringLiteral("Garden"));
    EXPECT_EQ(wizard.Memo1->toPlainText(), WordLines(15));
    EXPECT_EQ(wizard.Memo2->toPlainText(), HintLines(15));

    SetReplaceFaultHook(nullptr);
    wizard.btnexistingfolder->click();
    EXPECT_EQ(answerer.Boxes().size(), 3u);
    EXPECT_EQ(Tree(), ParseList(std::string(kThreeFolderTree).insert(9, "\tGarden\r\n")));
    EXPECT_EQ(ParseList(data.Read("a8.asl")).size(), 9u);
    EXPECT_EQ(ParseList(data.Read("a15.asl")).size(), 9u);
    EXPECT_TRUE(wizard.StatusLabel->text().isEmpty());
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
}

TEST_F(EditorFolderTest, ATreeChangedByAnotherProgramIsNotOverwritten) {
    ModalDriver answerer(QMessageBox::Yes);
    OpenFolderStep();
    const std::string changed = std::string(kThreeFolderTree) + "Other\r\n\tElse\r\n";
    data.Write("a7.asl", changed); // another copy of the game filed meanwhile
    const auto before = data.Snapshot();
    wizard.btnexistingfolder->click();
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[1].text.toStdString(),
              "The folder list " + data / "a7.asl" +
                  " was changed by another program; please choose the folder again.");
    EXPECT_EQ(data.Snapshot(), before);
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);

    wizard.BitBtn2->click(); // Go Back, then Next reads the tree afresh
    wizard.BitBtn1->click();
    ASSERT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    wizard.btnexistingfolder->click();
    EXPECT_EQ(Tree(), ParseList(std::string(changed).insert(9, "\tGarden\r\n")));
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::First);
}

TEST_F(EditorFolderTest, AMissingTreeIsReportedAfterTheFolderStepOpens) {
    ModalDriver answerer;
    OpenFolderStep();
    const int folders = wizard.ListBox1->count();
    const std::string memo = MemoText(*wizard.Memo4);
    wizard.BitBtn2->click();
    std::filesystem::remove(data / "a7.asl");
    wizard.BitBtn1->click();
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text.toStdString(), "Cannot open file " + data / "a7.asl" + ".");
    EXPECT_EQ(wizard.WizardStep, Tlxedit::Step::Folder);
    EXPECT_EQ(wizard.ListBox1->count(), folders);
    EXPECT_EQ(MemoText(*wizard.Memo4), memo);
}

} // namespace
} // namespace lexiglade::test
