#pragma once
// Every text the library command prints, by command, for translators to find in one place. %1,
// %2, ... stand for the values the command fills in (FillText); titles, folders and words are
// filled in UTF-8. The command prints each in the player's language (CommandText); the program's
// name before a misuse and the mark of an unknown value are no words and stay as they are.
#include <QtGlobal>

namespace lexiglade::CommandTexts {

// The translators' context of the texts below.
inline constexpr const char* kContext = "LibraryCommand";

// Printed for --help, and after a command line that is wrong. Lines under 80 columns.
//: Keep every line under 80 columns, and the commands and options (add, list, --library, ...) as
//: they are; the words in capitals (FILE, TITLE, DIR, ...) may be translated.
inline constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "LibraryCommand", R"(Usage: lexiglade-library [--library DIR] [--verbose] COMMAND
       lexiglade-library --help | --version

Looks after the puzzles of Lexiglade from a terminal. They are kept in a
library folder: the one the game uses (for an installed game that is
~/.local/share/lexiglade/), or DIR when you give --library DIR.

Commands:
  add FILE            Adds the puzzle written in the puzzle file FILE (see
                      below) to its folder, or to a new folder at the end.
  list [FOLDER]       Shows each folder with its puzzles, their number of
                      words and best times (without / with backward words).
                      With FOLDER, shows that folder only.
  export TITLE [FILE] Writes the puzzle TITLE as a puzzle file, into FILE
                      or, without FILE, on the screen. Adding that file to
                      a library gives the same puzzle.
  remove TITLE        Takes the puzzle TITLE out of the library.
  rename TITLE NEW    Gives the puzzle TITLE the title NEW.
  move TITLE FOLDER   Puts the puzzle TITLE last in FOLDER, or in a new
                      folder of that name at the end.
  check               Checks the library and prints one line for each
                      problem it finds. First it finishes or undoes a
                      change that was cut short (by a crash or a power cut)
                      and says so.
  check --discard-journal
                      Moves a damaged record of such a change (the file
                      .lexiglade-journal, with the files beside it) into a
                      new folder discarded-filing-XXXXXX of the library,
                      then checks. Look at the record before you do this.

Options:
  --library DIR       Works on the library in the folder DIR.
  --verbose           Also says where in the library's files a puzzle is.
  --help              Prints this text.
  --version           Prints the version.

A puzzle file is a plain text file in UTF-8 (Latin-1 works too). Its first
line is the title, its second the folder, then comes one line for each
word: the word, a tab, and its hint. For example (<TAB> is a tab):

  Farm Animals
  Animals
  HORSE<TAB>You can ride on its back
  SHEEP<TAB>Its wool keeps you warm
  ... (15 to 25 words in all)

A title has 2 to 40 characters. A word has 4 to 21 letters from A to Z. A
hint is a short text; in a picture puzzle every hint is instead the name of
a picture file (such as HORSE.BMP) in the library's pictures folder, which
is reshaped as the game's puzzle maker does. The library keeps Latin-1
characters only (the letters of Western European languages).

The game sees a change when it next starts or shows its folders again. A
change waits a few seconds for a game that is saving into the same library.
Exit status: 0 when the command did its work (check: the library is sound),
1 when it could not (check: a problem was found), 2 when the command line
is wrong. The forms "check DIR", "add DIR FILE" and "list DIR" still work.
)");

namespace Misuse {
inline constexpr const char* kPrefix = "lexiglade-library: %1";
inline constexpr const char* kNoCommand = QT_TRANSLATE_NOOP("LibraryCommand", "no command given");
inline constexpr const char* kUnknownCommand =
    QT_TRANSLATE_NOOP("LibraryCommand", "unknown command \"%1\"");
inline constexpr const char* kUnknownOption =
    QT_TRANSLATE_NOOP("LibraryCommand", "unknown option \"%1\"");
inline constexpr const char* kNoLibraryFolder =
    QT_TRANSLATE_NOOP("LibraryCommand", "--library needs the library's folder");
inline constexpr const char* kWrongCount =
    QT_TRANSLATE_NOOP("LibraryCommand", "wrong number of arguments for %1");
} // namespace Misuse

// A title, new title or folder typed on the command line that the library cannot store.
inline constexpr const char* kBeyondLatin1 = QT_TRANSLATE_NOOP(
    "LibraryCommand",
    "\"%1\" holds the character \"%2\" (%3), which the library cannot store: it keeps Latin-1 "
    "characters only");

namespace Check {
inline constexpr const char* kNoRecord =
    QT_TRANSLATE_NOOP("LibraryCommand", "There was no filing record to set aside");
inline constexpr const char* kSetAside = QT_TRANSLATE_NOOP(
    "LibraryCommand", "The filing record %1 was set aside with the files beside it in %2");
inline constexpr const char* kCleared = QT_TRANSLATE_NOOP(
    "LibraryCommand",
    "A filing had been cut short before it changed the library; its unfinished files were "
    "removed");
inline constexpr const char* kTidied = QT_TRANSLATE_NOOP(
    "LibraryCommand", "A filing had ended without removing its backups; its backups were removed");
inline constexpr const char* kFinished = QT_TRANSLATE_NOOP(
    "LibraryCommand", "A filing had been cut short after writing all its files; it was finished");
inline constexpr const char* kUndone = QT_TRANSLATE_NOOP(
    "LibraryCommand", "A filing had been cut short while replacing files; it was undone");
} // namespace Check

namespace List {
inline constexpr const char* kNotInLibrary =
    QT_TRANSLATE_NOOP("LibraryCommand", "(not in the library)");
// The word count, the best times without and with backward words.
//: Keep the tab: it separates the columns of the list.
inline constexpr const char* kPuzzle =
    QT_TRANSLATE_NOOP("LibraryCommand", "%1 words\tbest %2 / %3");
inline constexpr const char* kUnknown = "?";
inline constexpr const char* kNoSuchFolder =
    QT_TRANSLATE_NOOP("LibraryCommand", "There is no folder \"%1\" in the library");
} // namespace List

namespace Add {
inline constexpr const char* kFiled =
    QT_TRANSLATE_NOOP("LibraryCommand", "Filed \"%1\" in the folder \"%2\" (%3 words).");
inline constexpr const char* kWhere =
    QT_TRANSLATE_NOOP("LibraryCommand", "It is puzzle %1, on lines %2 to %3 of %4 and %5.");
// A refusal: the line, the file, the title, folder or word on that line, and why.
inline constexpr const char* kRefusal =
    QT_TRANSLATE_NOOP("LibraryCommand", "Line %1 of %2 (\"%3\"): %4");
inline constexpr const char* kMissingLine = QT_TRANSLATE_NOOP(
    "LibraryCommand",
    "Line %1 of %2 is missing: a puzzle file holds the title on its first line and the folder "
    "on its second.");
inline constexpr const char* kNoTab =
    QT_TRANSLATE_NOOP("LibraryCommand", "There is no tab between the word and its hint.");
inline constexpr const char* kNulByte = QT_TRANSLATE_NOOP("LibraryCommand", "It holds a NUL byte.");
inline constexpr const char* kBeyondLatin1 = QT_TRANSLATE_NOOP(
    "LibraryCommand",
    "It holds the character \"%1\" (%2), which the library cannot store: it keeps Latin-1 "
    "characters only.");
} // namespace Add

namespace Export {
inline constexpr const char* kWrote =
    QT_TRANSLATE_NOOP("LibraryCommand", "Wrote \"%1\" (%2 words) to %3.");
inline constexpr const char* kPictures = QT_TRANSLATE_NOOP(
    "LibraryCommand",
    "Its hints are pictures in %1; a library that adds the file needs them in its own "
    "pictures folder.");
} // namespace Export

namespace Remove {
inline constexpr const char* kRemoved =
    QT_TRANSLATE_NOOP("LibraryCommand", "Removed \"%1\" from the folder \"%2\".");
inline constexpr const char* kRemovedNoFolder =
    QT_TRANSLATE_NOOP("LibraryCommand", "Removed \"%1\" from the library.");
inline constexpr const char* kWhere = QT_TRANSLATE_NOOP(
    "LibraryCommand",
    "It was puzzle %1; lines %2 to %3 of %4 and %5, which held its words and hints, stay unused.");
} // namespace Remove

namespace Rename {
inline constexpr const char* kRenamed =
    QT_TRANSLATE_NOOP("LibraryCommand", "Renamed \"%1\" to \"%2\".");
inline constexpr const char* kRefused =
    QT_TRANSLATE_NOOP("LibraryCommand", "Cannot rename \"%1\" to \"%2\": %3");
inline constexpr const char* kWhere = Add::kWhere;
} // namespace Rename

namespace Move {
inline constexpr const char* kMoved =
    QT_TRANSLATE_NOOP("LibraryCommand", "Moved \"%1\" to the folder \"%2\".");
inline constexpr const char* kRefused =
    QT_TRANSLATE_NOOP("LibraryCommand", "Cannot move \"%1\" to the folder \"%2\": %3");
inline constexpr const char* kWhere = Add::kWhere;
} // namespace Move

} // namespace lexiglade::CommandTexts
