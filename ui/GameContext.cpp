#include "ui/GameContext.h"

namespace lexiglade {

DataFolders GameState::Folders() const {
    return {DataDir, ShippedDir.empty() ? DataDir : ShippedDir};
}

std::string GameState::ShippedFile(const std::string& name) const {
    return ShippedFilePath(Folders(), name);
}

GameContext::GameContext(const DataFolders& folders) {
    State.DataDir = folders.dataDir;
    State.ShippedDir = folders.shippedDir == folders.dataDir ? std::string() : folders.shippedDir;
}

} // namespace lexiglade
