// arc1: a pastoral walk in F major; flute over a nylon guitar, strings in the second half.
#include "tools/make_sounds/Arrange.h"
#include "tools/make_sounds/Music.h"

namespace lexiglade::sounds {

namespace {

constexpr const char* kThemeA = "C5h A4q Bb4q | C5q. D5e A4h | Bb4q D5q F5q. E5e | D5h C5h |"
                                "A4q C5q F5q E5q | D5q. C5e Bb4q D5q | C5q G4q Bb4q A4e G4e | F4w";
constexpr const char* kThemeB = "A4q D5q F5q E5q | E5h C5q A4q | D5q F5q D5q Bb4q | C5h A4q C5q |"
                                "Bb4q. A4e G4q Bb4q | E5q. D5e C5h | D5q Bb4q E5q G5q | F5w";
constexpr const char* kChordsA = "F | Dm | Bb | C | F/A | Bb | C7 | F";
constexpr const char* kChordsB = "Dm | Am | Bb | F/C | Gm7 | C | Bb C | F";

} // namespace

Piece MeadowWalk() {
    Piece header;
    header.name = "Meadow Walk";
    header.keySharps = -1;
    Arrangement a(header, 1);
    a.Tempo(0, 80);
    Part& flute = a.AddPart("Flute", 0, 73, 100, 70, 60, 10);
    Part& guitar = a.AddPart("Guitar", 1, 24, 92, 44, 50, 10);
    Part& bass = a.AddPart("Bass", 2, 32, 96, 64, 30, 0);
    Part& strings = a.AddPart("Strings", 3, 49, 72, 86, 70, 20);
    Part& drums = a.AddPart("Percussion", kPercussionChannel, 0, 70, 58, 40, 0);
    FadeIn(a, {&flute, &guitar, &bass, &strings, &drums}, 8);

    const std::vector<int> picking = {0, 3, 4, 5, 6, 5, 4, 3};
    const auto intro = ParseChords("F | Bbmaj7", 4);
    const auto chordsA = ParseChords(kChordsA, 4);
    const auto chordsB = ParseChords(kChordsB, 4);
    a.Arpeggio(guitar, intro, 0, 40, picking, 0.5, 40, true);
    a.Bass(bass, intro, 0, 29, "R:4", 52);
    for (const double at : {8.0, 40.0, 72.0}) {
        const bool isB = at == 40.0;
        const auto& chords = isB ? chordsB : chordsA;
        a.Melody(flute, ParseMelody(isB ? kThemeB : kThemeA), at, at == 8.0 ? 74 : 80);
        a.Arpeggio(guitar, chords, at, 40, picking, 0.5, 46, true);
        a.Bass(bass, chords, at, 29, isB ? "R:2 5:1 8:1" : "R:2 5:2", 62);
    }
    a.Pad(strings, chordsB, 40, 53, 72, 36);
    a.Melody(strings, ShiftInScale(ParseMelody(kThemeA), 5, false, -2), 72, 44, 0.97);

    const std::vector<Hit> shaker = {{70, 0.5, 24}, {70, 1.5, 18}, {70, 2.5, 24}, {70, 3.5, 18}};
    a.Drums(drums, shaker, 8, 24, 4);
    a.Drums(drums, {{81, 0, 34}}, 8, 6, 16);
    a.Drums(drums, {{37, 3, 20}}, 40, 16, 4);

    // Ending: the F chord rings for two slowing bars.
    const auto ending = ParseChords("F | F", 4);
    a.Ritardando(100, 112, 80, 66);
    a.Arpeggio(guitar, ParseChords("F", 4), 104, 40, {0, 3, 4, 5}, 1.0, 40, true);
    a.Strikes(guitar, ParseChords("F", 4), 108, 53, 69, {0}, 4, 38);
    a.Pad(strings, ending, 104, 53, 72, 34);
    a.Swell(strings, 104, 112, 100, 100);
    a.Bass(bass, ending, 104, 29, "R:4", 56);
    a.Drums(drums, {{81, 0, 30}}, 104, 1, 4);
    return a.Finish();
}

} // namespace lexiglade::sounds
