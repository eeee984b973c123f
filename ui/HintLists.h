#pragma once
// The puzzle screen's hint lists: every hint still to be found in Combo1, and in a picture puzzle
// each hint's picture in Combo2 as well; an entry leaves both lists when its word is found.
#include "platform/GdiBitmap.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QWidget;

namespace lexiglade {

class HintPictureCombo;

class HintLists {
  public:
    // Creates both lists on `form`, hidden, at their design places.
    explicit HintLists(QWidget& form);
    HintLists(const HintLists&) = delete; // Combo2 draws from this object's pictures
    HintLists& operator=(const HintLists&) = delete;

    // Before a game starts: the text list hidden, no pictures.
    void Reset();
    // Fills the lists with `hints`; a picture puzzle's pictures are read from `dataDir`. The lists
    // are placed by the board's left edge `boardLeft`, below (text) or above (pictures) its bottom
    // edge `boardBottom`.
    void BuildHintLists(const std::vector<std::string>& hints, bool pictures,
                        const std::filesystem::path& dataDir, int boardLeft, int boardBottom);
    // Shows each list's first entry.
    void SelectFirst();
    // The entry of hint `index` leaves both lists.
    void RemoveHint(std::int32_t index);
    // The game has ended: its pictures are freed.
    void FreePictures();

    QComboBox* Combo1() const { return combo1_; }
    HintPictureCombo* Combo2() const { return combo2_; }
    // True when the puzzle's hints are pictures.
    bool PictureHints() const { return pictureHints_; }
    // One picture per hint, in the puzzle's order, in a picture puzzle until the game ends.
    const std::vector<std::unique_ptr<Bitmap>>& HintPictures() const { return hintPictures_; }

  private:
    QComboBox* combo1_ = nullptr;
    HintPictureCombo* combo2_ = nullptr;
    bool pictureHints_ = false;
    std::vector<std::unique_ptr<Bitmap>> hintPictures_;
};

} // namespace lexiglade
