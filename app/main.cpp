// Program entry: the application object, then the four forms that live for the whole run.
#include "library/DataFolder.h"
#include "platform/Application.h"
#include "platform/AudioOutput.h"
#include "platform/DisplayScale.h"
#include "print/Printdlg.h"
#include "ui/Catalogue.h"
#include "ui/Drawkit.h"
#include "ui/Forms.h"
#include "ui/Midistuf.h"
#include "wizard/Editor.h"

int main(int argc, char** argv) {
    using namespace lexiglade;
    Application app(argc, argv);
    ApplyDisplayScale();     // from the screen Qt reports, before any window exists
    const AudioOutput audio; // silent when the machine has no sound
    FormReferences& forms = Forms();
    forms.main = new Tmain(RunningDataFolders());
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
