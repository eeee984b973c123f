#include "wizard/Validation.h"

#include <gtest/gtest.h>

#include <set>

namespace lexiglade {
namespace {

TextList Words(std::size_t count, std::size_t letters = 6) {
    TextList words;
    for (std::size_t i = 0; i < count; ++i) {
        words.push_back(std::string(letters - 1, 'A') + static_cast<char>('A' + i % 26));
    }
    return words;
}

TextList Hints(std::size_t count) {
    TextList hints;
    for (std::size_t i = 0; i < count; ++i) {
        hints.push_back("hint " + std::to_string(i));
    }
    return hints;
}

TextList Pictures(std::size_t count) {
    TextList hints;
    for (std::size_t i = 0; i < count; ++i) {
        hints.push_back("pic" + std::to_string(i) + ".bmp");
    }
    return hints;
}

PuzzleEntry Valid() {
    return {"Garden Birds", Words(15), Hints(15)};
}

const std::string kMissingText =
    "At least one hint picture filename was not found. Please verify that the pictueres you want "
    "to use are in the /data/PICTURES subdirectory.";

struct Row {
    const char* what;
    PuzzleEntry entry;
    std::string message; // empty: passes
};

PuzzleChecks Checks(std::set<std::string> present = {}) {
    PuzzleChecks checks;
    checks.dataDir = "/data/";
    checks.titleTaken = [](const std::string& title) { return title == "Farm"; };
    checks.pictureExists = [present](const std::string& hint) {
        return present.empty() || present.count(hint) > 0;
    };
    return checks;
}

PuzzleEntry With(PuzzleEntry entry, std::size_t i, const std::string& word) {
    entry.words[i] = word;
    return entry;
}

PuzzleEntry WithHint(PuzzleEntry entry, std::size_t i, const std::string& hint) {
    entry.hints[i] = hint;
    return entry;
}

PuzzleEntry Named(const std::string& name) {
    PuzzleEntry entry = Valid();
    entry.name = name;
    return entry;
}

TEST(ValidatePuzzleTest, ChecksRunInOrderWithTheirMessages) {
    const PuzzleEntry pictures{"Pets", Words(15), Pictures(15)};
    const Row table[] = {
        {"40 characters", Named(std::string(40, 'n')), ""},
        {"41 characters", Named(std::string(41, 'n')), kNameTooLong},
        {"2 characters", Named("Ab"), ""},
        {"1 character", Named("A"), kNameMissing},
        {"0 characters", Named(""), kNameMissing},
        {"a title already filed", Named("Farm"), kNameTaken},
        {"a title differing in case only", Named("farm"), ""},
        {"a leading space", Named(" Farm Life"), kNameBreaksTree},
        {"a leading tab", Named("\tFarm Life"), kNameBreaksTree},
        {"a tab inside", Named("Farm\tLife"), kNameBreaksTree},
        {"a trailing space", Named("Farm Life "), ""},
        {"too long before taken", Named(std::string(41, 'F')), kNameTooLong},
        {"15 words 14 hints", {"Ab", Words(15), Hints(14)}, kCountsDiffer},
        {"14 words", {"Ab", Words(14), Hints(14)}, kWordCount},
        {"15 words", {"Ab", Words(15), Hints(15)}, ""},
        {"25 words", {"Ab", Words(25), Hints(25)}, ""},
        {"26 words", {"Ab", Words(26), Hints(26)}, kWordCount},
        {"word of 3", With(Valid(), 3, "CAT"), kWordLength},
        {"word of 4", With(Valid(), 3, "CATS"), ""},
        {"word of 21", With(Valid(), 3, std::string(21, 'Q')), ""},
        {"word of 22", With(Valid(), 3, std::string(22, 'Q')), kWordLength},
        {"empty line", With(Valid(), 14, ""), kWordLength},
        {"a space", With(Valid(), 0, "PIM VARLO"), kWordLetters},
        {"a digit", With(Valid(), 0, "R2D2X"), kWordLetters},
        {"a letter past Z", With(Valid(), 0, "CAF\xC9"), kWordLetters},
        {"lower case", With(Valid(), 0, "pimvarlo"), ""},
        {"sixteen of 21 letters", {"Ab", Words(16, 21), Hints(16)}, kWordsDoNotFit},
        {"fifteen of 21 letters and one of 4", With({"Ab", Words(16, 21), Hints(16)}, 15, "WREN"),
         ""},
        {"letters before the grid", With({"Ab", Words(16, 21), Hints(16)}, 15, "R2D2X"),
         kWordLetters},
        {"the grid before the pictures", {"Ab", Words(16, 21), Pictures(16)}, kWordsDoNotFit},
        {"length before letters", With(With(Valid(), 0, "R2D2X"), 9, "CAT"), kWordLength},
        {"text hints of any length", WithHint(WithHint(Valid(), 0, std::string(300, 'x')), 1, "Y"),
         ""},
        {"picture hints", pictures, ""},
        {"a hint of 3 among pictures", WithHint(pictures, 4, "CAT"), kPictureTooShort},
        {"a name of 17 among pictures", WithHint(pictures, 4, "abcdefghijkl1.bmp"),
         kPictureTooLong},
        {"13 characters is long", WithHint(pictures, 4, "abcdefghi.bmp"), kPictureTooLong},
        {"12 characters is not", WithHint(pictures, 4, "abcdefgh.bmp"), ""},
        {"short before long", WithHint(WithHint(pictures, 9, "abcdefghijkl1.bmp"), 12, "CAT"),
         kPictureTooShort},
        {"one text hint among pictures", WithHint(pictures, 14, "Kitten"), kPicturesOnly},
        {".BMP alone is a short text hint", WithHint(Valid(), 2, ".BMP"), ""},
        {"a missing picture", pictures, kMissingText},
        {"a DEL in the name", Named("Farm\x7FLife"), kNameControl},
        {"a C1 control in the name", Named("Farm\x85Life"), kNameControl},
        {"an empty hint", WithHint(Valid(), 14, ""), "The hint of AAAAAO is empty."},
        {"an empty hint among pictures", WithHint(pictures, 4, ""), "The hint of AAAAAE is empty."},
        {"a tab in a hint", WithHint(Valid(), 3, "a\tb"),
         "The hint of AAAAAD cannot contain control characters."},
        {"a C1 control in a hint", WithHint(Valid(), 3, "caf\x85"),
         "The hint of AAAAAD cannot contain control characters."},
        {"a full stop in a text puzzle's first hint", WithHint(Valid(), 0, "Capital of the U.S."),
         kFirstHintFullStop},
        {"a full stop in a later hint", WithHint(Valid(), 1, "Capital of the U.S."), ""},
    };
    for (const Row& row : table) {
        const bool missingRow = row.message == kMissingText;
        const Verdict verdict =
            ValidatePuzzle(row.entry, missingRow ? Checks({"PIC0.BMP"}) : Checks());
        EXPECT_EQ(verdict.message, row.message) << row.what;
        EXPECT_EQ(verdict.Passed(), row.message.empty()) << row.what;
    }
    const Verdict named = ValidatePuzzle(WithHint(Valid(), 14, ""), Checks());
    EXPECT_STREQ(named.text, kHintEmpty); // the same text, wherever its literal lies
    EXPECT_EQ(named.subject, "AAAAAO");
    EXPECT_EQ(named.word, 14u);
}

// Where each kind of refusal points: the name, or the first line of the words or hints it refuses.
TEST(ValidatePuzzleTest, RefusalsPointAtWhatTheyRefuse) {
    using F = EntryPlace::Field;
    const PuzzleEntry pictures{"Pets", Words(15), Pictures(15)};
    struct Place {
        const char* what;
        PuzzleEntry entry;
        EntryPlace place;
    };
    const Place table[] = {
        {"a name too long", Named(std::string(41, 'n')), {F::Name, {}}},
        {"a control in the name", Named("Farm\x7FLife"), {F::Name, {}}},
        {"26 words", {"Ab", Words(26), Hints(26)}, {F::Words, 25}},
        {"14 words", {"Ab", Words(14), Hints(14)}, {F::Words, {}}},
        {"a digit in a word", With(With(Valid(), 9, "R2D2X"), 11, "R2D2Y"), {F::Words, 9}},
        {"the first longest of words the grid cannot hide",
         With({"Ab", Words(17, 21), Hints(17)}, 0, "WREN"),
         {F::Words, 1}},
        {"a tab in a hint", WithHint(Valid(), 3, "a\tb"), {F::Hints, 3}},
        {"a full stop in the first hint", WithHint(Valid(), 0, "U.S."), {F::Hints, 0}},
        {"a picture name too long", WithHint(pictures, 6, "abcdefghijkl1.bmp"), {F::Hints, 6}},
        {"a text hint among pictures", WithHint(pictures, 14, "Kitten"), {F::Hints, 14}},
        {"a missing picture", pictures, {F::Hints, 1}},
        {"none", Valid(), {F::None, {}}},
    };
    for (const Place& row : table) {
        const Verdict verdict = ValidatePuzzle(row.entry, Checks({"PIC0.BMP"}));
        EXPECT_EQ(verdict.place, row.place) << row.what << ": " << verdict.message;
    }
}

TEST(ValidatePuzzleTest, PicturePuzzlesAreTestedUnderTheUpperCasedName) {
    std::vector<std::string> asked;
    PuzzleChecks checks = Checks();
    checks.pictureExists = [&](const std::string& hint) {
        asked.push_back(hint);
        return true;
    };
    const Verdict verdict = ValidatePuzzle({"Pets", Words(15), Pictures(15)}, checks);
    EXPECT_TRUE(verdict.Passed());
    EXPECT_TRUE(verdict.pictureHints);
    ASSERT_EQ(asked.size(), 15u);
    EXPECT_EQ(asked[0], "PIC0.BMP");
    EXPECT_EQ(asked[14], "PIC14.BMP");
    EXPECT_FALSE(ValidatePuzzle(Valid(), checks).pictureHints);
    EXPECT_EQ(asked.size(), 15u); // a text puzzle tests no file
}

TEST(ValidatePuzzleTest, TheMissingPictureMessageNamesTheFolderWithItsSlash) {
    PuzzleChecks checks = Checks({"NONE.BMP"});
    checks.dataDir = "/data"; // as a folder may be given
    EXPECT_EQ(ValidatePuzzle({"Pets", Words(15), Pictures(15)}, checks).message, kMissingText);
}

TEST(ValidatePuzzleTest, OnlyTheChecksReachedAreAsked) {
    int titleQuestions = 0;
    int pictureQuestions = 0;
    PuzzleChecks checks;
    checks.titleTaken = [&](const std::string&) { return ++titleQuestions, false; };
    checks.pictureExists = [&](const std::string&) { return ++pictureQuestions, false; };
    ValidatePuzzle(Named("X"), checks);
    EXPECT_EQ(titleQuestions, 0);
    ValidatePuzzle(WithHint({"Pets", Words(15), Pictures(15)}, 3, "CAT"), checks);
    EXPECT_EQ(titleQuestions, 1);
    EXPECT_EQ(pictureQuestions, 0);
    ValidatePuzzle({"Pets", Words(16, 21), Pictures(16)}, checks);
    EXPECT_EQ(titleQuestions, 2);
    EXPECT_EQ(pictureQuestions, 0);
}

TEST(ValidatePuzzleTest, UpperCaseChangesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCase("abz AZ 09 .bmp \xE9"), "ABZ AZ 09 .BMP \xE9");
}

} // namespace
} // namespace lexiglade
