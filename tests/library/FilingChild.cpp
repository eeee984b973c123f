// A process that changes the library once and exits 0, for tests that kill it on the way:
//   lexiglade_filing_child DATADIR TITLE WORDS FOLDER   files a made-up puzzle of WORDS words
//   lexiglade_filing_child DATADIR remove TITLE
//   lexiglade_filing_child DATADIR rename TITLE NEW
//   lexiglade_filing_child DATADIR move TITLE FOLDER
#include "LibraryMaker.h"

#include "library/Append.h"
#include "library/PuzzleEdit.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace lexiglade;
    const std::string change = argc > 2 ? argv[2] : "";
    try {
        if (argc == 4 && change == "remove") {
            RemovePuzzle(argv[1], argv[3]);
        } else if (argc == 5 && change == "rename") {
            RenamePuzzle(argv[1], argv[3], argv[4]);
        } else if (argc == 5 && change == "move") {
            MovePuzzle(argv[1], argv[3], argv[4]);
        } else if (argc == 5) {
            const std::size_t words = std::strtoul(argv[3], nullptr, 10);
            AppendPuzzleToFolder(argv[1], test::MakePuzzle(argv[2], words), argv[4], {});
        } else {
            std::cerr << "usage: lexiglade_filing_child DATADIR TITLE WORDS FOLDER\n"
                         "       lexiglade_filing_child DATADIR remove|rename|move TITLE [ARG]\n";
            return 2;
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
