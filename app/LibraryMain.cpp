// Entry of lexiglade-library; its library is the game's own DataDir, by the game's rule, unless
// one is named.
#include "app/ProgramInfo.h"
#include "library/DataFolder.h"
#include "wizard/LibraryCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args.front() == "--version") {
        std::cout << lexiglade::VersionText("lexiglade-library");
        return lexiglade::kCommandSucceeded;
    }
    return lexiglade::RunLibraryCommand(args, lexiglade::RunningDataFolders(), std::cout,
                                        std::cerr);
}
