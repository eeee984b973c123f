#pragma once
// HOME and XDG_CONFIG_HOME pointed at a fresh private folder while it lives, so that what the game
// writes into the player's folders (documents, settings) stays out of the real ones.
#include "TempFolder.h"

#include <optional>
#include <string>

namespace lexiglade::test {

class PrivateHome {
  public:
    PrivateHome();
    ~PrivateHome();
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;

    // The home folder, ending with '/'.
    const std::string& Path() const { return home_.Path(); }
    // The documents folder the desktop's rules give for this home: its "Documents" subfolder.
    std::string Documents() const { return home_ / "Documents"; }

  private:
    TempFolder home_;
    std::optional<std::string> oldHome_;
    std::optional<std::string> oldConfig_;
};

} // namespace lexiglade::test
