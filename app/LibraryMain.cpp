// Entry of lexiglade-library; its library is the game's own DataDir, by the game's rule, unless
// one is named. It speaks the player's language as the game does.
#include "library/DataFolder.h"
#include "platform/ProgramInfo.h"
#include "platform/Translators.h"
#include "wizard/LibraryCommand.h"

#include <QCoreApplication>
#include <QFile>

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args.front() == "--version") {
        std::cout << lexiglade::VersionText("lexiglade-library");
        return lexiglade::kCommandSucceeded;
    }
    const QCoreApplication application(argc, argv); // for the translators; no display
    const lexiglade::DataFolders folders = lexiglade::RunningDataFolders();
    lexiglade::InstallTranslators(QFile::decodeName(
        QByteArray::fromStdString((folders.shippedDir / lexiglade::kTranslationsFolder).string())));
    return lexiglade::RunLibraryCommand(args, folders, std::cout, std::cerr);
}
