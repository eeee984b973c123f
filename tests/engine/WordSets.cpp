#include "WordSets.h"

#include "engine/Random.h"

#include <array>
#include <utility>

namespace lexiglade::test {

namespace {

constexpr std::array<const char*, 30> Onsets = {
    "B", "C", "D", "F",  "G",  "H",  "J",  "K",  "L",  "M",  "N",  "P",  "R",  "S",  "T",
    "V", "W", "Z", "BR", "CH", "CL", "CR", "DR", "FL", "GR", "PL", "SH", "ST", "TH", "TR"};
constexpr std::array<const char*, 10> Vowels = {"A",  "E",  "I",  "O",  "U",
                                                "AI", "EA", "OO", "OU", "IE"};
constexpr std::array<const char*, 12> Codas = {"",  "",  "N",  "R",  "S",  "T",
                                               "L", "M", "CK", "ND", "ST", "NG"};

std::string Lower(std::string word) {
    for (char& letter : word) {
        letter = static_cast<char>(letter - 'A' + 'a');
    }
    return word;
}

} // namespace

int SyllableWords::Below(int n) {
    return NextBelow(seed_, n);
}

std::string SyllableWords::Word(int minLetters, int maxLetters) {
    const auto letters = static_cast<std::size_t>(minLetters + Below(maxLetters - minLetters + 1));
    std::string word;
    while (word.size() < letters) {
        word += Onsets[static_cast<std::size_t>(Below(static_cast<int>(Onsets.size())))];
        word += Vowels[static_cast<std::size_t>(Below(static_cast<int>(Vowels.size())))];
        word += Codas[static_cast<std::size_t>(Below(static_cast<int>(Codas.size())))];
    }
    word.resize(letters);
    return Below(4) == 0 ? Lower(word) : word;
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
