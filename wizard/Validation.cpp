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

// A verdict of a check whose text names nothing; `word` is the word whose line it refuses.
Verdict Refused(std::string message, std::optional<std::size_t> word = std::nullopt) {
    Verdict verdict;
    verdict.message = std::move(message);
    verdict.word = word;
    return verdict;
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

// The first entry of `words` that `bad` finds fault with.
template <class Bad> std::optional<std::size_t> FirstWord(const TextList& words, Bad bad) {
    const auto found = std::find_if(words.begin(), words.end(), bad);
    if (found == words.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - words.begin());
}

Verdict CheckWords(const PuzzleEntry& entry) {
    const TextList& words = entry.words;
    if (words.size() != entry.hints.size()) {
        return Refused(kCountsDiffer, std::min(words.size(), entry.hints.size()));
    }
    if (words.size() < kMinWords || words.size() > kMaxWords) {
        // The last word of too few, the first word too many.
        return Refused(kWordCount, words.size() > kMaxWords ? std::optional(kMaxWords)
                                   : words.empty()          ? std::nullopt
                                                            : std::optional(words.size() - 1));
    }
    if (const auto word = FirstWord(words, [](const std::string& w) {
            return w.size() > kMaxWordLength || w.size() < kMinWordLength;
        })) {
        return Refused(kWordLength, word);
    }
    if (const auto word = FirstWord(words, [](const std::string& w) { return !OnlyCapitals(w); })) {
        return Refused(kWordLetters, word);
    }
    if (!AlwaysPlaceable(words)) { // checked before any picture is reshaped
        const auto longest = std::max_element(
            words.begin(), words.end(),
            [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
        return Refused(kWordsDoNotFit, static_cast<std::size_t>(longest - words.begin()));
    }
    return {};
}

Verdict CheckPictures(const TextList& hints, const PuzzleChecks& checks) {
    const auto first = [&](auto bad) { return FirstWord(hints, bad); };
    if (const auto word = first([](const std::string& h) { return h.size() <= kMaxShortHint; })) {
        return Refused(kPictureTooShort, word);
    }
    if (const auto word = first([](const std::string& h) { return h.size() > kMaxPictureName; })) {
        return Refused(kPictureTooLong, word);
    }
    if (const auto word =
            first([](const std::string& h) { return ClassifyHints({h}).pictures == 0; })) {
        return Refused(kPicturesOnly, word);
    }
    if (const auto word = first([&](const std::string& h) {
            return !checks.pictureExists || !checks.pictureExists(UpperCase(h));
        })) {
        return Refused(kPictureMissing + checks.dataDir + kPictureMissingEnd, word);
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

Verdict ValidateName(const std::string& name, const PuzzleChecks& checks) {
    if (std::string message = CheckName(name, checks); !message.empty()) {
        return Refused(std::move(message));
    }
    if (HoldsControlCharacter(name)) {
        return Named(kNameControl, std::nullopt, {});
    }
    return {};
}

Verdict ValidatePuzzle(const PuzzleEntry& entry, const PuzzleChecks& checks) {
    if (Verdict name = ValidateName(entry.name, checks); !name.Passed()) {
        return name;
    }
    if (Verdict words = CheckWords(entry); !words.Passed()) {
        return words;
    }
    if (std::optional<Verdict> hints = CheckHintTexts(entry)) {
        return *hints;
    }
    Verdict verdict;
    if (ClassifyHints(entry.hints).pictures > 0) {
        verdict = CheckPictures(entry.hints, checks);
        verdict.pictureHints = verdict.Passed();
    }
    return verdict;
}

} // namespace lexiglade
