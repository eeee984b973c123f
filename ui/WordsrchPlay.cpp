// The puzzle screen's play: it asks the session, then draws, plays and updates the hint lists.
#include "ui/Wordsrch.h"

#include "engine/Clock.h"
#include "media/Sound.h"
#include "platform/KnownMessages.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "ui/BestTimeReport.h"
#include "ui/Drawkit.h"
#include "ui/GameContext.h"
#include "ui/HintCombo.h"
#include "ui/PuzzleDrawing.h"

#include <QComboBox>
#include <QTimer>

#include <exception>

namespace lexiglade {

// A press on a cell draws a full circle around its centre.
bool Tsearcher::BeginSelection(int x, int y) {
    const bool started = Session.Press(Origin(), {x, y});
    if (started) {
        painter_.DrawBands({Session.RubberBand()}, SelectionColour, R2_XORPEN);
    }
    return started;
}

void Tsearcher::TrackSelection(int x, int y) {
    if (const std::optional<RubberMove> move = Session.Track({x, y})) {
        painter_.DrawBands({move->erased, move->drawn}, SelectionColour, R2_XORPEN);
    }
}

void Tsearcher::EndSelection(int x, int y) {
    const ReleaseResult result = Session.Release(Origin(), {x, y});
    painter_.DrawBands({result.erased}, SelectionColour, R2_XORPEN);
    for (const Find& find : result.found) {
        FoundWord(find);
    }
    if (result.won) {
        // The time taken is that of the last find, however long the message stays open; the
        // game is won, even if the time limit passes meanwhile.
        ShowInformation(tr("Very Good! You found them all!"));
        if (!Session.GameOver()) {
            RecordBestTime(Session.TimeTaken());
            EndGame();
        }
    }
}

// The sound, the permanent capsule, then the hints the session removed, the screen saved before
// each removal so that the capsule survives a repaint.
void Tsearcher::FoundWord(const Find& find) {
    PlaySoundEffect(SoundEffect::FoundWord, state_.GameOptions.soundsOn, state_.Folders());
    painter_.DrawBands({find.mark}, PaletteRole::FoundWord, R2_COPYPEN);
    for (const std::int32_t j : find.removedHints) {
        kit_.SaveScreen();
        Combo1->removeItem(j);
        Combo2->removeItem(j);
    }
    Combo1->setCurrentIndex(0);
    if (PictureHints) {
        Combo2->setCurrentIndex(0);
    }
}

void Tsearcher::RecordBestTime(std::int32_t timeTaken) {
    std::string report;
    try {
        report = BestTimeReport(
            timeTaken, lexiglade::RecordBestTime(state_.DataDir, puzzle_.title, puzzle_.puzzleIndex,
                                                 timeTaken, Session.Options().backwardWords));
    } catch (const std::exception& error) {
        ShowErrorBox(ErrorText(error)); // the game still ends
        return;
    }
    ShowInformation(TranslatedMessage(report));
}

void Tsearcher::Timer1Timer() {
    HandlerScope scope(*this);
    const std::optional<TimeOut> timeOut = Session.Tick();
    DrawClock(kit_, *this, Origin(),
              LibraryBytes(TranslatedMessage(ClockText(Session.ElapsedSeconds()))));
    if (timeOut) {
        Timer1->stop();
        ShowUnfoundWords(*timeOut);
        ShowInformation(tr("Uh-oh... the timer has expired! Better luck next time!"));
        EndGame();
    }
}

// The words the player did not find are circled, and saved with the screen so that they stay
// while the message is open; the running selection goes first (the keyboard's frame lies over the
// screen, never in it).
void Tsearcher::ShowUnfoundWords(const TimeOut& timeOut) {
    Input.Ended();
    if (timeOut.erased) {
        painter_.DrawBands({*timeOut.erased}, SelectionColour, R2_XORPEN);
    }
    for (const PlacedWord& word : timeOut.unfound) {
        painter_.DrawBands({WordBand(Origin(), word)}, PaletteRole::UnfoundWord, R2_COPYPEN);
    }
    kit_.SaveScreen();
}

} // namespace lexiglade
