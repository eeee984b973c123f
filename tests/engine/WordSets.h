#pragma once
// Word sets for the placement tests: made-up words of syllables, drawn with the game's own
// generator so that a seed gives the same words on every platform.
#include "library/TextList.h"

#include <cstdint>
#include <string>

namespace lexiglade::test {

class SyllableWords {
  public:
    explicit SyllableWords(std::uint32_t seed) : seed_(seed) {}
    // A word of minLetters to maxLetters letters, in lower case one time in four.
    std::string Word(int minLetters, int maxLetters);
    TextList Words(int count, int minLetters, int maxLetters);
    // Five words of 16 to 21 letters among twenty of 4 to 12, in a drawn order.
    TextList LongAmongShort();
    // Twenty-five words of 10 to 15 letters.
    TextList TwentyFiveMiddling();

  private:
    int Below(int n);
    std::uint32_t seed_;
};

} // namespace lexiglade::test
