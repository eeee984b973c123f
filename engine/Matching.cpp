#include "engine/Matching.h"

#include <algorithm>
#include <stdexcept>

namespace lexiglade {

namespace {

void AppendMatches(std::span<const PlacedWord> words, RetiredWords& retired, Cell start, Cell end,
                   std::vector<std::int32_t>& found) {
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (!retired[k] && words[k].start == start && words[k].end == end) {
            retired[k] = true;
            found.push_back(static_cast<std::int32_t>(k));
        }
    }
}

// Removes from entries every match of hint met in one scan from position 0, recording where.
void RemoveHint(const std::string& hint, std::vector<std::string>& entries,
                std::vector<std::int32_t>& removals) {
    const std::size_t count = entries.size();
    for (std::size_t j = 0; j < count; ++j) {
        if (j < entries.size() && UpperAscii(entries[j]) == hint) {
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(j));
            removals.push_back(static_cast<std::int32_t>(j));
        }
    }
}

} // namespace

std::vector<std::int32_t> FindMatches(std::span<const PlacedWord> words, RetiredWords& retired,
                                      Cell anchor, Cell end) {
    if (retired.size() != words.size()) {
        throw std::invalid_argument("one retired flag per placed word");
    }
    std::vector<std::int32_t> found;
    AppendMatches(words, retired, anchor, end, found);
    AppendMatches(words, retired, end, anchor, found);
    return found;
}

std::string ReadingOrder(std::string_view text, bool reversed, bool backwardWords) {
    std::string reading(text);
    if (backwardWords && reversed) {
        std::reverse(reading.begin(), reading.end());
    }
    return reading;
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& ch : upper) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return upper;
}

std::vector<std::int32_t> HintRemovals(const TextList& words, const TextList& hints,
                                       std::string_view foundText,
                                       const std::vector<std::string>& entries) {
    const std::string found = UpperAscii(foundText);
    std::vector<std::string> remaining = entries;
    std::vector<std::int32_t> removals;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (UpperAscii(words[i]) == found) {
            RemoveHint(UpperAscii(ListItem(hints, static_cast<std::int64_t>(i))), remaining,
                       removals);
        }
    }
    return removals;
}

} // namespace lexiglade
