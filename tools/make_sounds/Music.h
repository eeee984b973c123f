#pragma once
// The seven background pieces of the game, each with a character of its own, and the chime.
// Every piece starts softly and ends on its tonic with the last chord left to ring, so that it
// loops without a seam.
#include "tools/make_sounds/Score.h"

#include <string>
#include <vector>

namespace lexiglade::sounds {

class Arrangement;

Piece MeadowWalk();   // arc1: F major, 4/4, flute and guitar, our own
Piece AmazingGrace(); // arc3: G major, 3/4, pan flute and harp, the hymn tune "New Britain"
Piece SlowCanon();    // arc4: D major, 4/4, electric piano and pad, our own on a canon's chords
Piece Greensleeves(); // arc5: A minor, 6/8, recorder and guitar, the English folk tune
Piece NightGarden();  // arc8: E minor, 4/4, vibraphone and choir, our own
Piece OdeToJoy();     // arc10: D major, 4/4, celesta and piano, Beethoven's theme
Piece MinuetInG();    // arc11: G major, 3/4, harpsichord and strings, the minuet from the
                      // Notebook for Anna Magdalena Bach

struct Track {
    std::string fileName;
    Piece piece;
};

// In the order of the game's track list.
std::vector<Track> ShippedMusic();

// Fades every part in over the first `beats` beats.
void FadeIn(Arrangement& arrangement, const std::vector<Part*>& parts, double beats);

} // namespace lexiglade::sounds
