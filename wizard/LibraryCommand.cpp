#include "wizard/LibraryCommand.h"

#include "library/Append.h"
#include "library/Folders.h"
#include "library/Latin1.h"
#include "library/ListScan.h"
#include "library/Paths.h"
#include "library/PuzzleText.h"
#include "library/TextList.h"
#include "wizard/LibraryCommandParts.h"
#include "wizard/LibraryCommandTexts.h"
#include "wizard/Validation.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <ostream>

namespace lexiglade {

namespace {

namespace Texts = CommandTexts;

constexpr std::string_view kLibraryOption = "--library";
constexpr std::string_view kVerboseOption = "--verbose";
constexpr std::string_view kDiscardJournalOption = "--discard-journal";
constexpr std::string_view kEndOfOptions = "--";

struct CommandLine {
    std::string command;
    std::vector<std::string> words; // after the command's name
    std::optional<std::string> library;
    bool verbose = false;
    bool discardJournal = false;
};

// How many words each command takes after its name; check, add and list also take the
// library's folder as their first word, as they did before --library.
struct CommandShape {
    std::string_view name;
    std::size_t least;
    std::size_t most;
    bool folderFirst;
};
constexpr CommandShape kShapes[] = {
    {"check", 0, 0, true},   {"add", 1, 1, true},     {"list", 0, 1, true},
    {"export", 1, 2, false}, {"remove", 1, 1, false}, {"rename", 2, 2, false},
    {"move", 2, 2, false},
};

int Misused(std::ostream& err, const std::string& why) {
    err << FillText(Texts::Misuse::kPrefix, {why}) << "\n" << CommandText(Texts::kUsage);
    return kCommandMisused;
}

// The options and words of the command line; a refusal's text when it cannot be read.
std::optional<std::string> ReadCommandLine(const std::vector<std::string>& args,
                                           CommandLine& line) {
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options && arg == kEndOfOptions) {
            options = false;
        } else if (options && arg == kVerboseOption) {
            line.verbose = true;
        } else if (options && arg == kDiscardJournalOption) {
            line.discardJournal = true;
        } else if (options && arg.starts_with(std::string(kLibraryOption) + "=")) {
            line.library = arg.substr(kLibraryOption.size() + 1);
        } else if (options && arg == kLibraryOption) {
            if (++i == args.size()) {
                return CommandText(Texts::Misuse::kNoLibraryFolder);
            }
            line.library = args[i];
        } else if (options && arg.starts_with("--")) {
            return CommandText(Texts::Misuse::kUnknownOption, {arg});
        } else if (line.command.empty()) {
            line.command = arg;
        } else {
            line.words.push_back(arg);
        }
    }
    if (line.command.empty()) {
        return CommandText(Texts::Misuse::kNoCommand);
    }
    return std::nullopt;
}

bool IsFolderOnDisk(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// Takes the library's folder from the first word where the command allows it and the count of
// words (or, for list, the folder on disk) says it is one; the refusal's text when the words do
// not fit the command.
std::optional<std::string> PlaceWords(const CommandShape& shape, CommandLine& line) {
    const bool fromWords = !line.library && shape.folderFirst && !line.words.empty() &&
                           (line.words.size() > shape.most ||
                            (shape.name == "list" && IsFolderOnDisk(line.words.front())));
    if (fromWords) {
        line.library = line.words.front();
        line.words.erase(line.words.begin());
    }
    const bool discardFits = !line.discardJournal || shape.name == "check";
    if (line.words.size() < shape.least || line.words.size() > shape.most || !discardFits) {
        return CommandText(Texts::Misuse::kWrongCount, {line.command});
    }
    return std::nullopt;
}

// The word at `index`, when there is one.
std::optional<std::string> WordAt(const std::vector<std::string>& words, std::size_t index) {
    return index < words.size() ? std::optional(words[index]) : std::nullopt;
}

int Run(const std::string& name, const CommandContext& context, const CommandLine& line) {
    const std::vector<std::string>& words = line.words;
    if (name == "check") {
        return CheckCommand(context, line.discardJournal);
    }
    if (name == "list") {
        return ListCommand(context, WordAt(words, 0));
    }
    if (name == "add") {
        return AddCommand(context, words[0]);
    }
    if (name == "export") {
        return ExportCommand(context, words[0], WordAt(words, 1));
    }
    if (name == "remove") {
        return RemoveCommand(context, words[0]);
    }
    return name == "rename" ? RenameCommand(context, words[0], words[1])
                            : MoveCommand(context, words[0], words[1]);
}

int Dispatch(const std::vector<std::string>& args, const DataFolders& defaults, std::ostream& out,
             std::ostream& err) {
    CommandLine line;
    if (const std::optional<std::string> wrong = ReadCommandLine(args, line)) {
        return Misused(err, *wrong);
    }
    const auto shape = std::find_if(std::begin(kShapes), std::end(kShapes),
                                    [&](const CommandShape& s) { return s.name == line.command; });
    if (shape == std::end(kShapes)) {
        return Misused(err, CommandText(Texts::Misuse::kUnknownCommand, {line.command}));
    }
    if (const std::optional<std::string> wrong = PlaceWords(*shape, line)) {
        return Misused(err, *wrong);
    }
    DataFolders folders = defaults;
    if (line.library) {
        // Written as the game writes its own folders, so that the same folder compares equal.
        folders.dataDir = DirectoryForm(*line.library);
    } else {
        FillPlayerFolder(defaults); // a new player's library, started as the game starts it
    }
    const CommandContext context{folders, line.verbose, out, err};
    return Run(line.command, context, line);
}

} // namespace

std::string FillText(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const bool numbered = text[i] == '%' && next >= '1' && next <= '9';
        const auto n = static_cast<std::size_t>(numbered ? next - '1' : 0);
        if (numbered && n < values.size()) {
            filled += *(values.begin() + n);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::optional<std::string> TypedLibraryText(const CommandContext& context,
                                            const std::string& typed) {
    char32_t beyond = 0;
    std::optional<std::string> text = TypedTextToLatin1(typed, beyond);
    if (!text) {
        context.err << CommandText(Texts::kBeyondLatin1,
                                   {typed, EncodeUtf8(beyond), CodePointText(beyond)})
                    << "\n";
    }
    return text;
}

bool LibraryHoldsTitle(const std::filesystem::path& dataDir, const std::string& title) {
    return FirstLineEqual(dataDir / kMasterList, title).has_value();
}

const char* NewFolderRefusal(const std::filesystem::path& dataDir, const std::string& folder) {
    // A folder's line is the first line equal to its name, when that name begins as a folder's.
    if (FirstLineEqual(dataDir / kTreeFile, folder) && IsFolderLine(folder)) {
        return nullptr;
    }
    if (BreaksTree(folder, true)) {
        return kFolderNameBreaksTree;
    }
    return HoldsControlCharacter(folder) ? kFolderNameControl : nullptr;
}

int RunLibraryCommand(const std::vector<std::string>& args, const DataFolders& defaults,
                      std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--help") {
        out << CommandText(Texts::kUsage);
        return kCommandSucceeded;
    }
    try {
        return Dispatch(args, defaults, out, err);
    } catch (const std::exception& error) {
        err << ErrorMessage(error) << "\n";
        return kCommandFailed;
    }
}

} // namespace lexiglade
