#include "app/SharedState.h"

namespace lexiglade {

SharedState& Shared() {
    static SharedState state;
    return state;
}

DataFolders SharedDataFolders() {
    const SharedState& state = Shared();
    return {state.DataDir, state.ShippedDir.empty() ? state.DataDir : state.ShippedDir};
}

std::string ShippedFile(const std::string& name) {
    return ShippedFilePath(SharedDataFolders(), name).string();
}

} // namespace lexiglade
