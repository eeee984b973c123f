// The starter puzzles: the wizard's word and hint rules, room for every word in the grid, and the
// puzzle files they are filed from.
#include "LibraryData.h"

#include "engine/GridGenerator.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

bool IsCapitalisedWord(const std::string& word) {
    return word.size() >= 4 && word.size() <= 21 && word[0] >= 'A' && word[0] <= 'Z' &&
           std::all_of(word.begin() + 1, word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

TEST(LibraryPuzzles, WordsFollowTheWizardRules) {
    for (const Puzzle& puzzle : LoadPuzzles()) {
        SCOPED_TRACE(puzzle.title);
        EXPECT_GE(puzzle.title.size(), 2u);
        EXPECT_LE(puzzle.title.size(), 40u);
        EXPECT_GE(puzzle.words.size(), 15u);
        EXPECT_LE(puzzle.words.size(), 25u);
        std::set<std::string> seen;
        int longWords = 0;
        for (const std::string& word : puzzle.words) {
            EXPECT_TRUE(IsCapitalisedWord(word)) << word;
            EXPECT_TRUE(seen.insert(Upper(word)).second) << "repeated " << word;
            longWords += word.size() > 15 ? 1 : 0;
        }
        EXPECT_LE(longWords, 3);
    }
}

TEST(LibraryPuzzles, NoWordHidesInsideAnother) {
    for (const Puzzle& puzzle : LoadPuzzles()) {
        for (const std::string& inner : puzzle.words) {
            for (const std::string& outer : puzzle.words) {
                EXPECT_TRUE(inner == outer || Upper(outer).find(Upper(inner)) == std::string::npos)
                    << puzzle.title << ": " << inner << " in " << outer;
            }
        }
    }
}

// A text hint names neither its word nor, for a word ending in S, the word without it, and holds
// no full stop, which would make the game take the puzzle for pictures.
TEST(LibraryPuzzles, TextHintsHelpWithoutNamingTheWord) {
    for (const Puzzle& puzzle : LoadPuzzles()) {
        if (IsPicturePuzzle(puzzle)) {
            continue;
        }
        for (std::size_t i = 0; i < puzzle.words.size(); ++i) {
            const std::string hint = Upper(puzzle.hints[i]);
            const std::string word = Upper(puzzle.words[i]);
            const std::string singular =
                word.ends_with('S') ? word.substr(0, word.size() - 1) : word;
            SCOPED_TRACE(puzzle.title + ": " + puzzle.words[i]);
            EXPECT_GE(hint.size(), 8u) << hint;
            EXPECT_LE(hint.size(), 60u) << hint;
            EXPECT_EQ(hint.find(singular), std::string::npos) << hint;
            EXPECT_EQ(hint.find('.'), std::string::npos) << hint;
        }
    }
}

TEST(LibraryPuzzles, PicturePuzzlesNameAPictureForEveryWord) {
    int picturePuzzles = 0;
    for (const Puzzle& puzzle : LoadPuzzles()) {
        if (!IsPicturePuzzle(puzzle)) {
            continue;
        }
        ++picturePuzzles;
        std::set<std::string> seen;
        for (const std::string& hint : puzzle.hints) {
            SCOPED_TRACE(puzzle.title + ": " + hint);
            EXPECT_GT(hint.size(), 4u);
            EXPECT_LE(hint.size(), 12u);
            EXPECT_EQ(hint, Upper(hint));
            EXPECT_TRUE(hint.ends_with(".BMP"));
            EXPECT_TRUE(seen.insert(hint).second) << "picture used twice";
        }
    }
    EXPECT_GE(picturePuzzles, kMinShippedPicturePuzzles);
}

TEST(LibraryPuzzles, EveryPuzzleGeneratesWithEitherSetting) {
    const std::vector<Puzzle> puzzles = LoadPuzzles();
    EXPECT_EQ(puzzles.size(), ReadLines("a8.asl").size()) << "every title is in the tree";
    for (const Puzzle& puzzle : puzzles) {
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            lexiglade::SetRandomSeed(seed);
            lexiglade::GridState state;
            ASSERT_NO_THROW(state = lexiglade::GenerateGrid(puzzle.words, seed % 2 == 0))
                << puzzle.title << " with seed " << seed;
            ASSERT_EQ(state.PlacedWords.size(), puzzle.words.size());
        }
    }
}

// The tree shows the folders in the order of their directories and each folder's puzzles in the
// order of their files, and every puzzle loads exactly the words and hints of its file.
TEST(LibraryPuzzles, TreeAndPuzzlesAreThoseOfThePuzzleFiles) {
    const std::vector<PuzzleFile> files = ReadPuzzleFiles();
    Lines tree;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i == 0 || files[i].folder != files[i - 1].folder) {
            tree.push_back(files[i].folder);
        }
        tree.push_back("\t" + files[i].puzzle.title);
    }
    EXPECT_EQ(ReadLines("a7.asl"), tree);
    const std::vector<Puzzle> loaded = LoadPuzzles();
    ASSERT_EQ(loaded.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(loaded[i].title, files[i].puzzle.title);
        EXPECT_EQ(loaded[i].words, files[i].puzzle.words) << files[i].puzzle.title;
        EXPECT_EQ(loaded[i].hints, files[i].puzzle.hints) << files[i].puzzle.title;
    }
}

} // namespace
