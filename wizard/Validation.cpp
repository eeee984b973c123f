#include "wizard/Validation.h"

#include "engine/Grid.h"
#include "library/Folders.h"

#include <algorithm>

namespace lexiglade {

namespace {

struct HintCounts {
    std::size_t pictures = 0;
    bool someShort = false;
    bool someLong = false;
};

HintCounts ClassifyHints(const TextList& hints) {
    HintCounts counts;
    for (const std::string& hint : hints) {
        const std::string upper = UpperCase(hint);
        counts.someShort |= upper.size() <= kMaxShortHint;
        counts.someLong |= upper.size() > kMaxPictureName;
        if (upper.size() > kMaxShortHint && upper.find(".BMP") != std::string::npos) {
            ++counts.pictures;
        }
    }
    return counts;
}

bool OnlyCapitals(const std::string& word) {
    const std::string upper = UpperCase(word);
    return std::all_of(upper.begin(), upper.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::string CheckName(const std::string& name, const PuzzleChecks& checks) {
    if (name.size() > kMaxNameLength) {
        return kNameTooLong;
    }
    if (name.size() < 2) {
        return kNameMissing;
    }
    if (checks.titleTaken && checks.titleTaken(name)) {
        return kNameTaken;
    }
    if (BreaksTree(name, true)) {
        return kNameBreaksTree;
    }
    return {};
}

std::string CheckWords(const PuzzleEntry& entry) {
    if (entry.words.size() != entry.hints.size()) {
        return kCountsDiffer;
    }
    if (entry.words.size() < kMinWords || entry.words.size() > kMaxWords) {
        return kWordCount;
    }
    for (const std::string& word : entry.words) {
        if (word.size() > kMaxWordLength || word.size() < kMinWordLength) {
            return kWordLength;
        }
    }
    for (const std::string& word : entry.words) {
        if (!OnlyCapitals(word)) {
            return kWordLetters;
        }
    }
    return {};
}

std::string CheckPictures(const TextList& hints, const PuzzleChecks& checks) {
    const HintCounts counts = ClassifyHints(hints);
    if (counts.someShort) {
        return kPictureTooShort;
    }
    if (counts.someLong) {
        return kPictureTooLong;
    }
    if (counts.pictures != hints.size()) {
        return kPicturesOnly;
    }
    for (const std::string& hint : hints) {
        if (!checks.pictureExists || !checks.pictureExists(UpperCase(hint))) {
            return kPictureMissing + checks.dataDir + kPictureMissingEnd;
        }
    }
    return {};
}

} // namespace

std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

Verdict ValidatePuzzle(const PuzzleEntry& entry, const PuzzleChecks& checks) {
    Verdict verdict;
    verdict.message = CheckName(entry.name, checks);
    if (verdict.message.empty()) {
        verdict.message = CheckWords(entry);
    }
    if (verdict.message.empty() && !AlwaysPlaceable(entry.words)) {
        verdict.message = kWordsDoNotFit; // before any picture is reshaped
    }
    if (verdict.message.empty() && ClassifyHints(entry.hints).pictures > 0) {
        verdict.message = CheckPictures(entry.hints, checks);
        verdict.pictureHints = verdict.message.empty();
    }
    return verdict;
}

} // namespace lexiglade
