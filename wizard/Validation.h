#pragma once
// The wizard's checks of a new puzzle, in their order, without any window.
#include "library/TextList.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Marks a text of the wizard for the translators, who gather it as they gather QT_TRANSLATE_NOOP
// (lupdate -tr-function-alias); the checks need no Qt.
#define LEXIGLADE_TRANSLATE_NOOP(context, text) text

namespace lexiglade {

inline constexpr const char* kNameTooLong =
    LEXIGLADE_TRANSLATE_NOOP("lexiglade::Tlxedit", "Puzzle name too long. Please shorten.");
inline constexpr const char* kNameMissing =
    LEXIGLADE_TRANSLATE_NOOP("lexiglade::Tlxedit", "Please fill in the puzzle name.");
inline constexpr const char* kNameTaken = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "A puzzle with this name already exists. Please choose another name.");
inline constexpr const char* kNameBreaksTree = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "The puzzle name cannot begin with a space or contain a tab.");
inline constexpr const char* kFolderNameBreaksTree = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "The folder name cannot be empty, begin with a space or contain a tab.");
// The texts of the checks that name what they refuse; %1 stands for the word whose hint it is.
inline constexpr const char* kNameControl = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "The puzzle name cannot contain control characters.");
inline constexpr const char* kFolderNameControl = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "The folder name cannot contain control characters.");
inline constexpr const char* kHintEmpty =
    LEXIGLADE_TRANSLATE_NOOP("lexiglade::Tlxedit", "The hint of %1 is empty.");
inline constexpr const char* kHintControl = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "The hint of %1 cannot contain control characters.");
inline constexpr const char* kFirstHintFullStop = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit",
    "The first hint of a text puzzle cannot contain a full stop: the game would take the puzzle "
    "for pictures.");
inline constexpr const char* kCountsDiffer = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "The number of puzzle words does not equal the number of hints.");
inline constexpr const char* kWordCount = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "The number of puzzle words should be between 15 and 25.");
inline constexpr const char* kWordLength = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "Puzzle words should be between 4 and 21 characters in length.");
inline constexpr const char* kWordLetters = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit",
    "Puzzle words can only have characters from A - Z. If using double words like Pim Varlo, just "
    "run the words together like pimvarlo. This is how you will see it in the puzzle.");
inline constexpr const char* kWordsDoNotFit = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit",
    "These words cannot all be hidden in the grid. Please use fewer or shorter long words.");
inline constexpr const char* kPictureTooShort = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "At least one hint picture filename is too short to be valid.");
inline constexpr const char* kPictureTooLong = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "At least one hint picture filename is too long to be valid.");
inline constexpr const char* kPicturesOnly = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit", "When doing pictures, ALL hints must be a picture.");
// Followed by DataDir in DirectoryForm, which ends with '/', and kPictureMissingEnd.
//: Followed by the data folder (ending with /) and the text "PICTURES subdirectory."
inline constexpr const char* kPictureMissing = LEXIGLADE_TRANSLATE_NOOP(
    "lexiglade::Tlxedit",
    "At least one hint picture filename was not found. Please verify that the pictueres you want "
    "to use are in the ");
//: Follows the text "...are in the " and the data folder.
inline constexpr const char* kPictureMissingEnd =
    LEXIGLADE_TRANSLATE_NOOP("lexiglade::Tlxedit", "PICTURES subdirectory.");

inline constexpr std::size_t kMaxNameLength = 40;
inline constexpr std::size_t kMinWords = 15;
inline constexpr std::size_t kMaxWords = 25;
inline constexpr std::size_t kMinWordLength = 4;
inline constexpr std::size_t kMaxWordLength = 21;
inline constexpr std::size_t kMaxShortHint = 4;
inline constexpr std::size_t kMaxPictureName = 12;

struct PuzzleEntry {
    std::string name;
    TextList words; // a memo's lines: a final empty line is not one
    TextList hints;
};

struct PuzzleChecks {
    std::filesystem::path dataDir;                            // named in the not-found message
    std::function<bool(const std::string& title)> titleTaken; // a title already in "a8.asl"
    std::function<bool(const std::string& upperHint)> pictureExists; // in PictureFolder
};

// Where a refused entry lies, for the form to point at: the name, or a line of the words or of the
// hints (no line: the end of that list).
struct EntryPlace {
    enum class Field : std::uint8_t { None, Name, Words, Hints };
    Field field = Field::None;
    std::optional<std::size_t> line;
    bool operator==(const EntryPlace&) const = default;
};

struct Verdict {
    std::string message;       // of the first failing check; empty when all pass
    EntryPlace place;          // what the failing check refused
    bool pictureHints = false; // passed with every hint a picture file
    // A check that names what it refuses: its text (one of those above) with %1 standing for
    // `subject`.
    const char* text = nullptr;
    std::string subject;
    // The word whose line the refusal concerns (the word, its hint, or for a count the last word
    // of too few, the first of too many); none when the name failed.
    std::optional<std::size_t> word;
    bool Passed() const { return message.empty(); }
};

// Checks 1 and 2 on the name, then the name's uniqueness, shape and control characters, then the
// counts, the words, whether the game can hide the words in its grid, the hints (none empty or
// holding a control character), and the hint pictures, or for a text puzzle its first hint (no
// full stop). Stops at the first failure; only asks `checks` what it needs.
Verdict ValidatePuzzle(const PuzzleEntry& entry, const PuzzleChecks& checks);

// The checks on the name alone, the first of ValidatePuzzle's.
Verdict ValidateName(const std::string& name, const PuzzleChecks& checks);

// ASCII letters a to z made capitals; every other byte kept.
std::string UpperCase(std::string text);

} // namespace lexiglade
