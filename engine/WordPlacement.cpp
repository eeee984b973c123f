#include "engine/WordPlacement.h"

#include "engine/PlacementLoop.h"
#include "engine/Random.h"

namespace lexiglade {

namespace {

// Holds the process-wide generator's state in a local while placing, and hands it back.
class SeedLease {
  public:
    SeedLease() : seed(RandomSeed()) {}
    ~SeedLease() { SetRandomSeed(seed); }
    SeedLease(const SeedLease&) = delete;
    SeedLease& operator=(const SeedLease&) = delete;
    std::uint32_t seed;
};

} // namespace

std::vector<WordSpan> PlaceWords(Grid& grid, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        if (text.size() > GridColumns) {
            throw GridError(); // fits no direction at all
        }
    }
    std::vector<WordSpan> spans(texts.size());
    SeedLease random;
    if (!RunPlacementLoop(random.seed, grid, texts, spans)) {
        throw GridError();
    }
    return spans;
}

} // namespace lexiglade
