// arc11: the minuet in G major from the Notebook for Anna Magdalena Bach, 3/4: harpsichord over
// a soft string pad, an oboe in thirds the second time, then the second strain.
#include "tools/make_sounds/Arrange.h"
#include "tools/make_sounds/Music.h"

#include <string>

namespace lexiglade::sounds {

namespace {

constexpr const char* kStrainA = "D5q G4e A4e B4e C5e | D5q G4q G4q | E5q C5e D5e E5e F#5e |"
                                 "G5q G4q G4q | C5q D5e C5e B4e A4e | B4q C5e B4e A4e G4e |"
                                 "F#4q G4e A4e B4e G4e | A4h. | D5q G4e A4e B4e C5e | D5q G4q G4q |"
                                 "E5q C5e D5e E5e F#5e | G5q G4q G4q | C5q D5e C5e B4e A4e |"
                                 "B4q C5e B4e A4e G4e | A4q B4e A4e G4e F#4e | G4h.";
constexpr const char* kStrainB =
    "B5q G5e A5e B5e G5e | A5q D5e E5e F#5e D5e | G5q E5e F#5e G5e D5e |"
    "C#5q B4e C#5e A4q | A4e B4e C#5e D5e E5e F#5e | G5q F#5q E5q |"
    "F#5q A4q C#5q | D5h. | D5q G4e F#4e G4q | E5q G4e F#4e G4q |"
    "D5q C5q B4q | A4e G4e F#4e G4e A4q | D4e E4e F#4e G4e A4e B4e |"
    "C5q B4q A4q | B4e D5e G4q F#4q | G4h.";
constexpr const char* kChordsA = "G | G | C | G | C | G | D | D | G | G | C | G | C | G | D7 | G";
constexpr const char* kChordsB =
    "G | D | Em | A | A | A7 | D | D | G | C | G | D | D | Am | G D | G";

} // namespace

Piece MinuetInG() {
    Piece header;
    header.name = "Minuet in G";
    header.timeNumerator = 3;
    header.keySharps = 1;
    Arrangement a(header, 11);
    a.Tempo(0, 100);
    Part& harpsichord = a.AddPart("Harpsichord", 0, 6, 124, 56, 60, 0);
    Part& strings = a.AddPart("Strings", 1, 49, 88, 74, 70, 20);
    Part& bass = a.AddPart("Bass", 2, 32, 110, 64, 40, 0);
    Part& oboe = a.AddPart("Oboe", 3, 68, 86, 88, 60, 0);
    Part& drums = a.AddPart("Percussion", kPercussionChannel, 0, 56, 60, 40, 0);
    FadeIn(a, {&harpsichord, &strings, &bass, &oboe, &drums}, 6);

    const auto chordsA = ParseChords(kChordsA, 3);
    const auto chordsB = ParseChords(kChordsB, 3);
    const auto intro = ParseChords("G", 3);
    a.Pad(strings, intro, 0, 55, 72, 44);
    a.Bass(bass, intro, 0, 36, "R:3", 46);
    const std::vector<double> sections = {3.0, 51.0, 99.0};
    for (const double at : sections) {
        const bool isB = at == 99.0;
        const bool repeat = at == 51.0;
        std::string tune = isB ? kStrainB : kStrainA;
        if (isB) {
            tune += " _h.";
        }
        a.Melody(harpsichord, ParseMelody(tune), at, at == 3.0 ? 64 : 72, 0.9);
        a.Pad(strings, isB ? chordsB : chordsA, at, 55, 72, at == 3.0 ? 30 : 38);
        a.Bass(bass, isB ? chordsB : chordsA, at, 36, "R:2 5:1", at == 3.0 ? 54 : 60);
        if (repeat) {
            a.Melody(oboe, ShiftInScale(ParseMelody(kStrainA), 7, false, -2), at, 50, 0.9);
        }
        a.Drums(drums, {{70, 1, 14}, {70, 2, 12}}, at, 16, 3);
        a.Drums(drums, {{81, 0, 24}}, at, 8, 6);
    }

    // Ending: the last G rings through a slowing bar.
    a.Ritardando(144, 150, 100, 84);
    a.Pad(strings, ParseChords("G", 3), 147, 55, 72, 34);
    a.Swell(strings, 147, 150, 100, 85);
    a.Bass(bass, ParseChords("G", 3), 147, 36, "R:3", 50);
    a.Drums(drums, {{81, 0, 24}}, 147, 1, 3);
    return a.Finish();
}

} // namespace lexiglade::sounds
