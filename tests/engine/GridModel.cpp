#include "GridModel.h"

#include <algorithm>
#include <stdexcept>

namespace lexiglade::test {

std::int32_t ModelRandom::Below(std::int32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    ++draws_;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(seed_) * std::uint32_t(n)) >> 32);
}

namespace {

struct Try {
    bool possible = false;
    int column = 0, row = 0, columnStep = 0, rowStep = 0;
};

Try DrawTry(ModelRandom& random, int length) {
    const int d = random.Below(16);
    Try t;
    if (d <= 2) {
        t = {22 - length >= 0, 0, 0, 1, 0};
        if (t.possible) {
            t.column = random.Below(22 - length);
            t.row = random.Below(15);
        }
    } else if (d <= 7) {
        t = {15 - length >= 0, 0, 0, 0, 1};
        if (t.possible) {
            t.column = random.Below(22);
            t.row = random.Below(15 - length);
        }
    } else if (d <= 11) {
        t = {22 - length >= 0 && 15 - length >= 0, 0, 0, 1, 1};
        if (t.possible) {
            t.column = random.Below(22 - length);
            t.row = random.Below(15 - length);
        }
    } else {
        t = {22 - length >= 0 && 15 - length > 0, 0, 0, 1, -1};
        if (t.possible) {
            t.column = random.Below(22 - length);
            t.row = random.Below(15 - length) + length;
        }
    }
    return t;
}

bool TryWord(ModelOutcome& out, PlacedWord& word, const Try& t) {
    const int length = static_cast<int>(word.text.size());
    int mismatches = 0, shared = 0;
    for (int k = 0; k < length; ++k) {
        const char held = out.at(t.row + k * t.rowStep, t.column + k * t.columnStep);
        mismatches += held != 0 && held != word.text[std::size_t(k)];
        shared += held == word.text[std::size_t(k)];
    }
    if (mismatches > 0) {
        ++out.collisions;
        out.oneCellCollisions += mismatches == 1;
        return false;
    }
    for (int k = 0; k < length; ++k) {
        out.at(t.row + k * t.rowStep, t.column + k * t.columnStep) = word.text[std::size_t(k)];
    }
    out.sharedCells += shared;
    word.start = {t.column, t.row};
    word.end = {t.column + (length - 1) * t.columnStep, t.row + (length - 1) * t.rowStep};
    return true;
}

bool FitsAt(const ModelOutcome& out, const std::string& text, const Try& t) {
    for (std::size_t k = 0; k < text.size(); ++k) {
        const int offset = static_cast<int>(k);
        const char held = out.at(t.row + offset * t.rowStep, t.column + offset * t.columnStep);
        if (held != 0 && held != text[k]) {
            return false;
        }
    }
    return true;
}

// Every start of the table of directions, tried on the grid as it stands.
bool FitsAnywhere(const ModelOutcome& out, const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int across = std::max(22 - length, 1), down = std::max(15 - length, 1);
    for (int column = 0; column < 22; ++column) {
        for (int row = 0; row < 15; ++row) {
            const bool right = 22 - length >= 0 && column < across;
            const bool fits =
                (right && FitsAt(out, text, {true, column, row, 1, 0})) ||
                (15 - length >= 0 && row < down && FitsAt(out, text, {true, column, row, 0, 1})) ||
                (right && 15 - length >= 0 && row < down &&
                 FitsAt(out, text, {true, column, row, 1, 1})) ||
                (right && 15 - length > 0 && row < down &&
                 FitsAt(out, text, {true, column, row + length, 1, -1}));
            if (fits) {
                return true;
            }
        }
    }
    return false;
}

void CountRoomlessPass(ModelOutcome& out, std::size_t i) {
    if (i < out.words.size() && !FitsAnywhere(out, out.words[i].text)) {
        ++(out.words[i].text.size() < 15 ? out.roomlessPasses : out.roomlessPassesOfLongWords);
    }
}

void Place(ModelOutcome& out, ModelRandom& random, int restartLimit) {
    long attempts = 0;
    std::size_t i = 0;
    while (i < out.words.size()) {
        const Try t = DrawTry(random, static_cast<int>(out.words[i].text.size()));
        if (t.possible && TryWord(out, out.words[i], t)) {
            ++i;
        }
        ++out.attempts;
        if (++attempts > 5000) {
            out.completedRestarts += i == out.words.size();
            CountRoomlessPass(out, i);
            out.cells.fill(0);
            attempts = 0;
            i = 0;
            if (++out.restarts > restartLimit) {
                throw std::logic_error("model set does not fit");
            }
        }
    }
}

} // namespace

ModelOutcome ModelGenerate(std::uint32_t seed, const std::vector<std::string>& words,
                           bool backwardWords, int restartLimit) {
    ModelOutcome out;
    ModelRandom random(seed);
    for (const std::string& word : words) {
        PlacedWord placed;
        for (char ch : word) {
            placed.text += (ch >= 'a' && ch <= 'z') ? char(ch - 32) : ch;
        }
        if (backwardWords && random.Below(3) == 2) {
            placed.reversed = true;
            std::reverse(placed.text.begin(), placed.text.end());
        }
        out.words.push_back(placed);
    }
    Place(out, random, restartLimit);
    for (int column = 0; column < 22; ++column) {
        for (int row = 0; row < 15; ++row) {
            if (out.at(row, column) == 0) {
                out.at(row, column) = char('A' + random.Below(26));
                ++out.filledCells;
            }
        }
    }
    out.seed = random.seed();
    out.draws = random.draws();
    return out;
}

} // namespace lexiglade::test
