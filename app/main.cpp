// Program entry: the application object, then the four forms that live for the whole run. A
// command line that asks for help or the version is answered first, without a display.
#include "library/DataFolder.h"
#include "platform/Application.h"
#include "platform/DisplayScale.h"
#include "platform/ProgramInfo.h"
#include "platform/Translators.h"
#include "platform/audio/AudioOutput.h"
#include "print/Printdlg.h"
#include "ui/Catalogue.h"
#include "ui/GameContext.h"
#include "ui/Midistuf.h"
#include "wizard/Editor.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

#include <iostream>

int main(int argc, char** argv) {
    using namespace lexiglade;
    const DataFolders folders = RunningDataFolders();
    const QString translations = QFile::decodeName(
        QByteArray::fromStdString((folders.shippedDir / kTranslationsFolder).string()));
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (std::ranges::any_of(args, IsInformationOption)) {
        const QCoreApplication command(argc, argv); // for the translators; no display
        InstallTranslators(translations);
        std::cout << GameInformation(args).value_or("");
        return 0;
    }
    Application app(argc, argv);
    InstallTranslators(translations);
    ApplyDisplayScale();     // from the screen Qt reports, before any window exists
    const AudioOutput audio; // silent when the machine has no sound
    GameContext context(folders);
    FormReferences& forms = context.Forms;
    forms.main = new Tmain(context);
    forms.jukebox = new Tjukebox(context.State.GameOptions, forms.main);
    forms.prndlg = new Tprndlg(forms.main);
    forms.lxedit = new Tlxedit(folders, forms.main, context.Kit.PaletteHandle);
    forms.main->ShowMaximized();
    const int result = Application::exec();
    delete forms.lxedit;
    delete forms.prndlg;
    delete forms.jukebox;
    delete forms.main;
    forms = FormReferences{};
    return result;
}
