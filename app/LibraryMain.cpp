// Entry of lexiglade-library; its library is the game's own DataDir, by the game's rule, unless
// one is named.
#include "library/DataFolder.h"
#include "wizard/LibraryCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return lexiglade::RunLibraryCommand(args, lexiglade::RunningDataFolders(), std::cout,
                                        std::cerr);
}
