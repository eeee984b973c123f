// A player creates puzzles with the wizard, files them, opens them from the catalogue and wins.
#include "ModalDriver.h"
#include "PlayerActions.h"
#include "UiFixture.h"

#include "library/TextList.h"
#include "ui/GameContext.h"
#include "ui/Outline.h"
#include "ui/Wordsrch.h"
#include "wizard/Editor.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace lexiglade::test {
namespace {

const QStringList kFruit = {"APPLE", "BANANA", "CHERRY", "DAMSON", "ELDER",
                            "FIGS",  "GRAPE",  "GUAVA",  "LEMON",  "MANGO",
                            "MELON", "OLIVE",  "PEACH",  "PLUM",   "QUINCE"};
const QStringList kAnimals = {"kitten", "puppy", "horse", "zebra", "tiger",
                              "camel",  "otter", "koala", "panda", "rabbit",
                              "mouse",  "eagle", "shark", "whale", "llama"};

void SavePicture(const DataFolder& folder, const std::string& name, QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(folder / name), "BMP"));
}

struct WizardEndToEndTest : testing::Test {
    void SetUp() override {
        SavePicture(folder, "a1.asl", {40, 35}, qRgb(200, 0, 0));
        SavePicture(folder, "a3.asl", {620, 400}, qRgb(230, 230, 200));
        SavePicture(folder, "a5.asl", {150, 35}, qRgb(0, 0, 200));
        SavePicture(folder, "a6.asl", {150, 80}, qRgb(0, 128, 0));
        std::filesystem::create_directory(folder / "pictures");
        for (int i = 0; i < kAnimals.size(); ++i) {
            const QSize size = i % 2 == 0 ? QSize(300, 200) : QSize(100, 50);
            SavePicture(folder, "pictures/animal" + std::to_string(i) + ".BMP", size,
                        qRgb(10 * i, 100, 200));
        }
        catalogue = OpenCatalogue(context, 800, 600);
        wizard = new Tlxedit(folder.Folders(), catalogue.get(), context.Kit.PaletteHandle);
        context.Forms.lxedit = wizard;
    }
    void TearDown() override {
        if (context.Forms.searcher) {
            delete context.Forms.searcher.data();
        }
    }

    void RunWizard(const std::function<void()>& play) {
        test::RunWizard(*catalogue, *wizard, answerer, play);
    }
    void TypePuzzle(const QString& name, const QStringList& words, const QStringList& hints) {
        test::TypePuzzle(*wizard, name, words, hints);
    }
    void OpenFromCatalogue(const QString& folderName, const QString& title) {
        test::OpenFromCatalogue(context, *catalogue, folderName, title);
    }
    bool SawBox(const QString& text) const { return test::SawBox(answerer, text); }

    DataFolder folder;
    GameContext context{folder.Folders()};
    ModalDriver answerer{QMessageBox::Yes};
    std::unique_ptr<Tmain> catalogue;
    Tlxedit* wizard = nullptr;
};

TEST_F(WizardEndToEndTest, ATextPuzzleIsCreatedFiledUnderAFolderAndWon) {
    QStringList hints;
    for (const QString& word : kFruit) {
        hints << QStringLiteral("Fruit called ") + word.toLower();
    }
    RunWizard([&] {
        TypePuzzle(QStringLiteral("Orchard"), kFruit, hints);
        ASSERT_EQ(wizard->WizardStep, Tlxedit::Step::Folder);
        ASSERT_EQ(wizard->ListBox1->count(), 2); // "Animals" and "Sky"
        const QRect sky = wizard->ListBox1->visualItemRect(wizard->ListBox1->item(1));
        QTest::mouseClick(wizard->ListBox1->viewport(), Qt::LeftButton, {}, sky.center());
        QTest::mouseClick(wizard->btnexistingfolder, Qt::LeftButton);
        EXPECT_EQ(wizard->WizardStep, Tlxedit::Step::First);
    });
    EXPECT_TRUE(SawBox("Do you want to place the puzzle \"Orchard\" in the \"Sky\" folder?"));
    const TextList tree = ReadList(folder / "a7.asl");
    ASSERT_GE(tree.size(), 5u);
    EXPECT_EQ(tree[3], "Sky");
    EXPECT_EQ(tree[4], "\tOrchard");

    OpenFromCatalogue("Sky", "Orchard");
    const LoadedPuzzle& loaded = OpenedGame(context)->Puzzle();
    EXPECT_EQ(loaded.title, "Orchard");
    EXPECT_EQ(loaded.puzzleIndex, 5);
    EXPECT_EQ(loaded.words.size(), 15u);
    EXPECT_EQ(loaded.hints[14], "Fruit called quince");
    WinGame(context);
    EXPECT_TRUE(SawBox("Very Good! You found them all!"));
    EXPECT_NE(ReadList(folder / "a15.asl").at(5), "930"); // a best time for the new puzzle
}

TEST_F(WizardEndToEndTest, APicturePuzzleIsCreatedInANewFolderAndWon) {
    QStringList hints;
    for (int i = 0; i < kAnimals.size(); ++i) {
        hints << QStringLiteral("Animal%1.bmp").arg(i); // the files are named in capitals
    }
    RunWizard([&] {
        TypePuzzle(QStringLiteral("Zoo Pictures"), kAnimals, hints);
        ASSERT_EQ(wizard->WizardStep, Tlxedit::Step::Folder);
        QTest::mouseClick(wizard->btnaddfolder, Qt::LeftButton);
        wizard->Edit2->selectAll();
        QTest::keyClicks(wizard->Edit2, QStringLiteral("Photos"));
        QTest::keyClick(wizard->Edit2, Qt::Key_Return);
        EXPECT_EQ(wizard->WizardStep, Tlxedit::Step::First);
    });
    for (int i = 0; i < kAnimals.size(); ++i) {
        const QImage picture(
            QString::fromStdString(folder / ("pictures/animal" + std::to_string(i) + ".BMP")));
        EXPECT_EQ(picture.size(), QSize(150, 80)) << i;
    }
    const TextList tree = ReadList(folder / "a7.asl");
    EXPECT_EQ(TextList(tree.end() - 2, tree.end()), (TextList{"Photos", "\tZoo Pictures"}));

    OpenFromCatalogue("Photos", "Zoo Pictures");
    auto* game = OpenedGame(context);
    EXPECT_TRUE(game->PictureHints);
    EXPECT_EQ(game->HintPictures.size(), 15u);
    EXPECT_EQ(game->HintPictures.front()->Width(), 150);
    WinGame(context);
    EXPECT_TRUE(SawBox("Very Good! You found them all!"));
    EXPECT_NE(ReadList(folder / "a15.asl").at(5), "930");
}

} // namespace
} // namespace lexiglade::test
