// The catalogue of a game whose shipped files are not in the player's data folder.
#include "GameLog.h"
#include "LibraryMaker.h"
#include "ModalDriver.h"
#include "TempFolder.h"
#include "UiFixture.h"

#include "library/Append.h"
#include "library/TextList.h"
#include "ui/GameContext.h"
#include "ui/Outline.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <list>

namespace lexiglade::test {
namespace {

struct PlayerFolder : testing::Test {
    // A catalogue on a context of its own, which lasts until the end of the test.
    std::unique_ptr<Tmain> OpenOn(const DataFolders& folders) {
        auto form = std::make_unique<Tmain>(contexts.emplace_back(folders));
        form->resize(1000, 700);
        form->show();
        WaitFor([&] { return form->FormPaintCount() > 0; });
        return form;
    }
    std::list<GameContext> contexts;
};

TEST_F(PlayerFolder, ANewPlayerStartsWithTheShippedLibraryAndArtwork) {
    DataFolder shipped;
    DataFolder home;
    const std::string player = home / "data/lexiglade/";
    ModalDriver answerer;
    auto form = OpenOn({player, shipped.Path()});
    EXPECT_TRUE(answerer.Boxes().empty());
    EXPECT_EQ(contexts.back().State.DataDir, player);
    EXPECT_EQ(form->outline->topLevelItemCount(), 2); // "Animals" and "Sky"
    for (const char* name : {"a7.asl", "a8.asl", "a15.asl", "b1.asl", "b2.asl"}) {
        EXPECT_EQ(ReadList(player + name), ReadList(shipped / name)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(player + "a4.asl"));
    const QImage& screen = form->Surface();
    EXPECT_EQ(screen.pixel(form->BackdropLeft + 5, form->BackdropTop + 7),
              shipped.Backdrop().pixel(5, 7));
}

TEST_F(PlayerFolder, AFolderThatCannotBeMadeIsReportedOnce) {
    DataFolder shipped;
    const std::string player = shipped / "a8.asl/lexiglade/"; // below a file
    ModalDriver answerer;
    auto form = OpenOn({player, shipped.Path()});
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text.toStdString(),
              "Cannot create folder " + shipped / "a8.asl" + ": File exists.");
    EXPECT_EQ(form->outline->topLevelItemCount(), 0);
}

TEST_F(PlayerFolder, ALaterVersionsPuzzlesJoinThePlayersLibraryAndAFailureLeavesOneWarning) {
    DataFolder shipped;
    DataFolder home;
    const std::string player = home / "data/lexiglade/";
    ModalDriver answerer;
    OpenOn({player, shipped.Path()}).reset();
    AppendPuzzleToFolder(shipped.Path(), MakePuzzle("Comets", 15), "Sky", {});
    const std::string best = ReadBytes(player + "a14.asl");
    WriteBytes(player + "a14.asl", best + "300\r\n"); // a damaged list refuses every filing
    {
        const GameLog log;
        auto form = OpenOn({player, shipped.Path()});
        ASSERT_EQ(log.Messages().size(), 1) << log.Joined().toStdString();
        EXPECT_EQ(log.Holding(QString::fromStdString("lexiglade.library: Cannot add the new "
                                                     "shipped puzzles to " +
                                                     player + ": The list " + player +
                                                     "a14.asl is damaged"))
                      .size(),
                  1);
        EXPECT_EQ(form->outline->topLevelItemCount(), 2);
    }
    WriteBytes(player + "a14.asl", best);
    const GameLog log;
    auto form = OpenOn({player, shipped.Path()});
    EXPECT_TRUE(log.Messages().isEmpty()) << log.Joined().toStdString();
    EXPECT_EQ(ReadList(player + "a7.asl").back(), "\tComets");
    EXPECT_EQ(form->outline->Model().back(), (TreeItem{"Comets", 2}));
    EXPECT_TRUE(answerer.Boxes().empty());
}

} // namespace
} // namespace lexiglade::test
