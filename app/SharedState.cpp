#include "app/SharedState.h"

#include "engine/Random.h"

namespace lexiglade {

SharedState& Shared() {
    static SharedState state;
    return state;
}

void InitialiseSharedState(SharedState& state, const std::string& dataDir, std::uint32_t seed) {
    state.DataDir = dataDir;
    state.CatalogueFirstPaint = true;
    SetRandomSeed(seed);
    state.GameOptions = lexiglade::GameOptions{};
}

} // namespace lexiglade
