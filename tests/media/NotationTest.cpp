// The notation and the arranger's building blocks that the shipped music is written with.
#include "tools/make_sounds/Notation.h"
#include "tools/make_sounds/Arrange.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lexiglade::test {
namespace {

using namespace sounds;

TEST(Notation, PitchNamesGiveMidiKeys) {
    const struct {
        const char* name;
        int key;
    } cases[] = {{"C4", 60},  {"A4", 69}, {"F#3", 54}, {"Bb3", 58}, {"B#3", 60},
                 {"Cb4", 59}, {"C0", 12}, {"E1", 28},  {"G8", 115}};
    for (const auto& c : cases) {
        EXPECT_EQ(KeyOf(c.name), c.key) << c.name;
    }
    for (const char* bad : {"H4", "C", "C#", "C44", "c4", "D9"}) {
        EXPECT_THROW(KeyOf(bad), std::invalid_argument) << bad;
    }
}

TEST(Notation, MelodiesHaveLengthsRestsAndTies) {
    const Phrase phrase = ParseMelody("C4q D4e. E4s | rh G4h _q");
    ASSERT_EQ(phrase.notes.size(), 4u);
    const struct {
        double beat, length;
        int key;
    } expected[] = {{0, 1, 60}, {1, 0.75, 62}, {1.75, 0.25, 64}, {4, 3, 67}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(phrase.notes[i].beat, expected[i].beat) << i;
        EXPECT_DOUBLE_EQ(phrase.notes[i].length, expected[i].length) << i;
        EXPECT_EQ(phrase.notes[i].key, expected[i].key) << i;
    }
    EXPECT_DOUBLE_EQ(phrase.beats, 7);
    for (const char* bad : {"C4", "C4x", "_q", "r", "C4q.."}) {
        EXPECT_THROW(ParseMelody(bad), std::invalid_argument) << bad;
    }
}

TEST(Notation, ChordNamesGiveRootTonesAndBass) {
    const struct {
        const char* name;
        int root;
        std::vector<int> tones;
        int bass;
    } cases[] = {{"Am7", 9, {0, 3, 7, 10}, 9}, {"C/E", 0, {0, 4, 7}, 4},
                 {"F#m", 6, {0, 3, 7}, 6},     {"Bbmaj7", 10, {0, 4, 7, 11}, 10},
                 {"Gsus4", 7, {0, 5, 7}, 7},   {"G/B", 7, {0, 4, 7}, 11}};
    for (const auto& c : cases) {
        const Chord chord = ParseChord(c.name);
        EXPECT_EQ(chord.root, c.root) << c.name;
        EXPECT_EQ(chord.tones, c.tones) << c.name;
        EXPECT_EQ(chord.bass, c.bass) << c.name;
    }
    EXPECT_THROW(ParseChord("Cx"), std::invalid_argument);
}

TEST(Notation, ChordChartsShareEachBarEqually) {
    const std::vector<ChordSpan> spans = ParseChords("C G | Am | F C G", 3);
    ASSERT_EQ(spans.size(), 6u);
    EXPECT_DOUBLE_EQ(spans[1].beat, 1.5);
    EXPECT_DOUBLE_EQ(spans[1].length, 1.5);
    EXPECT_DOUBLE_EQ(spans[2].beat, 3);
    EXPECT_DOUBLE_EQ(spans[2].length, 3);
    EXPECT_DOUBLE_EQ(spans[5].beat, 8);
    EXPECT_DOUBLE_EQ(spans[5].length, 1);
    EXPECT_EQ(spans[5].chord.root, 7);
}

TEST(Arranger, VoicingsMoveAsLittleAsTheyCan) {
    EXPECT_EQ(Voicing(ParseChord("C"), 60, 72, {}), (std::vector<int>{60, 64, 67}));
    EXPECT_EQ(Voicing(ParseChord("F"), 60, 72, {60, 64, 67}), (std::vector<int>{60, 65, 69}));
    EXPECT_EQ(Voicing(ParseChord("G"), 60, 72, {60, 65, 69}), (std::vector<int>{62, 67, 71}));
}

TEST(Arranger, ShiftsAlongTheScaleForThirdsBelow) {
    const Phrase major = ShiftInScale(ParseMelody("C4q E4q G4q B4q"), 0, false, -2);
    const Phrase minor = ShiftInScale(ParseMelody("A4q G#4q C5q"), 9, true, -2);
    const std::vector<int> majorKeys = {57, 60, 64, 67};
    const std::vector<int> minorKeys = {65, 64, 69};
    for (std::size_t i = 0; i < majorKeys.size(); ++i) {
        EXPECT_EQ(major.notes[i].key, majorKeys[i]) << i;
    }
    for (std::size_t i = 0; i < minorKeys.size(); ++i) {
        EXPECT_EQ(minor.notes[i].key, minorKeys[i]) << i;
    }
}

} // namespace
} // namespace lexiglade::test
