#include "platform/KnownMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <span>
#include <vector>

namespace lexiglade {

namespace {

constexpr const char* kContext = "KnownMessages";

struct KnownMessage {
    const char* source; // the English template, %1 to %9 standing for its arguments
    int reason = 0;     // the argument that is a message of its own, 0 for none
};

// Every text the layers below raise or report for the player, word for word as they make it. An
// argument that appears twice in the text is the same argument.
constexpr KnownMessage kKnownMessages[] = {
    // The library's files.
    {QT_TRANSLATE_NOOP("KnownMessages", "Cannot open file %1")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Cannot create file %1")},
    {QT_TRANSLATE_NOOP("KnownMessages", "List index out of bounds")},
    {QT_TRANSLATE_NOOP("KnownMessages", "'%1' is not a valid integer value")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Cannot read file %1: %2")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Cannot write file %1: %2"), 2},
    {QT_TRANSLATE_NOOP("KnownMessages", "it cannot be removed")},
    {QT_TRANSLATE_NOOP("KnownMessages", "File load error")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Line too long")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Puzzle \"%1\" is not in the library")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Cannot use file %1: it is a symbolic link")},
    {QT_TRANSLATE_NOOP("KnownMessages", "\"%1\" is not a plain file name of the library folder")},
    {QT_TRANSLATE_NOOP("KnownMessages", "The list %1 is damaged: it holds a NUL byte")},
    {QT_TRANSLATE_NOOP("KnownMessages", "The list %1 is damaged: it has %2 lines where %3 has %4")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "The library is in use by another program; try again in a moment")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Cannot write to the library folder %1: %2"), 2},
    {QT_TRANSLATE_NOOP("KnownMessages", "its lock file %1 is not a plain file")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "The library has a damaged filing record, %1, which was not acted on: "
                       "after looking at it, set it aside with \"lexiglade-library check "
                       "--discard-journal %2\" and file again")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "The interrupted filing recorded in %1 can be neither finished nor undone: "
                       "%2 has changed")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "The banks %1 and %2 are out of step: %1 has %3 lines where %2 has %4")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "The folder list %1 was changed by another program; please choose the "
                       "folder again")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Cannot create folder %1: %2")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Cannot read folder %1: %2")},
    // A puzzle refused by the filing, and the reasons.
    {QT_TRANSLATE_NOOP("KnownMessages", "The puzzle \"%1\" cannot be filed: %2"), 2},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "its title begins with a space or holds a control character")},
    {QT_TRANSLATE_NOOP("KnownMessages", "it has %1 words and %2 hints")},
    {QT_TRANSLATE_NOOP("KnownMessages", "word %1 is empty")},
    {QT_TRANSLATE_NOOP("KnownMessages", "word %1 holds a control character")},
    {QT_TRANSLATE_NOOP("KnownMessages", "hint %1 is empty")},
    {QT_TRANSLATE_NOOP("KnownMessages", "hint %1 holds a control character")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "its first hint holds a full stop, so the game takes its hints for "
                       "pictures, and hint %1 names no picture of %2")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "the name of its new folder is empty, begins with a space or holds a "
                       "control character")},
    // A removal, renaming, move or export the library refuses, and the reasons.
    {QT_TRANSLATE_NOOP("KnownMessages", "The puzzle \"%1\" cannot be changed: %2"), 2},
    {QT_TRANSLATE_NOOP("KnownMessages", "another puzzle of the library has the same title")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "its new title is empty, begins with a space or holds a control character")},
    {QT_TRANSLATE_NOOP("KnownMessages", "a puzzle of the library has its new title already")},
    {QT_TRANSLATE_NOOP("KnownMessages", "The puzzle \"%1\" is under no folder of the tree")},
    // A filing whose new files, read back, do not hold what it planned.
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "%1 (found when the filing was read back before it was committed; the "
                       "library was left as it is)"),
     1},
    {QT_TRANSLATE_NOOP("KnownMessages", "Line %1 of %2 is %3 where the new puzzle needs %4")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "The puzzle %1 (line %2 of %3) already points into lines %4 to %5 of %6 "
                       "and %7")},
    {QT_TRANSLATE_NOOP("KnownMessages", "The new puzzle %1 has no line in %2")},
    {QT_TRANSLATE_NOOP("KnownMessages", "The new puzzle %1 cannot be loaded: %2"), 2},
    {QT_TRANSLATE_NOOP("KnownMessages", "The title %1 loads the puzzle on line %2 of %3")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "The new puzzle %1 loads other words or hints than it was given")},
    // The stages of a filing, shown while it runs.
    {QT_TRANSLATE_NOOP("KnownMessages", "Updating Folder List")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Updating Master")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Saving Puzzle Word and Hint Lists")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Saving File Pointers")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Saving Position Pointers")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Saving Time Database")},
    // The game: its clock, the best-time report and a puzzle the grid cannot hold.
    {QT_TRANSLATE_NOOP("KnownMessages", "Elapsed: %1")},
    {QT_TRANSLATE_NOOP("KnownMessages",
                       "Time taken: %1... Previous best was %2... Recording new record.")},
    {QT_TRANSLATE_NOOP(
        "KnownMessages",
        "Time taken: %1... Previous best was %2...You did not beat the old record.")},
    {QT_TRANSLATE_NOOP("KnownMessages", "The words of this puzzle do not fit in the grid")},
    // Pictures and printers.
    {QT_TRANSLATE_NOOP("KnownMessages", "Bitmap image is not valid")},
    {QT_TRANSLATE_NOOP("KnownMessages", "There is no default printer currently selected")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Printer selected is not valid")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Printer is not currently printing")},
    {QT_TRANSLATE_NOOP("KnownMessages", "Printing in progress")},
};

// The problems a check of a library reports, one a line, each a known message of its own or one
// of these. They are tried after the known messages, which their last would otherwise hide.
constexpr const char* kProblemContext = "LibraryCheck";
constexpr KnownMessage kCheckProblems[] = {
    {QT_TRANSLATE_NOOP("LibraryCheck", "Puzzle \"%1\" (line %2 of %3): %4"), 4},
    {QT_TRANSLATE_NOOP("LibraryCheck", "its banks %1 and %2 are not a pair")},
    {QT_TRANSLATE_NOOP(
        "LibraryCheck",
        "its first hint \"%1\" holds a full stop, so the game takes its text hints for pictures")},
    {QT_TRANSLATE_NOOP("LibraryCheck", "its picture %1 is missing")},
    {QT_TRANSLATE_NOOP("LibraryCheck",
                       "its lines %1 to %2 lie outside its banks (%3 has %4 lines, %5 has %6)")},
    {QT_TRANSLATE_NOOP("LibraryCheck", "its hint %1 (line %2 of %3) is empty")},
    {QT_TRANSLATE_NOOP("LibraryCheck", "Puzzle \"%1\" (line %2 of %3) is under no folder of %4")},
    {QT_TRANSLATE_NOOP("LibraryCheck", "Puzzle \"%1\" (line %2 of %3) is not in %4")},
    {QT_TRANSLATE_NOOP("LibraryCheck",
                       "Best time \"%1\" (line %2 of %3) is not a whole number of seconds")},
    //: The library's folder list (a file) and why it cannot be read.
    {QT_TRANSLATE_NOOP("LibraryCheck", "%1: %2"), 2},
};

constexpr int kMostArguments = 9;

// A known message as a pattern that matches the texts made from it and captures the arguments.
struct MessagePattern {
    const char* context = nullptr;
    const KnownMessage* known = nullptr;
    QRegularExpression pattern;
    std::array<int, kMostArguments + 1> group{}; // the capture of argument n, 0 when unused
};

const QRegularExpression& Placeholder() {
    static const QRegularExpression kPlaceholder(QStringLiteral("%([1-9])"));
    return kPlaceholder;
}

MessagePattern Compile(const char* context, const KnownMessage& known) {
    MessagePattern compiled{context, &known, {}, {}};
    const QString source = QString::fromUtf8(known.source);
    QString pattern = QStringLiteral("\\A");
    int groups = 0;
    qsizetype copied = 0;
    for (auto it = Placeholder().globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch argument = it.next();
        pattern +=
            QRegularExpression::escape(source.mid(copied, argument.capturedStart() - copied));
        int& group = compiled.group[static_cast<std::size_t>(argument.captured(1).toInt())];
        if (group == 0) {
            group = ++groups;
            pattern += QStringLiteral("(.*?)");
        } else {
            pattern += QStringLiteral("\\%1").arg(group); // the same argument again
        }
        copied = argument.capturedEnd();
    }
    pattern += QRegularExpression::escape(source.mid(copied)) + QStringLiteral("\\z");
    compiled.pattern.setPattern(pattern);
    compiled.pattern.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
    return compiled;
}

// The known messages' patterns, followed by the check's problems' when `problems`.
std::span<const MessagePattern> Patterns(bool problems) {
    static const std::vector<MessagePattern> kPatterns = [] {
        std::vector<MessagePattern> compiled;
        for (const KnownMessage& known : kKnownMessages) {
            compiled.push_back(Compile(kContext, known));
        }
        for (const KnownMessage& known : kCheckProblems) {
            compiled.push_back(Compile(kProblemContext, known));
        }
        return compiled;
    }();
    return std::span(kPatterns).first(problems ? kPatterns.size() : std::size(kKnownMessages));
}

// `text` with %n replaced by argument n in one pass, so that an argument is never read again.
QString Fill(const QString& text, const QStringList& arguments) {
    QString filled;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() && text[i] == '%' ? text[i + 1].digitValue() : -1;
        if (n >= 1 && n <= arguments.size()) {
            filled += arguments[n - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

QString Translated(const QString& text, bool problems) {
    for (const MessagePattern& known : Patterns(problems)) {
        const QRegularExpressionMatch match = known.pattern.match(text);
        if (!match.hasMatch()) {
            continue;
        }
        QStringList arguments;
        for (int n = 1; n <= kMostArguments && known.group[static_cast<std::size_t>(n)] != 0; ++n) {
            const QString argument = match.captured(known.group[static_cast<std::size_t>(n)]);
            arguments += n == known.known->reason ? Translated(argument, problems) : argument;
        }
        return Fill(QCoreApplication::translate(known.context, known.known->source), arguments);
    }
    return text;
}

} // namespace

QString TranslatedMessage(std::string_view english) {
    return Translated(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())),
                      false);
}

QString TranslatedProblem(std::string_view english) {
    return Translated(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())),
                      true);
}

} // namespace lexiglade
