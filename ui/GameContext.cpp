#include "ui/GameContext.h"

namespace lexiglade {

DataFolders GameState::Folders() const {
    return {DataDir, ShippedDir.empty() ? DataDir : ShippedDir};
}

std::string GameState::ShippedFile(const std::string& name) const {
    return ShippedFilePath(Folders(), name).string();
}

GameContext::GameContext(const DataFolders& folders) {
    State.DataDir = folders.dataDir;
    State.ShippedDir =
        folders.shippedDir == folders.dataDir ? std::filesystem::path() : folders.shippedDir;
}

} // namespace lexiglade
