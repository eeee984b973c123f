#pragma once
// Made-up words that read like English: syllables of an onset, a vowel and a coda, in capitals.
#include <array>
#include <cstddef>
#include <string>

namespace lexiglade::test {

inline constexpr std::array<const char*, 30> kSyllableOnsets = {
    "B", "C", "D", "F",  "G",  "H",  "J",  "K",  "L",  "M",  "N",  "P",  "R",  "S",  "T",
    "V", "W", "Z", "BR", "CH", "CL", "CR", "DR", "FL", "GR", "PL", "SH", "ST", "TH", "TR"};
inline constexpr std::array<const char*, 10> kSyllableVowels = {"A",  "E",  "I",  "O",  "U",
                                                                "AI", "EA", "OO", "OU", "IE"};
inline constexpr std::array<const char*, 12> kSyllableCodas = {"",  "",  "N",  "R",  "S",  "T",
                                                               "L", "M", "CK", "ND", "ST", "NG"};

// Syllables cut to `letters` letters; `pick(n)` chooses each piece, an index below n, in the
// order onset, vowel, coda.
template <typename Pick> std::string SyllableRun(std::size_t letters, Pick&& pick) {
    std::string text;
    while (text.size() < letters) {
        text += kSyllableOnsets[pick(kSyllableOnsets.size())];
        text += kSyllableVowels[pick(kSyllableVowels.size())];
        text += kSyllableCodas[pick(kSyllableCodas.size())];
    }
    text.resize(letters);
    return text;
}

// The word in small letters.
inline std::string InSmallLetters(std::string word) {
    for (char& letter : word) {
        letter = static_cast<char>(letter - 'A' + 'a');
    }
    return word;
}

} // namespace lexiglade::test
