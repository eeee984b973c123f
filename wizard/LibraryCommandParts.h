#pragma once
// The library command's commands, each run once its command line has been read.
#include "library/DataFolder.h"

#include <exception>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace lexiglade {

struct CommandContext {
    DataFolders folders; // the library worked on, and the shipped files for what it lacks
    bool verbose = false;
    std::ostream& out;
    std::ostream& err;
};

// `text` with %1, %2, ... replaced by the values in order.
std::string FillText(std::string_view text, std::initializer_list<std::string_view> values);

// `text`, one of CommandTexts, in the player's language (UTF-8), filled with the values.
std::string CommandText(const char* text, std::initializer_list<std::string_view> values = {});

// An error of the library or the picture files, or a problem a check of the library found, in the
// player's language (UTF-8).
std::string ErrorMessage(const std::exception& error);
std::string ProblemMessage(const std::string& problem);

// The text typed on the command line in Latin-1, as the library keeps it; none, with the refusal
// printed, when it holds a character beyond Latin-1.
std::optional<std::string> TypedLibraryText(const CommandContext& context,
                                            const std::string& typed);

// Whether a line of the library's titles is `title`, read a piece at a time.
bool LibraryHoldsTitle(const std::filesystem::path& dataDir, const std::string& title);

// The puzzle maker's refusal of a new folder's name (kFolderNameBreaksTree, kFolderNameControl);
// none for a name it accepts or a folder the library's tree has.
const char* NewFolderRefusal(const std::filesystem::path& dataDir, const std::string& folder);

int CheckCommand(const CommandContext& context, bool discardJournal);
int ListCommand(const CommandContext& context, const std::optional<std::string>& folder);
int AddCommand(const CommandContext& context, const std::string& file);
int ExportCommand(const CommandContext& context, const std::string& title,
                  const std::optional<std::string>& file);
int RemoveCommand(const CommandContext& context, const std::string& title);
int RenameCommand(const CommandContext& context, const std::string& title,
                  const std::string& newTitle);
int MoveCommand(const CommandContext& context, const std::string& title, const std::string& folder);

} // namespace lexiglade
