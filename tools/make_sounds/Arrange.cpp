#include "tools/make_sounds/Arrange.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <string>

namespace lexiglade::sounds {

namespace {

constexpr double kEpsilon = 1e-9;

int PitchClass(int key) {
    return ((key % 12) + 12) % 12;
}

// The lowest key from `from` up whose pitch class is `pc`.
int KeyAtOrAbove(int from, int pc) {
    return from + (PitchClass(pc - from));
}

std::vector<int> ChordPitchClasses(const Chord& chord) {
    std::vector<int> pcs;
    for (const int tone : chord.tones) {
        const int pc = PitchClass(chord.root + tone);
        if (std::find(pcs.begin(), pcs.end(), pc) == pcs.end()) {
            pcs.push_back(pc);
        }
    }
    return pcs;
}

// The chord stacked upward from its `first`-th tone, starting from key lo.
std::vector<int> Stack(const std::vector<int>& pcs, std::size_t first, int lo) {
    std::vector<int> keys;
    int key = lo - 1;
    for (std::size_t i = 0; i < pcs.size(); ++i) {
        key = KeyAtOrAbove(key + 1, pcs[(first + i) % pcs.size()]);
        keys.push_back(key);
    }
    return keys;
}

int Distance(const std::vector<int>& a, const std::vector<int>& b) {
    if (a.size() == b.size()) {
        int sum = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            sum += std::abs(a[i] - b[i]);
        }
        return sum;
    }
    const auto mean = [](const std::vector<int>& v) {
        return std::accumulate(v.begin(), v.end(), 0) / static_cast<int>(v.size());
    };
    return 4 * std::abs(mean(a) - mean(b));
}

struct Step {
    char degree;
    double length;
};

std::vector<Step> ParseBassPattern(std::string_view pattern) {
    std::istringstream in{std::string(pattern)};
    std::vector<Step> steps;
    for (std::string token; in >> token;) {
        const std::size_t colon = token.find(':');
        if (colon != 1 || std::string("R358").find(token[0]) == std::string::npos) {
            throw std::invalid_argument("bad bass step: " + token);
        }
        steps.push_back({token[0], std::stod(token.substr(2))});
    }
    if (steps.empty()) {
        throw std::invalid_argument("empty bass pattern");
    }
    return steps;
}

int BassKey(const Chord& chord, int lo, char degree) {
    const int bass = KeyAtOrAbove(lo, chord.bass);
    switch (degree) {
    case '8':
        return bass + 12;
    case '5':
        return KeyAtOrAbove(bass + 1, chord.root + 7);
    case '3':
        return KeyAtOrAbove(bass + 1, chord.root + chord.tones.at(1));
    default:
        return bass;
    }
}

// A note ends before the next note of its key on the same part starts: a later note-off would
// silence the newer note.
void SeparateRepeatedKeys(std::vector<Note>& notes) {
    std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
        return a.key != b.key ? a.key < b.key : a.beat < b.beat;
    });
    for (std::size_t i = 0; i + 1 < notes.size(); ++i) {
        Note& note = notes[i];
        const Note& next = notes[i + 1];
        if (next.key == note.key && note.beat + note.length > next.beat - 0.02) {
            note.length = std::max(0.02, next.beat - note.beat - 0.02);
        }
    }
    std::stable_sort(notes.begin(), notes.end(),
                     [](const Note& a, const Note& b) { return a.beat < b.beat; });
}

} // namespace

std::vector<int> Voicing(const Chord& chord, int lo, int hi, const std::vector<int>& previous) {
    const std::vector<int> pcs = ChordPitchClasses(chord);
    std::vector<std::vector<int>> candidates;
    for (std::size_t first = 0; first < pcs.size(); ++first) {
        for (int start = lo; start <= hi; start += 12) {
            std::vector<int> keys = Stack(pcs, first, start);
            if (keys.back() <= hi) {
                candidates.push_back(std::move(keys));
            }
        }
    }
    if (candidates.empty()) {
        return Stack(pcs, 0, lo);
    }
    if (previous.empty()) {
        return *std::min_element(candidates.begin(), candidates.end());
    }
    return *std::min_element(candidates.begin(), candidates.end(),
                             [&](const std::vector<int>& a, const std::vector<int>& b) {
                                 return Distance(a, previous) < Distance(b, previous);
                             });
}

Phrase ShiftInScale(const Phrase& phrase, int tonic, bool minor, int steps) {
    static constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};
    static constexpr std::array<int, 7> kNaturalMinor = {0, 2, 3, 5, 7, 8, 10};
    const std::array<int, 7>& scale = minor ? kNaturalMinor : kMajor;
    Phrase shifted = phrase;
    for (Note& note : shifted.notes) {
        const int fromTonic = note.key - tonic;
        const int octave = static_cast<int>(std::floor(fromTonic / 12.0));
        const int within = fromTonic - 12 * octave;
        int degree = 6;
        while (scale[static_cast<std::size_t>(degree)] > within) {
            --degree;
        }
        const int moved = degree + steps;
        const int newOctave = octave + static_cast<int>(std::floor(moved / 7.0));
        const int newDegree = moved - 7 * static_cast<int>(std::floor(moved / 7.0));
        note.key = tonic + 12 * newOctave + scale[static_cast<std::size_t>(newDegree)];
    }
    return shifted;
}

Arrangement::Arrangement(Piece header, unsigned seed)
    : piece_(std::move(header)), random_(seed),
      barBeats_(piece_.timeNumerator * 4.0 / (1 << piece_.timeDenominatorPower)) {}

Part& Arrangement::AddPart(const std::string& name, int channel, int program, int volume, int pan,
                           int reverb, int chorus) {
    Part part;
    part.name = name;
    part.channel = channel;
    part.program = program;
    part.volume = volume;
    part.pan = pan;
    part.reverb = reverb;
    part.chorus = chorus;
    parts_.push_back(std::move(part));
    return parts_.back();
}

int Arrangement::Vary(int velocity, int spread) {
    std::uniform_int_distribution<int> change(-spread, spread);
    return std::clamp(velocity + change(random_), 1, 127);
}

double Arrangement::Late(double beats) {
    std::uniform_real_distribution<double> delay(0.0, beats);
    return delay(random_);
}

void Arrangement::Put(Part& part, double beat, double length, int key, int velocity) {
    part.notes.push_back({beat, std::max(length, 0.05), key, std::clamp(velocity, 1, 127)});
}

void Arrangement::Melody(Part& part, const Phrase& phrase, double at, int velocity, double legato,
                         int transpose) {
    for (const Note& note : phrase.notes) {
        const double beat = at + note.beat;
        const double inBar = std::fmod(beat, barBeats_);
        const int lift = inBar < kEpsilon ? 6 : (std::fmod(inBar, 1.0) > kEpsilon ? -3 : 0);
        const double hold = note.length >= 2 ? std::max(legato, 0.97) : legato;
        Put(part, beat, note.length * hold, note.key + transpose, Vary(velocity + lift, 3));
    }
}

void Arrangement::Pad(Part& part, const std::vector<ChordSpan>& chords, double at, int lo, int hi,
                      int velocity) {
    std::vector<int> previous;
    for (const ChordSpan& span : chords) {
        previous = Voicing(span.chord, lo, hi, previous);
        for (const int key : previous) {
            Put(part, at + span.beat + Late(0.03), span.length - 0.05, key, Vary(velocity, 3));
        }
    }
}

void Arrangement::Arpeggio(Part& part, const std::vector<ChordSpan>& chords, double at, int lo,
                           const std::vector<int>& pattern, double step, int velocity, bool ring) {
    for (const ChordSpan& span : chords) {
        const std::vector<int> pcs = ChordPitchClasses(span.chord);
        std::vector<int> keys{KeyAtOrAbove(lo, span.chord.bass)};
        for (int key = keys[0] + 1; keys.size() < 9; ++key) {
            if (std::find(pcs.begin(), pcs.end(), PitchClass(key)) != pcs.end()) {
                keys.push_back(key);
            }
        }
        const int count = static_cast<int>(std::lround(span.length / step));
        for (int k = 0; k < count; ++k) {
            const auto index =
                static_cast<std::size_t>(pattern[static_cast<std::size_t>(k) % pattern.size()]);
            const double offset = k * step;
            const double length = ring ? span.length - offset : step * 0.95;
            Put(part, at + span.beat + offset + Late(0.02), length, keys.at(index),
                Vary(velocity + (k == 0 ? 5 : 0), 4));
        }
    }
}

void Arrangement::Strikes(Part& part, const std::vector<ChordSpan>& chords, double at, int lo,
                          int hi, const std::vector<double>& strikes, double length, int velocity) {
    std::vector<int> previous;
    for (const ChordSpan& span : chords) {
        previous = Voicing(span.chord, lo, hi, previous);
        for (const double strike : strikes) {
            if (strike >= span.length - kEpsilon) {
                continue;
            }
            double spread = Late(0.02);
            for (const int key : previous) {
                Put(part, at + span.beat + strike + spread, length, key, Vary(velocity, 4));
                spread += 0.012; // a gentle roll from the lowest note up
            }
        }
    }
}

void Arrangement::Bass(Part& part, const std::vector<ChordSpan>& chords, double at, int lo,
                       std::string_view pattern, int velocity) {
    const std::vector<Step> steps = ParseBassPattern(pattern);
    for (const ChordSpan& span : chords) {
        double offset = 0;
        for (std::size_t i = 0; offset < span.length - kEpsilon; ++i) {
            const Step& step = steps[i % steps.size()];
            const double length = std::min(step.length, span.length - offset);
            Put(part, at + span.beat + offset + Late(0.01), length * 0.94,
                BassKey(span.chord, lo, step.degree), Vary(velocity + (offset == 0 ? 5 : 0), 3));
            offset += length;
        }
    }
}

void Arrangement::Drums(Part& part, const std::vector<Hit>& bar, double at, int bars,
                        double beatsPerBar) {
    for (int b = 0; b < bars; ++b) {
        for (const Hit& hit : bar) {
            Put(part, at + b * beatsPerBar + hit.beat + Late(0.015), 0.25, hit.key,
                Vary(hit.velocity, 4));
        }
    }
}

void Arrangement::Swell(Part& part, double start, double end, int from, int to) {
    for (double beat = start; beat < end - kEpsilon; beat += 0.25) {
        const double share = (beat - start) / (end - start);
        part.controls.push_back(
            {beat, 11, static_cast<int>(std::lround(from + (to - from) * share))});
    }
    part.controls.push_back({end, 11, to});
}

void Arrangement::Tempo(double beat, double quartersPerMinute) {
    piece_.tempi.push_back({beat, quartersPerMinute});
}

void Arrangement::Ritardando(double start, double end, double from, double to) {
    for (double beat = start; beat < end - kEpsilon; beat += 1.0) {
        Tempo(beat, from + (to - from) * (beat - start) / (end - start));
    }
}

Piece Arrangement::Finish() {
    double last = 0;
    for (Part& part : parts_) {
        SeparateRepeatedKeys(part.notes);
        for (const Note& note : part.notes) {
            last = std::max(last, note.beat + note.length);
        }
        piece_.parts.push_back(std::move(part));
    }
    parts_.clear();
    // Nothing comes after the last release: a swell that would go on moves its end there.
    for (Part& part : piece_.parts) {
        for (ControlPoint& point : part.controls) {
            point.beat = std::min(point.beat, last);
        }
    }
    piece_.endBeat = last;
    return std::move(piece_);
}

} // namespace lexiglade::sounds
