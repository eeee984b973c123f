#include "WordSets.h"

#include "Syllables.h"

#include "engine/Random.h"

#include <utility>

namespace lexiglade::test {

namespace {} // namespace

int SyllableWords::Below(int n) {
    return NextBelow(seed_, n);
}

std::string SyllableWords::Word(int minLetters, int maxLetters) {
    const auto letters = static_cast<std::size_t>(minLetters + Below(maxLetters - minLetters + 1));
    const std::string word = SyllableRun(letters, [this](std::size_t n) {
        return static_cast<std::size_t>(Below(static_cast<int>(n)));
    });
    return Below(4) == 0 ? InSmallLetters(word) : word;
}

TextList SyllableWords::Words(int count, int minLetters, int maxLetters) {
    TextList words;
    for (int i = 0; i < count; ++i) {
        words.push_back(Word(minLetters, maxLetters));
    }
    return words;
}

TextList SyllableWords::LongAmongShort() {
    TextList words = Words(5, 16, 21);
    const TextList short_ = Words(20, 4, 12);
    words.insert(words.end(), short_.begin(), short_.end());
    for (std::size_t i = words.size(); i > 1; --i) {
        std::swap(words[i - 1], words[static_cast<std::size_t>(Below(static_cast<int>(i)))]);
    }
    return words;
}

TextList SyllableWords::TwentyFiveMiddling() {
    return Words(25, 10, 15);
}

} // namespace lexiglade::test
