// arc10: Beethoven's "Ode to Joy" theme in D major, 4/4, slow: celesta over broken piano chords
// and pizzicato strings, a clarinet adding a held inner voice the second time.
#include "tools/make_sounds/Arrange.h"
#include "tools/make_sounds/Music.h"

#include <string>

namespace lexiglade::sounds {

namespace {

constexpr const char* kTheme =
    "F#4q F#4q G4q A4q | A4q G4q F#4q E4q | D4q D4q E4q F#4q | F#4q. E4e E4h |"
    "F#4q F#4q G4q A4q | A4q G4q F#4q E4q | D4q D4q E4q F#4q | E4q. D4e D4h |"
    "E4q E4q F#4q D4q | E4q F#4e G4e F#4q D4q | E4q F#4e G4e F#4q E4q |"
    "D4q E4q A3h | F#4q F#4q G4q A4q | A4q G4q F#4q E4q | D4q D4q E4q F#4q |"
    "E4q. D4e D4h";
constexpr const char* kChords = "D | A7 | D | D A | D | A7 | D | A D | A D | A D | A D | D A |"
                                "D | A7 | D | A D";
constexpr const char* kInnerVoice = "A3w | G3w | F#3w | F#3h E3h | A3w | G3w | F#3w | E3h F#3h |"
                                    "C#4h D4h | C#4h A3h | C#4h D4h | D4h C#4h | A3w | G3w | F#3w |"
                                    "E3h F#3h";

} // namespace

Piece OdeToJoy() {
    Piece header;
    header.name = "Ode to Joy";
    header.keySharps = 2;
    Arrangement a(header, 10);
    a.Tempo(0, 88);
    Part& celesta = a.AddPart("Celesta", 0, 8, 124, 62, 70, 20);
    Part& piano = a.AddPart("Piano", 1, 0, 100, 48, 50, 0);
    Part& pizzicato = a.AddPart("Pizzicato Strings", 2, 45, 110, 70, 50, 0);
    Part& clarinet = a.AddPart("Clarinet", 3, 71, 86, 84, 60, 10);
    Part& drums = a.AddPart("Percussion", kPercussionChannel, 0, 60, 60, 40, 0);
    FadeIn(a, {&celesta, &piano, &pizzicato, &clarinet, &drums}, 8);

    const std::vector<int> alberti = {0, 2, 1, 2};
    const auto intro = ParseChords("D | A7", 4);
    const auto chords = ParseChords(kChords, 4);
    a.Arpeggio(piano, intro, 0, 50, alberti, 0.5, 64, false);
    a.Bass(pizzicato, intro, 0, 38, "R:2", 50);
    for (const double at : {8.0, 72.0}) {
        const bool second = at == 72.0;
        const std::string theme = second ? std::string(kTheme) + " _w _w" : kTheme;
        a.Melody(celesta, ParseMelody(theme), at, second ? 90 : 84, 0.9, 12);
        a.Arpeggio(piano, chords, at, 50, alberti, 0.5, second ? 42 : 38, false);
        a.Bass(pizzicato, chords, at, 38, "R:1 5:1", 60);
        a.Drums(drums,
                {{70, 0, 18},
                 {70, 0.5, 12},
                 {70, 1, 16},
                 {70, 1.5, 12},
                 {70, 2, 18},
                 {70, 2.5, 12},
                 {70, 3, 16},
                 {70, 3.5, 12}},
                at, 16, 4);
        if (second) {
            a.Melody(clarinet, ParseMelody(kInnerVoice), at, 46, 0.97);
            a.Drums(drums, {{37, 1, 22}, {37, 3, 22}}, at, 16, 4);
        }
        a.Drums(drums, {{81, 0, 28}}, at, 4, 16);
    }

    // Ending: two slowing bars of D under the held last note.
    const auto ending = ParseChords("D | D", 4);
    a.Ritardando(132, 144, 88, 72);
    a.Strikes(piano, ending, 136, 50, 66, {0}, 4, 36);
    a.Melody(clarinet, ParseMelody("F#3w | _w"), 136, 72, 1.0);
    a.Bass(pizzicato, ending, 136, 38, "R:1 5:1 8:2", 52);
    a.Drums(drums, {{81, 0, 26}}, 136, 1, 4);
    return a.Finish();
}

} // namespace lexiglade::sounds
