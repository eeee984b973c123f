#pragma once
// Titles by line number in a compact table of hashes, for walks over a whole library that must
// not hold its titles: a million titles take some 50 MB.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lexiglade {

// Two independent hashes of a title: `key` places it in the table, `check` tells apart the rare
// titles whose keys are equal. Titles are taken as equal when all 96 bits are.
struct TitleHash {
    std::uint64_t key = 0;
    std::uint32_t check = 0;
    friend bool operator==(const TitleHash&, const TitleHash&) = default;
};

TitleHash HashTitle(std::string_view title);

// The titles of a list, line by line, each found at the first line that holds it.
class TitleIndex {
  public:
    // Adds the title of the next line (the first is line 0).
    void Add(std::string_view title) { Add(HashTitle(title)); }
    void Add(const TitleHash& hash) { lines_.push_back({hash, false}); }
    // Ends the adding; Find works from then on.
    void Seal();
    std::size_t Lines() const { return lines_.size(); }

    // The first line that holds the title; none when no line does. Titles are mostly looked up in
    // the order of their lines, so the line after `near` and the one before it are tried first.
    std::optional<std::uint32_t> Find(std::string_view title,
                                      std::optional<std::uint32_t> near = std::nullopt) const {
        return Find(HashTitle(title), near);
    }
    std::optional<std::uint32_t> Find(const TitleHash& hash,
                                      std::optional<std::uint32_t> near = std::nullopt) const;
    // The hash of each line's title, in the order of the lines.
    const TitleHash& HashOfLine(std::size_t line) const { return lines_[line].hash; }

  private:
    struct Line {
        TitleHash hash;
        bool first = false; // no line before it holds its title
    };
    struct Slot {
        std::uint64_t key = 0;
        std::uint32_t check = 0;
        std::uint32_t line = kEmpty;
    };
    static constexpr std::uint32_t kEmpty = 0xffffffffu;
    // The slot holding `hash`, or the empty slot where it would go.
    std::size_t SlotOf(const TitleHash& hash) const;
    bool FirstHolds(std::uint32_t line, const TitleHash& hash) const;

    std::vector<Line> lines_;
    std::vector<Slot> slots_;
};

} // namespace lexiglade
