// arc3: the hymn tune "New Britain" (Amazing Grace) in G major, 3/4: pan flute over a harp, with
// strings in thirds for the second verse.
#include "tools/make_sounds/Arrange.h"
#include "tools/make_sounds/Music.h"

#include <string>

namespace lexiglade::sounds {

namespace {

// One verse after its pickup note; the last bar leaves its third beat to the next pickup.
constexpr const char* kVerse = "G4h B4e G4e | B4h A4q | G4h E4q | D4h D4q | G4h B4e G4e | B4h A4q |"
                               "D5h. | _h B4q | D5h B4e G4e | B4h A4q | G4h E4q | D4h D4q |"
                               "G4h B4e G4e | B4h A4q | G4h. | _h";
constexpr const char* kChords =
    "G | G7 | C | G | G | Em | D | D7 | G | G7 | C | G | Em | D7 | G | G";

} // namespace

Piece AmazingGrace() {
    Piece header;
    header.name = "Amazing Grace";
    header.timeNumerator = 3;
    header.keySharps = 1;
    Arrangement a(header, 3);
    a.Tempo(0, 76);
    Part& flute = a.AddPart("Pan Flute", 0, 75, 100, 60, 70, 10);
    Part& harp = a.AddPart("Harp", 1, 46, 90, 40, 60, 10);
    Part& cello = a.AddPart("Cello", 2, 42, 88, 70, 50, 0);
    Part& strings = a.AddPart("Strings", 3, 48, 74, 88, 70, 20);
    Part& drums = a.AddPart("Percussion", kPercussionChannel, 0, 64, 64, 40, 0);
    FadeIn(a, {&flute, &harp, &cello, &strings, &drums}, 6);

    const std::vector<int> rolling = {0, 2, 3, 4, 3, 2};
    const auto intro = ParseChords("G | D", 3);
    const auto chords = ParseChords(kChords, 3);
    a.Arpeggio(harp, intro, 0, 43, rolling, 0.5, 40, true);
    a.Bass(cello, intro, 0, 36, "R:3", 48);
    const Phrase pickup = ParseMelody("D4q");
    const Phrase verse = ParseMelody(kVerse);
    for (const double at : {6.0, 54.0}) {
        const bool second = at == 54.0;
        a.Melody(flute, pickup, at - 1, 66);
        if (second) {
            a.Melody(flute, ParseMelody(std::string(kVerse) + " _q _h. _h"), at, 80, 0.95);
            a.Melody(strings, ShiftInScale(pickup, 7, false, -2), at - 1, 44);
            a.Melody(strings, ShiftInScale(verse, 7, false, -2), at, 48, 0.97);
        } else {
            a.Melody(flute, verse, at, 74, 0.95);
        }
        a.Arpeggio(harp, chords, at, 43, rolling, 0.5, second ? 48 : 42, true);
        a.Bass(cello, chords, at, 36, second ? "R:2 5:1" : "R:3", 56);
        a.Drums(drums, {{70, 1, 18}, {70, 2, 14}}, at, 16, 3);
        a.Drums(drums, {{81, 0, 30}}, at, 4, 12);
    }

    // Ending: two slowing bars of G.
    const auto ending = ParseChords("G | G", 3);
    a.Ritardando(99, 108, 76, 62);
    a.Arpeggio(harp, ParseChords("G", 3), 102, 43, {0, 2, 3, 4, 5, 6}, 0.5, 40, true);
    a.Strikes(harp, ParseChords("G", 3), 105, 55, 71, {0}, 3, 36);
    a.Pad(strings, ending, 102, 55, 67, 36);
    a.Swell(strings, 102, 108, 100, 85);
    a.Bass(cello, ending, 102, 36, "R:3", 50);
    a.Drums(drums, {{81, 0, 28}}, 102, 1, 3);
    return a.Finish();
}

} // namespace lexiglade::sounds
