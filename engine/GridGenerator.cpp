#include "engine/GridGenerator.h"

#include "engine/Random.h"

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

// Upper-cased, then back to front when backward words are allowed and RandomBelow(3) is 2 (no draw
// when they are not).
PreparedWord Prepare(const std::string& word, bool backwardWords) {
    PreparedWord prepared{PrepareText(word), backwardWords && RandomBelow(3) == 2};
    if (prepared.reversed) {
        std::ranges::reverse(prepared.text);
    }
    return prepared;
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

// Where each prepared word lies, after a search may have turned some of them forwards.
std::vector<PlacedWord> PlacedAlong(const std::vector<PreparedWord>& prepared,
                                    const std::vector<WordSpan>& spans) {
    std::vector<PlacedWord> placed;
    placed.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        placed.push_back({prepared[i].text, prepared[i].reversed, spans[i].start, spans[i].end});
    }
    return placed;
}

} // namespace

GridState GenerateGrid(const TextList& words, bool backwardWords) {
    GridState state;
    state.LastWordIndex = static_cast<std::int32_t>(words.size()) - 1;
    std::vector<PreparedWord> prepared;
    prepared.reserve(words.size());
    for (const std::string& word : words) {
        prepared.push_back(Prepare(word, backwardWords));
    }
    const std::vector<WordSpan> spans = PlaceWords(state.LetterGrid, prepared);
    state.PlacedWords = PlacedAlong(prepared, spans);
    FillEmptyCells(state.LetterGrid);
    return state;
}

bool AlwaysPlaceable(const TextList& words) {
    std::vector<std::string> texts;
    for (const std::string& word : words) {
        texts.push_back(PrepareText(word));
    }
    return CanPlaceWords(texts);
}

std::vector<PlacedWord> BuildPrintGrid(GridState& state, const TextList& words,
                                       bool backwardWords) {
    state.PrintGrid.clear();
    std::vector<PreparedWord> prepared;
    for (std::int32_t i = 0; i <= state.LastWordIndex; ++i) {
        prepared.push_back(Prepare(ListItem(words, i), backwardWords));
    }
    const std::vector<WordSpan> spans = PlaceWords(state.PrintGrid, prepared);
    FillEmptyCells(state.PrintGrid);
    return PlacedAlong(prepared, spans);
}

} // namespace lexiglade
