// arc4: our own slow melody in D major on a canon's eight chords, 4/4: electric piano over a warm
// pad, strings taking up the opening line as a canon in the second half.
#include "tools/make_sounds/Arrange.h"
#include "tools/make_sounds/Music.h"

namespace lexiglade::sounds {

namespace {

constexpr const char* kCycle = "D A | Bm F#m | G D | G A";
constexpr const char* kMelody1 = "F#5h E5h | D5h C#5h | B4h A4h | B4h C#5h";
constexpr const char* kMelody2 = "D5q F#5q A5q G5q | F#5q D5q F#5q E5q | D5q B4q D5q A4q |"
                                 "G4q B4q A4q C#5q";
constexpr const char* kMelody3 = "F#5q. G5e A5q E5q | D5q. E5e F#5q C#5q | B4q. C#5e D5q A4q |"
                                 "B4q G4q C#5q E5q";
constexpr const char* kMelody4 = "F#5h E5h | D5h C#5h | B4h A4h | G4h. A4q | D5w | _w";
constexpr const char* kCanon3 = "F#4h E4h | D4h C#4h | B3h A3h | B3h C#4h";
constexpr const char* kCanon4 = "A4h A4h | F#4h F#4h | G4h F#4h | D4h E4h";

} // namespace

Piece SlowCanon() {
    Piece header;
    header.name = "Slow Canon";
    header.keySharps = 2;
    Arrangement a(header, 4);
    a.Tempo(0, 66);
    Part& piano = a.AddPart("Electric Piano", 0, 4, 100, 58, 60, 30);
    Part& pad = a.AddPart("Warm Pad", 1, 89, 78, 70, 70, 30);
    Part& bass = a.AddPart("Fretless Bass", 2, 35, 94, 64, 30, 0);
    Part& strings = a.AddPart("Strings", 3, 48, 76, 90, 70, 20);
    Part& drums = a.AddPart("Percussion", kPercussionChannel, 0, 62, 54, 30, 0);
    FadeIn(a, {&piano, &pad, &bass, &strings, &drums}, 12);

    const auto cycle = ParseChords(kCycle, 4);
    for (int n = 0; n < 5; ++n) {
        const double at = 16.0 * n;
        a.Pad(pad, cycle, at, 50, 69, n == 0 ? 38 : 44);
        a.Bass(bass, cycle, at, 33, n == 0 ? "R:2" : "R:1 5:1", 60);
    }
    // The intro cycle lays out the chords under broken piano chords.
    a.Arpeggio(piano, cycle, 0, 50, {0, 2, 3, 4}, 0.5, 38, true);
    a.Melody(piano, ParseMelody(kMelody1), 16, 76, 0.97);
    a.Melody(piano, ParseMelody(kMelody2), 32, 78);
    a.Melody(piano, ParseMelody(kMelody3), 48, 80);
    a.Melody(piano, ParseMelody(kMelody4), 64, 76, 0.97);
    a.Melody(strings, ParseMelody(kCanon3), 48, 50, 0.97);
    a.Melody(strings, ParseMelody(kCanon4), 64, 50, 0.97);

    const std::vector<Hit> hats = {{42, 0, 24}, {42, 0.5, 14}, {42, 1, 20}, {42, 1.5, 14},
                                   {42, 2, 24}, {42, 2.5, 14}, {42, 3, 20}, {42, 3.5, 14}};
    a.Drums(drums, hats, 16, 16, 4);
    a.Drums(drums, {{37, 1, 26}, {37, 3, 26}}, 32, 12, 4);
    a.Drums(drums, {{81, 0, 28}}, 16, 4, 16);

    // Ending: two slowing bars of D.
    const auto ending = ParseChords("D | D", 4);
    a.Ritardando(76, 88, 66, 54);
    a.Pad(pad, ending, 80, 50, 69, 40);
    a.Swell(pad, 80, 88, 110, 85);
    a.Bass(bass, ending, 80, 33, "R:4", 56);
    a.Melody(strings, ParseMelody("rh A3h | D4w"), 80, 40, 0.97);
    a.Drums(drums, {{81, 0, 26}}, 80, 1, 4);
    return a.Finish();
}

} // namespace lexiglade::sounds
