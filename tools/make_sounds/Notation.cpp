#include "tools/make_sounds/Notation.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

namespace lexiglade::sounds {

namespace {

[[noreturn]] void Malformed(std::string_view what, std::string_view text) {
    throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) + "\"");
}

// The words of `text`; bar lines count as spaces.
std::vector<std::string> Words(std::string_view text) {
    std::string spaced(text);
    std::replace(spaced.begin(), spaced.end(), '|', ' ');
    std::istringstream in(spaced);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// Letter and accidental at the front of `text`; `used` is how many characters they took.
int LeadingPitchClass(std::string_view text, std::size_t& used) {
    static const std::map<char, int> kLetters = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                                 {'G', 7}, {'A', 9}, {'B', 11}};
    if (text.empty() || !kLetters.contains(text[0])) {
        Malformed("not a note name", text);
    }
    int pc = kLetters.at(text[0]);
    used = 1;
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
        pc += text[1] == '#' ? 1 : -1;
        used = 2;
    }
    return (pc + 12) % 12;
}

double LengthOf(std::string_view text) {
    static const std::map<char, double> kLengths = {
        {'w', 4.0}, {'h', 2.0}, {'q', 1.0}, {'e', 0.5}, {'s', 0.25}};
    if (text.empty() || !kLengths.contains(text[0]) || text.size() > 2 ||
        (text.size() == 2 && text[1] != '.')) {
        Malformed("not a note length", text);
    }
    return kLengths.at(text[0]) * (text.size() == 2 ? 1.5 : 1.0);
}

// Splits "F#5q." into "F#5" and "q.".
std::size_t LengthStart(std::string_view token) {
    const std::size_t at = token.find_first_of("whqes", 1);
    if (at == std::string_view::npos) {
        Malformed("note without a length", token);
    }
    return at;
}

} // namespace

int PitchClassOf(std::string_view name) {
    std::size_t used = 0;
    const int pc = LeadingPitchClass(name, used);
    if (used != name.size()) {
        Malformed("not a note name", name);
    }
    return pc;
}

int KeyOf(std::string_view pitch) {
    std::size_t used = 0;
    const std::size_t letterPc = static_cast<std::size_t>(LeadingPitchClass(pitch, used));
    const std::string_view octave = pitch.substr(used);
    if (octave.size() != 1 || octave[0] < '0' || octave[0] > '8') {
        Malformed("pitch without an octave", pitch);
    }
    // The accidental may cross an octave line: "B#3" is C4, "Cb4" is B3.
    int key = 12 * (octave[0] - '0' + 1) + static_cast<int>(letterPc);
    const char letter = pitch[0];
    if (letter == 'C' && used == 2 && pitch[1] == 'b') {
        key -= 12;
    } else if (letter == 'B' && used == 2 && pitch[1] == '#') {
        key += 12;
    }
    return key;
}

Phrase ParseMelody(std::string_view text) {
    Phrase phrase;
    for (const std::string& token : Words(text)) {
        if (token[0] == '_') {
            if (phrase.notes.empty()) {
                Malformed("a tie needs a note before it", token);
            }
            const double length = LengthOf(std::string_view(token).substr(1));
            phrase.notes.back().length += length;
            phrase.beats += length;
            continue;
        }
        const std::size_t split = token[0] == 'r' ? 1 : LengthStart(token);
        const double length = LengthOf(std::string_view(token).substr(split));
        if (token[0] != 'r') {
            phrase.notes.push_back({phrase.beats, length, KeyOf(token.substr(0, split)), 0});
        }
        phrase.beats += length;
    }
    return phrase;
}

Chord ParseChord(std::string_view name) {
    static const std::map<std::string, std::vector<int>, std::less<>> kQualities = {
        {"", {0, 4, 7}},       {"m", {0, 3, 7}},    {"7", {0, 4, 7, 10}}, {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}}, {"sus4", {0, 5, 7}}, {"sus2", {0, 2, 7}},  {"add9", {0, 4, 7, 14}},
        {"6", {0, 4, 7, 9}},   {"dim", {0, 3, 6}}};
    const std::size_t slash = name.find('/');
    const std::string_view head = name.substr(0, slash);
    std::size_t used = 0;
    Chord chord;
    chord.root = LeadingPitchClass(head, used);
    const auto quality = kQualities.find(head.substr(used));
    if (quality == kQualities.end()) {
        Malformed("unknown chord", name);
    }
    chord.tones = quality->second;
    chord.bass =
        slash == std::string_view::npos ? chord.root : PitchClassOf(name.substr(slash + 1));
    return chord;
}

std::vector<ChordSpan> ParseChords(std::string_view text, double beatsPerBar) {
    std::vector<ChordSpan> spans;
    double bar = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('|', start), text.size());
        const std::vector<std::string> names = Words(text.substr(start, end - start));
        if (!names.empty()) {
            const double each = beatsPerBar / static_cast<double>(names.size());
            for (std::size_t i = 0; i < names.size(); ++i) {
                spans.push_back({bar + each * static_cast<double>(i), each, ParseChord(names[i])});
            }
            bar += beatsPerBar;
        }
        start = end + 1;
    }
    return spans;
}

} // namespace lexiglade::sounds
