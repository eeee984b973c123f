#pragma once
// Test-only reach into a puzzle screen: what the tests and benchmarks read of its game, and the two
// things they set by hand. The form keeps all of it private.
#include "ui/Wordsrch.h"

#include <cstdint>
#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace lexiglade {

class TsearcherProbe {
  public:
    explicit TsearcherProbe(const Tsearcher& form) : form_(form) {}

    const PuzzleSession& Session() const { return form_.Session; }
    const SelectionInput& Input() const { return form_.Input; }
    const HintLists& Hints() const { return form_.Hints; }
    std::int32_t BoardLeft() const { return form_.BoardLeft; }
    std::int32_t BoardTop() const { return form_.BoardTop; }
    std::int32_t BoardWidth() const { return form_.BoardWidth; }
    std::int32_t BoardHeight() const { return form_.BoardHeight; }
    const std::string& MusicTrack() const { return form_.MusicTrack; }
    const std::string& ShownTitle() const { return form_.ShownTitle; }
    std::int32_t SelectionColour() const { return form_.SelectionColour; }
    QTimer* Timer1() const { return form_.Timer1; }
    QPushButton* Button1() const { return form_.Button1; }
    QPushButton* Button2() const { return form_.Button2; }
    QLabel* Label1() const { return form_.Label1; }

    // The music player, whose commands a test records or whose track it reads.
    static MediaPlayer& MPlayer(Tsearcher& form) { return form.MPlayer; }
    static void SetSelectionColour(Tsearcher& form, std::int32_t colour) {
        form.SelectionColour = colour;
    }

  private:
    const Tsearcher& form_;
};

inline TsearcherProbe Probe(const Tsearcher& form) {
    return TsearcherProbe(form);
}

} // namespace lexiglade
