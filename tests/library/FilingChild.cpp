// A process that files one made-up puzzle and exits 0, for tests that kill it on the way:
// lexiglade_filing_child DATADIR TITLE WORDS FOLDER
#include "LibraryMaker.h"

#include "library/Append.h"

#include <cstdlib>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: lexiglade_filing_child DATADIR TITLE WORDS FOLDER\n";
        return 2;
    }
    try {
        const std::size_t words = std::strtoul(argv[3], nullptr, 10);
        lexiglade::AppendPuzzleToFolder(argv[1], lexiglade::test::MakePuzzle(argv[2], words),
                                        argv[4], {});
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
