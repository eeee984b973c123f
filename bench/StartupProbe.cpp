// The game's start-up as its entry runs it, on a library named on the command line, for the
// benchmarks that time it from outside.
// Usage: lexiglade_startup_probe DATADIR SHIPPEDDIR
// Writes "painted" once the catalogue and its tree are painted. Then, for each line "open" it
// reads, opens the tree's last item as a click on it does, waits for the puzzle screen's first
// paint and what it posted, writes the microseconds that took and the peak resident memory so far
// in kilobytes, and ends that game. Music is off:
// the screen and the library are measured, not the synthesiser. Ends at the end of its input.
#include "ProbeEvents.h"

#include "platform/Application.h"
#include "platform/DisplayScale.h"
#include "platform/audio/AudioOutput.h"
#include "print/Printdlg.h"
#include "ui/Catalogue.h"
#include "ui/GameContext.h"
#include "ui/Midistuf.h"
#include "ui/Outline.h"
#include "ui/Wordsrch.h"
#include "wizard/Editor.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

namespace lexiglade::bench {
namespace {

// The largest resident set of this process so far (VmHWM), in kilobytes.
std::string PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key && key != "VmHWM:") {
    }
    long kilobytes = 0;
    status >> kilobytes;
    return std::to_string(kilobytes);
}

// Opens the last item of the tree; the microseconds to the settled puzzle screen and the peak
// resident kilobytes then.
std::string OpenLastPuzzle(Tmain& catalogue, FormReferences& forms) {
    catalogue.outline->SelectIndex(static_cast<int>(catalogue.outline->Model().size()) - 1);
    const auto start = std::chrono::steady_clock::now();
    catalogue.outlineClick();
    DeliverUntil([&] {
        const auto* game = static_cast<const Tsearcher*>(forms.searcher.data());
        return game != nullptr && game->FormPaintCount() > 0;
    });
    const auto took = std::chrono::steady_clock::now() - start;
    const std::string peak = PeakKilobytes();
    delete forms.searcher.data();
    DeliverUntil([] { return true; });
    return std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(took).count()) +
           " " + peak;
}

} // namespace
} // namespace lexiglade::bench

int main(int argc, char** argv) {
    using namespace lexiglade;
    using namespace lexiglade::bench;
    if (argc != 3) {
        return 2;
    }
    const DataFolders folders{argv[1], argv[2]};
    ApplyDisplayScale();
    Application app(argc, argv);
    const AudioOutput audio;
    GameContext context(folders);
    FormReferences& forms = context.Forms;
    forms.main = new Tmain(context);
    forms.jukebox = new Tjukebox(context.State.GameOptions, forms.main);
    forms.prndlg = new Tprndlg(forms.main);
    forms.lxedit = new Tlxedit(folders, forms.main, context.Kit.PaletteHandle);
    const PaintWatch tree(forms.main->outline->viewport());
    forms.main->ShowMaximized();
    DeliverUntil([&] { return forms.main->FormPaintCount() > 0 && tree.Painted(); });
    Answer("painted");
    context.State.GameOptions.musicOn = false;
    for (std::string request; NextRequest(request);) {
        if (request == "open") {
            Answer(OpenLastPuzzle(*forms.main, forms));
        }
    }
    std::_Exit(0); // the forms' teardown is no part of what is measured
}
