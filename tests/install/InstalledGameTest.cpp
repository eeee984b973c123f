// The installed game as its menu entry starts it: its folders come from the installed
// executable's place and the environment. The first start fills the player's empty data folder,
// wins a shipped puzzle and files and wins a puzzle of the player's own; the second start finds
// both. The install tree is read-only and is checked by the script that runs these.
#include "ModalDriver.h"
#include "PlayerActions.h"
#include "UiFixture.h"

#include "library/DataFolder.h"
#include "library/Paths.h"
#include "library/TextList.h"
#include "ui/GameContext.h"
#include "ui/Outline.h"
#include "ui/Wordsrch.h"
#include "wizard/Editor.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

namespace lexiglade::test {
namespace {

namespace fs = std::filesystem;

const QStringList kFruit = {"APPLE", "BANANA", "CHERRY", "DAMSON", "ELDER",
                            "FIGS",  "GRAPE",  "GUAVA",  "LEMON",  "MANGO",
                            "MELON", "OLIVE",  "PEACH",  "PLUM",   "QUINCE"};
const char* const kOwnTitle = "Installed Orchard";
const char* const kOwnFolder = "Food";
const char* const kShippedFolder = "Animals";
const char* const kShippedTitle = "Farm Animals";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : value;
}

// Line `k` of a list, or "" when the list is shorter.
std::string LineOf(const TextList& list, std::size_t k) {
    return k < list.size() ? list[k] : std::string();
}

std::size_t IndexOf(const TextList& titles, const std::string& title) {
    return static_cast<std::size_t>(std::find(titles.begin(), titles.end(), title) -
                                    titles.begin());
}

class InstalledGame : public testing::Test {
  protected:
    void SetUp() override {
        executable = Environment("LEXIGLADE_INSTALLED");
        ASSERT_FALSE(executable.empty()) << "LEXIGLADE_INSTALLED names the installed game";
        const fs::path prefix = fs::path(executable).parent_path().parent_path();
        shipped = fs::canonical(prefix / "share/lexiglade").string() + "/";
        player = Environment("XDG_DATA_HOME") + "/lexiglade/";
        folders = ChooseDataFolders(DataDirOf(executable), ProcessEnvironment());
        ASSERT_EQ(folders.dataDir, player);
        ASSERT_EQ(folders.shippedDir, shipped);
        context.emplace(folders);
        catalogue = std::make_unique<Tmain>(*context);
        catalogue->resize(1024, 768);
        catalogue->show();
        ASSERT_TRUE(WaitFor([&] { return catalogue->FormPaintCount() > 0; }));
        wizard = new Tlxedit(folders, catalogue.get(), context->Kit.PaletteHandle);
        context->Forms.lxedit = wizard;
    }
    void TearDown() override {
        if (context && context->Forms.searcher) {
            delete context->Forms.searcher.data();
        }
    }

    // Wins the game open on the screen; its time replaces the puzzle's best time.
    void Win(const std::string& title) {
        answerer.ClearBoxes();
        WinGame(*context);
        EXPECT_TRUE(SawBox(answerer, "Very Good! You found them all!")) << title;
    }

    std::string executable;
    std::string shipped;
    std::string player;
    DataFolders folders;
    std::optional<GameContext> context;
    ModalDriver answerer{QMessageBox::Yes};
    std::unique_ptr<Tmain> catalogue;
    Tlxedit* wizard = nullptr;
};

TEST_F(InstalledGame, FirstStartFillsThePlayersFolderWhereGamesAreWonAndPuzzlesFiled) {
    EXPECT_TRUE(answerer.Boxes().empty());
    for (const char* name : {"a7.asl", "a8.asl", "a9.asl", "a14.asl", "a15.asl", "b1.asl"}) {
        EXPECT_EQ(ReadFileBytes(player + name), ReadFileBytes(shipped + name)) << name;
    }
    EXPECT_FALSE(fs::exists(player + "a4.asl")) << "artwork is read from the install tree";
    const TextList tree = ReadList(shipped + "a7.asl");
    const auto folderCount = std::count_if(tree.begin(), tree.end(), [](const std::string& line) {
        return !line.empty() && line[0] != '\t';
    });
    EXPECT_EQ(catalogue->outline->topLevelItemCount(), folderCount);

    OpenFromCatalogue(*context, *catalogue, kShippedFolder, kShippedTitle);
    Win(kShippedTitle);
    const std::size_t won = IndexOf(ReadList(player + "a8.asl"), kShippedTitle);
    EXPECT_NE(LineOf(ReadList(player + "a15.asl"), won),
              LineOf(ReadList(shipped + "a15.asl"), won));

    QStringList hints;
    for (const QString& word : kFruit) {
        hints << QStringLiteral("A fruit: ") + word.toLower();
    }
    RunWizard(*catalogue, *wizard, answerer, [&] {
        TypePuzzle(*wizard, kOwnTitle, kFruit, hints);
        ASSERT_EQ(wizard->WizardStep, Tlxedit::Step::Folder);
        const QList<QListWidgetItem*> food = wizard->ListBox1->findItems(kOwnFolder, {});
        ASSERT_EQ(food.size(), 1);
        const QRect at = wizard->ListBox1->visualItemRect(food[0]);
        QTest::mouseClick(wizard->ListBox1->viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseClick(wizard->btnexistingfolder, Qt::LeftButton);
    });
    const TextList titles = ReadList(player + "a8.asl");
    ASSERT_EQ(titles.back(), kOwnTitle);
    EXPECT_EQ(ReadList(shipped + "a8.asl").size() + 1, titles.size());

    OpenFromCatalogue(*context, *catalogue, kOwnFolder, kOwnTitle);
    Win(kOwnTitle);
    EXPECT_NE(ReadList(player + "a15.asl").back(), "930");
}

TEST_F(InstalledGame, SecondStartKeepsTheBestTimeAndThePlayersPuzzle) {
    EXPECT_TRUE(answerer.Boxes().empty());
    const std::size_t won = IndexOf(ReadList(player + "a8.asl"), kShippedTitle);
    EXPECT_NE(LineOf(ReadList(player + "a15.asl"), won),
              LineOf(ReadList(shipped + "a15.asl"), won));
    EXPECT_NE(ReadList(player + "a15.asl").back(), "930");

    OpenFromCatalogue(*context, *catalogue, kOwnFolder, kOwnTitle);
    const LoadedPuzzle& loaded = OpenedGame(*context)->Puzzle();
    EXPECT_EQ(loaded.title, kOwnTitle);
    ASSERT_EQ(loaded.words.size(), static_cast<std::size_t>(kFruit.size()));
    for (int i = 0; i < kFruit.size(); ++i) {
        EXPECT_EQ(loaded.words[static_cast<std::size_t>(i)], kFruit[i].toStdString());
    }
    Win(kOwnTitle);
}

} // namespace
} // namespace lexiglade::test
