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

DataFolders SharedDataFolders() {
    const SharedState& state = Shared();
    return {state.DataDir, state.ShippedDir.empty() ? state.DataDir : state.ShippedDir};
}

std::string ShippedFile(const std::string& name) {
    return ShippedFilePath(SharedDataFolders(), name);
}

} // namespace lexiglade
