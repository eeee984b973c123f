#pragma once
// Every place each word may lie within the placement loop's directions and start ranges, and for
// every cell the places that cover it with the letter they want there.
#include "engine/Grid.h"
#include "engine/Layouts.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lexiglade {

struct Place {
    std::uint16_t first = 0; // column-major index of the cell of the text's first letter
    std::uint8_t stride = 0;
    std::uint8_t direction = 0; // Across, Down, DownRight, UpRight
    std::uint32_t word = 0;
};

// The letter one place wants on one cell, given as an index into the table's alphabet.
struct Want {
    std::uint32_t place = 0;
    std::uint32_t letter = 0;
};

class PlaceTable {
  public:
    explicit PlaceTable(const std::vector<std::string>& texts);

    std::size_t WordCount() const { return texts_.size(); }
    const std::string& Text(std::size_t word) const { return texts_[word]; }
    std::size_t PlaceCount() const { return places_.size(); }
    const Place& At(std::uint32_t place) const { return places_[place]; }
    // The places of one word are numbered FirstPlace(word) to FirstPlace(word + 1) - 1.
    std::uint32_t FirstPlace(std::size_t word) const { return firstPlace_[word]; }
    std::span<const Want> WantsAt(std::size_t cell) const {
        return {wants_.data() + firstWant_[cell], wants_.data() + firstWant_[cell + 1]};
    }
    // The wants of one word's places at the cell.
    std::span<const Want> WantsAt(std::size_t cell, std::size_t word) const {
        const std::size_t at = cell * (texts_.size() + 1) + word;
        return {wants_.data() + wantsOfWord_[at], wants_.data() + wantsOfWord_[at + 1]};
    }
    // The letters of the texts, numbered 0 to AlphabetSize() - 1.
    std::size_t AlphabetSize() const { return alphabetSize_; }
    std::uint32_t LetterIndex(char letter) const {
        return letterIndex_[static_cast<unsigned char>(letter)];
    }
    // Where the place lies, for a text of the word's length.
    WordSpan SpanOf(std::uint32_t place) const;

    // Calls visit(cell, letter) for each cell of the place, letter as a character.
    template <typename Visit> void ForEachCell(std::uint32_t place, Visit visit) const {
        const Place& p = places_[place];
        const std::string& text = texts_[p.word];
        for (std::size_t k = 0, at = p.first; k < text.size(); ++k, at += p.stride) {
            visit(at, text[k]);
        }
    }

  private:
    void ListPlaces();
    void FileWants();

    const std::vector<std::string>& texts_;
    std::vector<Place> places_;
    std::vector<std::uint32_t> firstPlace_; // per word, and one past the last
    std::vector<std::uint32_t> firstWant_;  // per cell, and one past the last
    std::vector<Want> wants_;                // by cell, within a cell by place
    std::vector<std::uint32_t> wantsOfWord_; // by cell, the first want of each word and the end
    std::vector<std::uint32_t> letterIndex_;
    std::size_t alphabetSize_ = 0;
};

} // namespace lexiglade
