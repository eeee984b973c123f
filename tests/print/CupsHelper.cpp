// Prints copies of a sample puzzle as the game does (each followed by its answer key after "keys")
// on the default queue of the print server that CUPS_SERVER names. Writes the queue's name, then
// the file printed to for want of a queue; exits 1 with the error's text.
#include "PuzzleSetup.h"

#include "platform/Application.h"
#include "platform/printer/Printer.h"
#include "print/PrintPage.h"

#include <QPrinter>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace lexiglade;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application app(argc, argv);
    const int copies = argc > 1 ? std::atoi(argv[1]) : 1;
    const bool keys = argc > 2 && std::string(argv[2]) == "keys";
    test::LoadPuzzle("Animals in the Queue", test::SampleWords(15), test::SampleHints(15));
    try {
        std::cout << DefaultPrinter().Device().printerName().toStdString() << '\n';
        std::cout << PrintCopies({copies, false, keys}, test::Printed(false, {})).file.toStdString()
                  << '\n';
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
