#include "app/SharedState.h"

#include "engine/Random.h"

namespace lexiglade {

SharedState& Shared() {
    static SharedState state;
    return state;
}

void InitialiseSharedState(SharedState& state, const std::string& dataDir, std::uint32_t seed) {
    state.DataDir = dataDir;
    state.ShippedDir.clear();
    state.CatalogueFirstPaint = true;
    SetRandomSeed(seed);
    state.GameOptions = lexiglade::GameOptions{};
}

std::string ShippedFile(const std::string& name) {
    const SharedState& state = Shared();
    const std::string& shippedDir = state.ShippedDir.empty() ? state.DataDir : state.ShippedDir;
    return ShippedFilePath({state.DataDir, shippedDir}, name);
}

} // namespace lexiglade
