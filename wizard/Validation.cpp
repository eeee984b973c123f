#include "wizard/Validation.h"

#include "engine/GridGenerator.h"
#include "library/Folders.h"
#include "library/Paths.h"
#include "library/PuzzleText.h"

#include <algorithm>

namespace lexiglade {

namespace {

using Field = EntryPlace::Field;

// Whether a hint, upper-cased, names a picture file; short and long as the picture check counts.
bool IsShortHint(const std::string& upper) {
    return upper.size() <= kMaxShortHint;
}
bool IsLongHint(const std::string& upper) {
    return upper.size() > kMaxPictureName;
}
bool IsPictureHint(const std::string& upper) {
    return !IsShortHint(upper) && upper.find(".BMP") != std::string::npos;
}

// The first line whose upper-cased text holds `test`, if any.
template <typename Test> std::optional<std::size_t> FirstLine(const TextList& lines, Test test) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (test(UpperCase(lines[i]))) {
            return i;
        }
    }
    return std::nullopt;
}

bool OnlyCapitals(const std::string& upper) {
    return std::all_of(upper.begin(), upper.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

Verdict Refused(std::string message, Field field, std::optional<std::size_t> line = {}) {
    Verdict verdict;
    verdict.message = std::move(message);
    verdict.place = {field, line};
    if (field != Field::Name) {
        verdict.word = line;
    }
    return verdict;
}

Verdict CheckName(const std::string& name, const PuzzleChecks& checks) {
    if (name.size() > kMaxNameLength) {
        return Refused(kNameTooLong, Field::Name);
    }
    if (name.size() < 2) {
        return Refused(kNameMissing, Field::Name);
    }
    if (checks.titleTaken && checks.titleTaken(name)) {
        return Refused(kNameTaken, Field::Name);
    }
    if (BreaksTree(name, true)) {
        return Refused(kNameBreaksTree, Field::Name);
    }
    return {};
}

// A verdict of a check that names what it refuses.
Verdict Named(const char* text, std::optional<std::size_t> word, const std::string& subject,
              EntryPlace place) {
    Verdict verdict;
    verdict.text = text;
    verdict.word = word;
    verdict.subject = subject;
    verdict.message = text;
    verdict.place = place;
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
            return Named(hint.empty() ? kHintEmpty : kHintControl, i, entry.words[i],
                         {Field::Hints, i});
        }
    }
    if (!FirstLine(entry.hints, IsPictureHint) && TakenForPictures(entry.hints.front())) {
        return Named(kFirstHintFullStop, 0, {}, {Field::Hints, 0});
    }
    return std::nullopt;
}

// The longest word, which the grid is most likely to have no room for.
std::size_t LongestWord(const TextList& words) {
    const auto longest =
        std::max_element(words.begin(), words.end(),
                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
    return static_cast<std::size_t>(longest - words.begin());
}

// The counts, then each word's length and letters, then whether the grid can hide them all.
Verdict CheckWords(const PuzzleEntry& entry) {
    const TextList& words = entry.words;
    if (words.size() != entry.hints.size()) {
        // The first word without a hint, or the first hint without a word.
        return words.size() > entry.hints.size()
                   ? Refused(kCountsDiffer, Field::Words, entry.hints.size())
                   : Refused(kCountsDiffer, Field::Hints, words.size());
    }
    if (words.size() < kMinWords || words.size() > kMaxWords) {
        // The form points at the first word too many, or the end of too few; the line named is the
        // first word too many, or the last of too few.
        const auto extra = words.size() > kMaxWords ? std::optional(kMaxWords) : std::nullopt;
        Verdict verdict = Refused(kWordCount, Field::Words, extra);
        if (!extra && !words.empty()) {
            verdict.word = words.size() - 1;
        }
        return verdict;
    }
    if (const auto bad = FirstLine(words, [](const std::string& word) {
            return word.size() > kMaxWordLength || word.size() < kMinWordLength;
        })) {
        return Refused(kWordLength, Field::Words, bad);
    }
    if (const auto bad = FirstLine(words, [](const std::string& w) { return !OnlyCapitals(w); })) {
        return Refused(kWordLetters, Field::Words, bad);
    }
    if (!AlwaysPlaceable(words)) {
        return Refused(kWordsDoNotFit, Field::Words, LongestWord(words)); // before any picture
    }
    return {};
}

Verdict CheckPictures(const TextList& hints, const PuzzleChecks& checks) {
    if (const auto bad = FirstLine(hints, IsShortHint)) {
        return Refused(kPictureTooShort, Field::Hints, bad);
    }
    if (const auto bad = FirstLine(hints, IsLongHint)) {
        return Refused(kPictureTooLong, Field::Hints, bad);
    }
    if (const auto bad = FirstLine(hints, [](const std::string& h) { return !IsPictureHint(h); })) {
        return Refused(kPicturesOnly, Field::Hints, bad);
    }
    if (const auto bad = FirstLine(hints, [&](const std::string& upper) {
            return !checks.pictureExists || !checks.pictureExists(upper);
        })) {
        return Refused(kPictureMissing + DirectoryForm(checks.dataDir).string() +
                           kPictureMissingEnd,
                       Field::Hints, bad);
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
    if (Verdict verdict = CheckName(name, checks); !verdict.Passed()) {
        return verdict;
    }
    if (HoldsControlCharacter(name)) {
        return Named(kNameControl, std::nullopt, {}, {Field::Name, std::nullopt});
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
    if (FirstLine(entry.hints, IsPictureHint)) {
        verdict = CheckPictures(entry.hints, checks);
        verdict.pictureHints = verdict.Passed();
    }
    return verdict;
}

} // namespace lexiglade
