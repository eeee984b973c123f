// The rules of one game played on the session alone, with no window: selection, matching, the
// hint list, the clock and the win.
#include "engine/PuzzleSession.h"

#include "engine/Random.h"
#include "library/Errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lexiglade {
namespace {

constexpr BoardOrigin Origin{40, 30};

// A cell's centre, written out as the board shows it: columns 20 apart from 90, rows 18 from 77.
Point Centre(Cell cell) {
    return {Origin.left + 90 + 20 * cell.column, Origin.top + 77 + 18 * cell.row};
}

LoadedPuzzle Puzzle(TextList words, TextList hints) {
    return {"Test", 0, std::move(words), std::move(hints)};
}

PuzzleSession Started(const LoadedPuzzle& puzzle, GameOptions options = {}) {
    SetRandomSeed(7);
    PuzzleSession session;
    session.Start(puzzle, options);
    return session;
}

ReleaseResult Drag(PuzzleSession& session, Cell from, Cell to) {
    EXPECT_TRUE(session.Press(Origin, Centre(from)));
    session.Track(Centre(to));
    return session.Release(Origin, Centre(to));
}

const LoadedPuzzle Animals =
    Puzzle({"ZEBRA", "LION", "HIPPO", "GIRAFFE"}, {"Stripes", "Mane", "River horse", "Neck"});

TEST(PuzzleSession, StartHidesEveryWordAndListsTheHintsInWordOrder) {
    const PuzzleSession session = Started(Animals);
    EXPECT_EQ(session.Hints(),
              (std::vector<std::string>{"Stripes", "Mane", "River horse", "Neck"}));
    ASSERT_EQ(session.Grids().PlacedWords.size(), 4u);
    EXPECT_EQ(session.Grids().LastWordIndex, 3);
    EXPECT_EQ(session.Retired(), RetiredWords(4, false));
    EXPECT_EQ(session.ElapsedSeconds(), 0);
    EXPECT_FALSE(session.GameOver());
    EXPECT_FALSE(session.Won());
    EXPECT_FALSE(session.SelectionActive());
}

TEST(PuzzleSession, AMissingHintStopsTheStart) {
    PuzzleSession session;
    SetRandomSeed(99);
    EXPECT_THROW(session.Start(Puzzle({"ZEBRA", "LION"}, {"Stripes"}), {}), LibraryError);
    EXPECT_EQ(RandomSeed(), 99u); // the hints are read before the grid draws
}

TEST(PuzzleSession, PressesStartASelectionOnlyOnACellOfThePressArea) {
    struct Case {
        int dx, dy;
        bool inArea; // the selection's state changes at all
        bool starts;
    };
    const Case cases[] = {
        {90, 77, true, true},    // column 0, row 0
        {100, 87, true, true},   // still column 0, row 0
        {101, 88, true, true},   // column 1, row 1
        {85, 65, true, false},   // in the area, above the first row's window
        {520, 100, true, false}, // in the area, at the refused column
        {100, 337, true, false}, // in the area, at the refused row
        {84, 100, false, false}, // left of the area
        {100, 346, false, false} // below it
    };
    for (const Case c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        PuzzleSession session = Started(Animals);
        ASSERT_TRUE(session.Press(Origin, Centre({5, 5}))); // a selection already running
        const bool started = session.Press(Origin, {Origin.left + c.dx, Origin.top + c.dy});
        EXPECT_EQ(started, c.starts);
        EXPECT_EQ(session.SelectionActive(), c.starts || !c.inArea);
    }
}

TEST(PuzzleSession, APressAnchorsAtTheCellCentreWithAFullCircle) {
    PuzzleSession session = Started(Animals);
    ASSERT_TRUE(session.Press(Origin, {Origin.left + 101, Origin.top + 88}));
    const SelectionState& s = session.Selection();
    EXPECT_EQ((Cell{s.AnchorColumn, s.AnchorRow}), (Cell{1, 1}));
    EXPECT_EQ((Point{s.AnchorX, s.AnchorY}), Centre({1, 1}));
    EXPECT_EQ((Point{s.RubberX, s.RubberY}), Centre({1, 1}));
    EXPECT_EQ(s.RubberBearing, 90);
}

TEST(PuzzleSession, TheRubberBandMovesOnlyBeyondTenPixelsAndTakesOneOf16Bearings) {
    struct Case {
        int dx, dy;
        bool moves;
        int bearing;
    };
    const Case cases[] = {
        {10, 0, false, 0},   {7, 7, false, 0},     {11, 0, true, 90},     {-40, 0, true, 270},
        {0, -40, true, 0},   {0, 40, true, 180},   {40, 40, true, 135},   {40, -40, true, 45},
        {100, 23, true, 90}, {100, 25, true, 112}, {-40, -40, true, 315},
    };
    for (const Case c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        PuzzleSession session = Started(Animals);
        const Point anchor = Centre({8, 7});
        ASSERT_TRUE(session.Press(Origin, anchor));
        const Point to{anchor.x + c.dx, anchor.y + c.dy};
        const std::optional<RubberMove> move = session.Track(to);
        ASSERT_EQ(move.has_value(), c.moves);
        if (move) {
            EXPECT_EQ(move->erased, (Band{anchor, anchor, 90}));
            EXPECT_EQ(move->drawn, (Band{anchor, to, c.bearing}));
            EXPECT_EQ(session.Selection().RubberBearing, c.bearing);
        } else {
            EXPECT_EQ(session.Selection().RubberX, anchor.x);
        }
    }
}

TEST(PuzzleSession, AReleaseFindsAWordFromEitherEndAndNothingElse) {
    struct Case {
        const char* what;
        bool backwards;
        Cell endShift; // added to the word's far end
        bool found;
    };
    const Case cases[] = {
        {"first to last", false, {0, 0}, true},
        {"last to first", true, {0, 0}, true},
        {"one cell short", false, {0, 1}, false},
    };
    for (const Case c : cases) {
        SCOPED_TRACE(c.what);
        PuzzleSession session = Started(Animals);
        const PlacedWord word = session.Grids().PlacedWords[1];
        Cell from = c.backwards ? word.end : word.start;
        Cell to = c.backwards ? word.start : word.end;
        to = {to.column + c.endShift.column, to.row + c.endShift.row};
        const ReleaseResult result = Drag(session, from, to);
        EXPECT_FALSE(session.SelectionActive());
        EXPECT_EQ(result.erased.anchor, Centre(from));
        EXPECT_EQ(result.erased.farEnd, Centre(to));
        ASSERT_EQ(result.found.size(), c.found ? 1u : 0u);
        if (c.found) {
            EXPECT_EQ(result.found[0].word, 1);
            EXPECT_EQ(result.found[0].mark,
                      (Band{Centre(from), Centre(to), result.erased.bearing}));
            EXPECT_EQ(result.found[0].removedHints, (std::vector<std::int32_t>{1}));
            EXPECT_EQ(session.Hints(),
                      (std::vector<std::string>{"Stripes", "River horse", "Neck"}));
        } else {
            EXPECT_EQ(session.Hints().size(), 4u);
        }
        EXPECT_FALSE(result.won);
    }
}

TEST(PuzzleSession, AFoundWordIsNotFoundAgainAndAOneCellDragFindsNothing) {
    PuzzleSession session = Started(Animals);
    const PlacedWord word = session.Grids().PlacedWords[2];
    ASSERT_EQ(Drag(session, word.start, word.end).found.size(), 1u);
    EXPECT_TRUE(session.Retired()[2]);
    EXPECT_TRUE(Drag(session, word.end, word.start).found.empty());
    EXPECT_TRUE(Drag(session, word.start, word.start).found.empty());
    EXPECT_EQ(session.Hints().size(), 3u);
}

TEST(PuzzleSession, AReleaseBeyondTheLimitsOrBesideTheCellsMatchesNothing) {
    PuzzleSession session = Started(Animals);
    const PlacedWord word = session.Grids().PlacedWords[0];
    for (const Point beyond :
         {Point{Origin.left + 520, Centre(word.end).y}, Point{Centre(word.end).x, Origin.top + 337},
          Point{Origin.left + 79, Centre(word.end).y}}) {
        ASSERT_TRUE(session.Press(Origin, Centre(word.start)));
        EXPECT_TRUE(session.Release(Origin, beyond).found.empty());
        EXPECT_FALSE(session.SelectionActive());
    }
    EXPECT_EQ(session.Hints().size(), 4u);
}

TEST(PuzzleSession, EqualHintsNextToEachOtherGoOneAtATimeAndApartTogether) {
    struct Case {
        LoadedPuzzle puzzle;
        std::vector<std::int32_t> removed;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {Puzzle({"ZEBRA", "LION", "HIPPO"}, {"Animal", "Animal", "Water"}),
         {0},
         {"Animal", "Water"}},
        {Puzzle({"ZEBRA", "HIPPO", "LION"}, {"Animal", "Water", "Animal"}), {0, 1}, {"Water"}},
    };
    for (const Case& c : cases) {
        PuzzleSession session = Started(c.puzzle);
        const PlacedWord zebra = session.Grids().PlacedWords[0];
        const ReleaseResult result = Drag(session, zebra.start, zebra.end);
        ASSERT_EQ(result.found.size(), 1u);
        EXPECT_EQ(result.found[0].removedHints, c.removed);
        EXPECT_EQ(session.Hints(), c.left);
    }
}

TEST(PuzzleSession, TheLastHintWinsWithTheTimeOfTheLastFind) {
    PuzzleSession session = Started(Animals);
    const std::vector<PlacedWord> words = session.Grids().PlacedWords;
    for (std::size_t k = 0; k < words.size(); ++k) {
        session.Tick();
        const ReleaseResult result = Drag(session, words[k].end, words[k].start);
        ASSERT_EQ(result.found.size(), 1u) << k;
        EXPECT_EQ(result.won, k + 1 == words.size()) << k;
        EXPECT_EQ(session.Won(), k + 1 == words.size()) << k;
    }
    EXPECT_TRUE(session.Hints().empty());
    EXPECT_EQ(session.TimeTaken(), 4);
    session.Tick();
    EXPECT_EQ(session.ElapsedSeconds(), 5);
    EXPECT_EQ(session.TimeTaken(), 4) << "the win message does not add to the time";
}

TEST(PuzzleSession, TheClockEndsATimedGameOnTheTickPastItsLimitUnlessItIsWon) {
    struct Case {
        bool timed;
        int choice;
        std::optional<std::int32_t> limit;
    };
    for (const Case c : {Case{true, 1, 180}, Case{true, 2, 360}, Case{true, 3, 540},
                         Case{false, 2, std::nullopt}}) {
        SCOPED_TRACE(c.choice);
        GameOptions options;
        options.timedGame = c.timed;
        options.timeLimitChoice = c.choice;
        PuzzleSession session = Started(Animals, options);
        EXPECT_EQ(session.TimeLimit(), c.limit);
        bool expired = false;
        int at = 0;
        while (!expired && at < 1000) {
            expired = session.Tick().has_value();
            ++at;
        }
        EXPECT_EQ(expired, c.timed);
        if (c.limit) {
            EXPECT_EQ(at, *c.limit + 1);
        }
    }
    GameOptions timed;
    timed.timedGame = true;
    PuzzleSession won = Started(Puzzle({"ZEBRA"}, {"Stripes"}), timed);
    const PlacedWord zebra = won.Grids().PlacedWords[0];
    ASSERT_TRUE(Drag(won, zebra.start, zebra.end).won);
    for (int i = 0; i < 200; ++i) {
        EXPECT_FALSE(won.Tick()) << i;
    }
}

TEST(PuzzleSession, TheTimeOutShowsTheWordsNotFoundAndDropsTheSelection) {
    GameOptions timed;
    timed.timedGame = true;
    timed.timeLimitChoice = 1;
    PuzzleSession session = Started(Animals, timed);
    const std::vector<PlacedWord> words = session.Grids().PlacedWords;
    ASSERT_EQ(Drag(session, words[2].end, words[2].start).found.size(), 1u);
    ASSERT_TRUE(session.Press(Origin, Centre(words[0].start)));
    session.Track(Centre(words[0].end));
    const Band running = session.RubberBand();
    for (int second = 1; second <= 180; ++second) {
        ASSERT_FALSE(session.Tick()) << second;
    }
    const std::optional<TimeOut> timeOut = session.Tick();
    ASSERT_TRUE(timeOut);
    EXPECT_EQ(timeOut->erased, running);
    EXPECT_FALSE(session.SelectionActive());
    EXPECT_EQ(timeOut->unfound, (std::vector<PlacedWord>{words[0], words[1], words[3]}));
    const Band zebra = WordBand(Origin, words[0]);
    EXPECT_EQ(zebra.anchor, Centre(words[0].start));
    EXPECT_EQ(zebra.farEnd, Centre(words[0].end));
    EXPECT_EQ(zebra.bearing, QuantiseBearing(zebra.anchor, zebra.farEnd));
}

TEST(PuzzleSession, EndGameMarksTheGameOver) {
    PuzzleSession session = Started(Animals);
    session.EndGame();
    EXPECT_TRUE(session.GameOver());
}

} // namespace
} // namespace lexiglade
