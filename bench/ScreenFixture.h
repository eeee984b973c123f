#pragma once
// The screens as the screen benchmarks open them, headless: a catalogue of a given size on a data
// folder, and a 25-word puzzle on it whose words a drag finds one by one.
#include "TsearcherProbe.h"

#include "library/Puzzle.h"
#include "ui/Catalogue.h"
#include "ui/GameContext.h"
#include "ui/Wordsrch.h"

#include <QSize>

#include <functional>
#include <memory>
#include <string>

namespace lexiglade::bench {

// Runs the event loop until `done` holds, ten seconds at most.
void Settle(const std::function<bool()>& done);

// A catalogue on a game context of its own, music off; the form goes before its context.
struct CatalogueScreen {
    explicit CatalogueScreen(const std::string& dataDir);
    GameContext context;
    Tmain form;
};

// The catalogue after its first paint at `size`.
std::unique_ptr<CatalogueScreen> OpenCatalogue(const std::string& dataDir, QSize size);

// A catalogue (for the screen size and palette) and a 25-word puzzle to open on its context.
struct GameSetup {
    GameSetup(const std::string& dataDir, QSize size);
    // A new puzzle screen after its first paint.
    std::unique_ptr<Tsearcher> Open() const;
    QSize size;
    std::unique_ptr<CatalogueScreen> catalogue;
    LoadedPuzzle puzzle;
};

// Finds the next word of the open puzzle with a drag, opening a new puzzle before the last word,
// which would win the game; only the drag is timed.
class WordFinder {
  public:
    explicit WordFinder(const GameSetup& setup) : setup_(setup) {}
    template <typename State> void FindNext(State& state) {
        if (!form_ || next_ + 1 >= Probe(*form_).Session().Grids().PlacedWords.size()) {
            state.PauseTiming();
            Reopen();
            state.ResumeTiming();
        }
        Drag();
    }

  private:
    void Reopen();
    void Drag();

    const GameSetup& setup_;
    std::unique_ptr<Tsearcher> form_;
    std::size_t next_ = 0;
};

// Presses at `anchor`, then moves the drag between two far points once an iteration: each move
// erases the rubber band and draws it again.
template <typename State> void DragBackAndForth(Tsearcher& form, Point anchor, State& state) {
    form.FormMouseDown(Qt::LeftButton, anchor.x, anchor.y);
    bool far = false;
    for ([[maybe_unused]] auto _ : state) { // dependent here, so clang would call it unused
        far = !far;
        form.FormMouseMove(anchor.x + (far ? 120 : 60), anchor.y + (far ? 70 : 20));
    }
}

} // namespace lexiglade::bench
