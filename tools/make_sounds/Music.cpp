#include "tools/make_sounds/Music.h"

#include "tools/make_sounds/Arrange.h"

namespace lexiglade::sounds {

std::vector<Track> ShippedMusic() {
    return {{"arc1.mid", MeadowWalk()},   {"arc3.mid", AmazingGrace()}, {"arc4.mid", SlowCanon()},
            {"arc5.mid", Greensleeves()}, {"arc8.mid", NightGarden()},  {"arc10.mid", OdeToJoy()},
            {"arc11.mid", MinuetInG()}};
}

void FadeIn(Arrangement& arrangement, const std::vector<Part*>& parts, double beats) {
    for (Part* part : parts) {
        arrangement.Swell(*part, 0, beats, 64, 110);
    }
}

} // namespace lexiglade::sounds
