#pragma once
// What the game's screens share during one run: made by the entry sequence, handed to each form,
// which takes the parts it uses. User-interface thread only.
#include "engine/GameOptions.h"
#include "library/DataFolder.h"
#include "ui/Drawkit.h"
#include "ui/Forms.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace lexiglade {

// Where the game's files are, the player's options and the print dialog's last answer.
struct GameState {
    std::filesystem::path DataDir;
    // The shipped files' folder when it is not DataDir, else empty.
    std::filesystem::path ShippedDir;
    lexiglade::GameOptions GameOptions;
    std::int32_t CopyCount = 0;
    bool UniqueCopies = false;

    // DataDir and the shipped files' folder.
    DataFolders Folders() const;
    // The path of a file the game ships (artwork, sound effect, music track): the player's copy in
    // DataDir when there is one, else the one in ShippedDir.
    std::string ShippedFile(const std::string& name) const;
};

struct GameContext {
    // The game's data in `folders.dataDir`, its shipped files in `folders.shippedDir`.
    explicit GameContext(const DataFolders& folders);

    GameState State;
    DrawkitState Kit;
    FormReferences Forms;
};

} // namespace lexiglade
