// arc5: the English folk tune "Greensleeves" in A minor, 6/8: recorder over a nylon guitar and a
// bassoon, a viola joining the second time through.
#include "tools/make_sounds/Arrange.h"
#include "tools/make_sounds/Music.h"

#include <string>

namespace lexiglade::sounds {

namespace {

constexpr const char* kVerse =
    "C5q D5e E5e. F#5s E5e | D5q B4e G4e. A4s B4e | C5q A4e A4e. G#4s A4e |"
    "B4q G#4e E4q A4e | C5q D5e E5e. F#5s E5e | D5q B4e G4e. A4s B4e |"
    "C5e. B4s A4e G#4e. F#4s G#4e | A4q. A4q.";
constexpr const char* kChorus =
    "G5q. G5e. F#5s E5e | D5q B4e G4e. A4s B4e | C5q A4e A4e. G#4s A4e |"
    "B4q G#4e E4q. | G5q. G5e. F#5s E5e | D5q B4e G4e. A4s B4e |"
    "C5e. B4s A4e G#4e. F#4s G#4e |";
constexpr const char* kVerseChords = "Am | G | Am | E | Am | G | Am E | Am";
constexpr const char* kChorusChords = "C | G | Am | E | C | G | Am E | Am";
constexpr const char* kViolaLine = "E4h. | D4h. | C4h. | B3h. | E4h. | D4h. | C4q. B3q. | A3h.";

} // namespace

Piece Greensleeves() {
    Piece header;
    header.name = "Greensleeves";
    header.timeNumerator = 6;
    header.timeDenominatorPower = 3;
    header.minor = true;
    Arrangement a(header, 5);
    a.Tempo(0, 84);
    Part& recorder = a.AddPart("Recorder", 0, 74, 100, 66, 60, 10);
    Part& guitar = a.AddPart("Guitar", 1, 24, 92, 46, 50, 10);
    Part& bassoon = a.AddPart("Bassoon", 2, 70, 86, 60, 40, 0);
    Part& viola = a.AddPart("Viola", 3, 41, 70, 88, 70, 20);
    Part& drums = a.AddPart("Percussion", kPercussionChannel, 0, 62, 70, 40, 0);
    FadeIn(a, {&recorder, &guitar, &bassoon, &viola, &drums}, 6);

    const std::vector<int> rolling = {0, 2, 3, 4, 3, 2};
    const auto verseChords = ParseChords(kVerseChords, 3);
    const auto chorusChords = ParseChords(kChorusChords, 3);
    const auto intro = ParseChords("Am | E", 3);
    a.Arpeggio(guitar, intro, 0, 40, rolling, 0.5, 40, true);
    a.Bass(bassoon, intro, 0, 40, "R:3", 44);
    a.Melody(recorder, ParseMelody("A4e"), 5.5, 64);
    for (const double at : {6.0, 54.0}) {
        const bool second = at == 54.0;
        a.Melody(recorder, ParseMelody(kVerse), at, second ? 80 : 74);
        const char* close = second ? "A4h. _h." : "A4q. rq A4e";
        a.Melody(recorder, ParseMelody(std::string(kChorus) + close), at + 24, second ? 82 : 76);
        for (const auto* chords : {&verseChords, &chorusChords}) {
            const double start = chords == &verseChords ? at : at + 24;
            a.Arpeggio(guitar, *chords, start, 40, rolling, 0.5, second ? 46 : 42, true);
            a.Bass(bassoon, *chords, start, 40, "R:1.5 5:1.5", second ? 56 : 50);
            if (second) {
                a.Melody(viola, ParseMelody(kViolaLine), start, 44, 0.97);
            }
        }
        const std::vector<Hit> shaker = {{70, 0, 20},   {70, 0.5, 12}, {70, 1, 14},
                                         {70, 1.5, 20}, {70, 2, 12},   {70, 2.5, 14}};
        a.Drums(drums, shaker, at, 16, 3);
        a.Drums(drums, {{54, 0, 22}}, at, 8, 6);
    }

    // Ending: two slowing bars of A minor.
    const auto ending = ParseChords("Am | Am", 3);
    a.Ritardando(99, 108, 84, 70);
    a.Arpeggio(guitar, ParseChords("Am", 3), 102, 40, {0, 2, 3, 4, 5, 6}, 0.5, 38, true);
    a.Strikes(guitar, ParseChords("Am", 3), 105, 57, 69, {0}, 3, 34);
    a.Melody(viola, ParseMelody("E4h. | C4h."), 102, 56, 1.0);
    a.Bass(bassoon, ending, 102, 40, "R:3", 46);
    a.Drums(drums, {{81, 0, 26}}, 102, 1, 3);
    return a.Finish();
}

} // namespace lexiglade::sounds
