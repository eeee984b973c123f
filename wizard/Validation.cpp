#include "wizard/Validation.h"

#include "engine/Grid.h"
#include "library/Folders.h"
#include "library/PuzzleText.h"

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

// A verdict of a check that names what it refuses.
Verdict Named(const char* text, std::optional<std::size_t> word, const std::string& subject) {
    Verdict verdict;
    verdict.text = text;
    verdict.word = word;
    verdict.subject = subject;
    verdict.message = text;
    if (const std::size_t at = verdict.message.find("%1"); at != std::string::npos) {
        verdict.message.replace(at, 2, subject);
    }
    return verdict;
}

// No hint empty or holding a control character; a text puzzle's first hint without a full stop.
std::optional<Verdict> CheckHintTexts(const PuzzleEntry& entry) {
    for (std::size_t i = 0; i < entry.hints.size(); ++i) {
        const std::string& hint = entry.hints[i];
        if (hint.empty() || HoldsControlCharacter(hint)) {
            return Named(hint.empty() ? kHintEmpty : kHintControl, i, entry.words[i]);
        }
    }
    if (ClassifyHints(entry.hints).pictures == 0 && TakenForPictures(entry.hints.front())) {
        return Named(kFirstHintFullStop, 0, {});
    }
    return std::nullopt;
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
    if (!verdict.Passed()) {
        return verdict;
    }
    if (HoldsControlCharacter(entry.name)) {
        return Named(kNameControl, std::nullopt, {});
    }
    verdict.message = CheckWords(entry);
    if (verdict.message.empty() && !AlwaysPlaceable(entry.words)) {
        verdict.message = kWordsDoNotFit; // before any picture is reshaped
    }
    if (!verdict.Passed()) {
        return verdict;
    }
    if (std::optional<Verdict> hints = CheckHintTexts(entry)) {
        return *hints;
    }
    if (ClassifyHints(entry.hints).pictures > 0) {
        verdict.message = CheckPictures(entry.hints, checks);
        verdict.pictureHints = verdict.message.empty();
    }
    return verdict;
}

} // namespace lexiglade
