// Program entry: the application object, then the four forms that live for the whole run. A
// command line that asks for help or the version is answered first, without a display.
#include "app/ProgramInfo.h"
#include "library/DataFolder.h"
#include "platform/Application.h"
#include "platform/DisplayScale.h"
#include "platform/Translators.h"
#include "platform/audio/AudioOutput.h"
#include "print/Printdlg.h"
#include "ui/Catalogue.h"
#include "ui/Drawkit.h"
#include "ui/Forms.h"
#include "ui/Midistuf.h"
#include "wizard/Editor.h"

#include <QFile>

#include <iostream>

int main(int argc, char** argv) {
    using namespace lexiglade;
    if (const auto information = GameInformation(std::vector<std::string>(argv + 1, argv + argc))) {
        std::cout << *information;
        return 0;
    }
    Application app(argc, argv);
    const DataFolders folders = RunningDataFolders();
    InstallTranslators(QFile::decodeName(
        QByteArray::fromStdString((folders.shippedDir / kTranslationsFolder).string())));
    ApplyDisplayScale();     // from the screen Qt reports, before any window exists
    const AudioOutput audio; // silent when the machine has no sound
    FormReferences& forms = Forms();
    forms.main = new Tmain(folders);
    forms.jukebox = new Tjukebox(forms.main);
    forms.prndlg = new Tprndlg(forms.main);
    forms.lxedit = new Tlxedit(forms.main, Kit().PaletteHandle);
    forms.main->ShowMaximized();
    const int result = Application::exec();
    delete forms.lxedit;
    delete forms.prndlg;
    delete forms.jukebox;
    delete forms.main;
    forms = FormReferences{};
    return result;
}
