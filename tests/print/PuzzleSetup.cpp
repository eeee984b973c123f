#include "PuzzleSetup.h"

#include "engine/GridGenerator.h"
#include "engine/Random.h"

#include <array>
#include <stdexcept>

namespace lexiglade::test {

namespace {

constexpr std::array<const char*, 25> kAnimals = {
    "ELEPHANT", "GIRAFFE", "ZEBRA",   "LION",     "TIGER",   "MONKEY", "KANGAROO",
    "PENGUIN",  "DOLPHIN", "OCTOPUS", "SQUIRREL", "RABBIT",  "BADGER", "BEAVER",
    "CAMEL",    "DONKEY",  "FALCON",  "GORILLA",  "HAMSTER", "JAGUAR", "KOALA",
    "LEOPARD",  "MEERKAT", "OSTRICH", "PANTHER"};

void CheckCount(int count) {
    if (count < 1 || count > static_cast<int>(kAnimals.size())) {
        throw std::out_of_range("sample puzzles hold 1 to 25 words");
    }
}

} // namespace

TextList SampleWords(int count) {
    CheckCount(count);
    return TextList(kAnimals.begin(), kAnimals.begin() + count);
}

TextList SampleHints(int count) {
    CheckCount(count);
    TextList hints;
    for (int k = 0; k < count; ++k) {
        hints.push_back("Clue " + std::to_string(k + 1) + " is an animal of " +
                        std::to_string(std::string(kAnimals[static_cast<std::size_t>(k)]).size()) +
                        " letters");
    }
    return hints;
}

void LoadPuzzle(const std::string& title, const TextList& words, const TextList& hints) {
    ScreenPuzzle& state = OnScreen();
    state = ScreenPuzzle{};
    state.LoadedPuzzle = lexiglade::LoadedPuzzle{title, 0, words, hints};
    GameGrids() = GridState{};
    SetRandomSeed(20240611);
    GameGrids() = GenerateGrid(words, true);
}

ScreenPuzzle& OnScreen() {
    static ScreenPuzzle puzzle;
    return puzzle;
}

GridState& GameGrids() {
    static GridState grids;
    return grids;
}

PrintedPuzzle Printed(bool pictureHints, std::vector<QImage> pictures) {
    const ScreenPuzzle& state = OnScreen();
    return {state.LoadedPuzzle.title,
            state.LoadedPuzzle.words,
            state.LoadedPuzzle.hints,
            state.GameOptions.backwardWords,
            pictureHints,
            std::move(pictures),
            GameGrids()};
}

} // namespace lexiglade::test
