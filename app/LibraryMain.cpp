// Entry of lexiglade-library; its library is the game's own data folder unless one is named.
#include "app/LibraryCommand.h"
#include "library/Paths.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return lexiglade::RunLibraryCommand(args, lexiglade::ExecutableDataDir(), std::cout, std::cerr);
}
