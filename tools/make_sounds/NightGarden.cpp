// arc8: a quiet night in E minor, 4/4: vibraphone over a choir and a harp, a bowed bass below.
#include "tools/make_sounds/Arrange.h"
#include "tools/make_sounds/Music.h"

namespace lexiglade::sounds {

namespace {

constexpr const char* kThemeA =
    "B4q. G4e E4h | E4q G4q C5q. B4e | A4h E5q. D5e | D#5h B4h |"
    "E5q. F#5e G5q E5q | E5q D5e C5e G4h | A4q C5q B4q A4q | G4q F#4q E4h";
constexpr const char* kThemeB = "G4q C5q E5q G5q | D5h B4q D5q | C5q. B4e A4q E5q | E5h B4h |"
                                "G5q. F#5e E5q C5q | D5q. C5e B4q G4q | A4q C5q E5q C5q | B4w";
constexpr const char* kChordsA = "Em | C | Am | B7 | Em | C | Am B7 | Em";
constexpr const char* kChordsB = "C | G | Am | Em | C | G/B | Am | B7";

} // namespace

Piece NightGarden() {
    Piece header;
    header.name = "Night Garden";
    header.keySharps = 1;
    header.minor = true;
    Arrangement a(header, 8);
    a.Tempo(0, 70);
    Part& vibes = a.AddPart("Vibraphone", 0, 11, 100, 56, 70, 20);
    Part& choir = a.AddPart("Choir", 1, 52, 74, 72, 80, 20);
    Part& bass = a.AddPart("Contrabass", 2, 43, 90, 64, 40, 0);
    Part& harp = a.AddPart("Harp", 3, 46, 80, 36, 60, 10);
    Part& drums = a.AddPart("Percussion", kPercussionChannel, 0, 60, 76, 50, 0);
    FadeIn(a, {&vibes, &choir, &bass, &harp, &drums}, 8);

    const std::vector<int> rolling = {0, 2, 3, 4, 5, 4, 3, 2};
    const auto intro = ParseChords("Em | Cmaj7", 4);
    const auto chordsA = ParseChords(kChordsA, 4);
    const auto chordsB = ParseChords(kChordsB, 4);
    a.Pad(choir, intro, 0, 52, 71, 36);
    a.Arpeggio(harp, intro, 0, 40, rolling, 0.5, 32, true);
    a.Bass(bass, intro, 0, 28, "R:4", 46);
    for (const double at : {8.0, 40.0, 72.0}) {
        const bool isB = at == 40.0;
        const auto& chords = isB ? chordsB : chordsA;
        a.Melody(vibes, ParseMelody(isB ? kThemeB : kThemeA), at, at == 8.0 ? 70 : 76, 0.9);
        a.Pad(choir, chords, at, 52, 71, isB ? 44 : 40);
        a.Arpeggio(harp, chords, at, 40, rolling, 0.5, at == 8.0 ? 30 : 38, true);
        a.Bass(bass, chords, at, 28, isB ? "R:2 5:1 8:1" : "R:2 5:2", 58);
    }

    a.Drums(drums, {{51, 0, 22}, {51, 1, 16}, {51, 2, 20}, {51, 3, 16}}, 8, 24, 4);
    a.Drums(drums, {{69, 0.5, 14}, {69, 1.5, 12}, {69, 2.5, 14}, {69, 3.5, 12}}, 40, 16, 4);
    a.Drums(drums, {{37, 3, 20}}, 72, 8, 4);

    // Ending: a last turn of the tune onto a ringing E minor.
    const auto ending = ParseChords("Em | Em", 4);
    a.Ritardando(100, 112, 70, 58);
    a.Melody(vibes, ParseMelody("B4h. G4q | E4w"), 104, 66, 0.97);
    a.Pad(choir, ending, 104, 52, 71, 36);
    a.Swell(choir, 104, 112, 110, 85);
    a.Arpeggio(harp, ParseChords("Em", 4), 104, 40, {0, 2, 3, 4, 5, 6, 7, 8}, 0.5, 30, true);
    a.Bass(bass, ending, 104, 28, "R:4", 50);
    a.Drums(drums, {{51, 0, 18}}, 104, 2, 4);
    return a.Finish();
}

} // namespace lexiglade::sounds
