#include "engine/Grid.h"

#include "engine/Random.h"
#include "engine/WordPlacement.h"

#include <algorithm>

namespace lexiglade {

namespace {

// Upper-cases a to z only; the text ends at a NUL like the fixed buffer it stands for.
std::string PrepareText(const std::string& word) {
    std::string text = word.substr(0, word.find('\0'));
    for (char& ch : text) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return text;
}

// Draws only when backward words are allowed.
bool DrawReversal(bool backwardWords) {
    return backwardWords && RandomBelow(3) == 2;
}

void FillEmptyCells(Grid& grid) {
    for (std::int32_t column = 0; column < GridColumns; ++column) {
        for (std::int32_t row = 0; row < GridRows; ++row) {
            char& cell = grid.at({column, row});
            if (cell == 0) {
                cell = static_cast<char>('A' + RandomBelow(26));
            }
        }
    }
}

} // namespace

std::size_t Grid::Index(Cell cell) {
    if (!Contains(cell)) {
        throw std::out_of_range("cell outside the grid");
    }
    return static_cast<std::size_t>(cell.column * GridRows + cell.row);
}

bool GenerateGrid(GridState& state, const TextList& words, bool backwardWords,
                  const std::function<void()>& buildHintLists) {
    state.LetterGrid.clear();
    if (buildHintLists) {
        buildHintLists();
    }
    state.LastWordIndex = static_cast<std::int32_t>(words.size()) - 1;
    state.PlacedWords.assign(words.size(), PlacedWord{});
    std::vector<std::string> texts;
    texts.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        PlacedWord& placed = state.PlacedWords[i];
        placed.text = PrepareText(words[i]);
        placed.reversed = DrawReversal(backwardWords);
        if (placed.reversed) {
            std::ranges::reverse(placed.text);
        }
        texts.push_back(placed.text);
    }
    const std::vector<WordSpan> spans = PlaceWords(state.LetterGrid, texts);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        state.PlacedWords[i].start = spans[i].start;
        state.PlacedWords[i].end = spans[i].end;
    }
    FillEmptyCells(state.LetterGrid);
    return true;
}

void BuildPrintGrid(GridState& state, const TextList& words, bool backwardWords) {
    state.PrintGrid.clear();
    std::vector<std::string> texts;
    for (std::int32_t i = 0; i <= state.LastWordIndex; ++i) {
        std::string text = PrepareText(ListItem(words, i));
        if (DrawReversal(backwardWords)) {
            std::ranges::reverse(text);
        }
        texts.push_back(std::move(text));
    }
    PlaceWords(state.PrintGrid, texts);
    FillEmptyCells(state.PrintGrid);
}

} // namespace lexiglade
