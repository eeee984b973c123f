#include "LibraryMaker.h"
#include "TempFolder.h"

#include "library/Append.h"
#include "library/AppendPlan.h"
#include "library/AtomicFile.h"
#include "library/FileBatch.h"
#include "library/Journal.h"
#include "library/LibraryCheck.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace lexiglade::test {
namespace {

const std::vector<JournalEntry> kEntries = {
    {"a7.asl", ".lexiglade-new-a7.asl", ".lexiglade-old-a7.asl", {12, 0xabcdef}, {9, 0x1234}},
    {"b3.asl", ".lexiglade-new-b3.asl", std::nullopt, {300, 0xffffffffffffffffu}, {}},
};

TEST(JournalTest, ARecordReadsBackAsWritten) {
    const std::string text = FormatJournal(kEntries);
    EXPECT_EQ(ParseJournal(text), kEntries);
    EXPECT_EQ(ParseJournal(FormatJournal({})), std::vector<JournalEntry>{});
    EXPECT_NE(DigestOf("abc"), DigestOf("abd"));
    EXPECT_NE(DigestOf(std::string("a\0", 2)), DigestOf("a"));
}

TEST(JournalTest, AnIncompleteOrForeignRecordIsNotTaken) {
    const std::string text = FormatJournal(kEntries);
    const std::string entry =
        text.substr(text.find('\n') + 1, text.find('\n', text.find('\n') + 1) - text.find('\n'));
    const std::pair<const char*, std::string> table[] = {
        {"cut before its end line", text.substr(0, text.rfind("end"))},
        {"cut inside an entry", text.substr(0, text.size() / 2)},
        {"empty", ""},
        {"another header", "Lexiglade filing journal 2" + text.substr(text.find('\n'))},
        {"a target outside the folder", "Lexiglade filing journal 1\nreplace\t../a7.asl\tx\t"
                                        "did not exist\t1\t1\t0\t0\nend\n"},
        {"a backup outside the folder", "Lexiglade filing journal 1\nreplace\ta7.asl\tx\t/tmp/y\t"
                                        "1\t1\t1\t1\nend\n"},
        {"a size that is no number", "Lexiglade filing journal 1\nreplace\ta7.asl\tx\t"
                                     "did not exist\t1x\t1\t0\t0\nend\n"},
        {"a field missing", "Lexiglade filing journal 1\nreplace\ta7.asl\tx\t1\t1\t0\t0\nend\n"},
        {"a NUL", text + std::string(1, '\0')},
    };
    ASSERT_FALSE(entry.empty());
    for (const auto& [name, bytes] : table) {
        EXPECT_FALSE(ParseJournal(bytes).has_value()) << name;
    }
}

// Kills the process at its `killAt`-th file step, as a crash or power cut would stop it.
int killAt = 0;
int stepsTaken = 0;
int KillAtStep(ReplaceStep) {
    if (++stepsTaken == killAt) {
        ::raise(SIGKILL);
    }
    return 0;
}

// Files `puzzle` in a child process killed at its `step`-th file step (never, for 0).
void FileInAChildKilledAt(const std::string& dataDir, const NewPuzzle& puzzle, int step) {
    const pid_t child = ::fork();
    if (child == 0) {
        killAt = step;
        stepsTaken = 0;
        SetReplaceFaultHook(KillAtStep);
        try {
            AppendPuzzleToFolder(dataDir, puzzle, "Folder 0", {});
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(step == 0 || stepsTaken < step ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (step == 0) {
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    } else {
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "step " << step;
    }
}

int CountSteps(const std::string& dataDir, const NewPuzzle& puzzle) {
    static int counted = 0;
    counted = 0;
    SetReplaceFaultHook([](ReplaceStep) {
        ++counted;
        return 0;
    });
    AppendPuzzleToFolder(dataDir, puzzle, "Folder 0", {});
    SetReplaceFaultHook(nullptr);
    return counted;
}

// Kills a filing into a library whose last pair has room at each of its file steps in turn.
void ExpectEveryKillToLeaveTheLibraryBeforeOrAfter() {
    const test::MemoryTempDir memory;
    const TempFolder library;
    MakeLibrary(library.Path(), 120, 15); // its last pair has room: banks grow and lists grow
    const FileSnapshot before = SnapshotFiles(library.Path());
    const NewPuzzle puzzle = MakePuzzle("Killed", 17);
    const int steps = CountSteps(library.Path(), puzzle);
    const FileSnapshot after = SnapshotFiles(library.Path());
    ASSERT_NE(after, before);
    std::map<Recovery, int> recoveries;
    int firstAfter = 0;
    for (int step = 1; step <= steps; ++step) {
        test::RestoreFiles(library.Path(), before);
        FileInAChildKilledAt(library.Path(), puzzle, step);
        recoveries[FinishInterruptedFiling(library.Path())]++;
        const FileSnapshot now = SnapshotFiles(library.Path());
        EXPECT_TRUE(now == before || now == after) << "killed at step " << step;
        EXPECT_EQ(LibraryProblems(library.Path()), std::vector<std::string>{}) << step;
        if (now == after && firstAfter == 0) {
            firstAfter = step;
        }
        if (firstAfter != 0) {
            EXPECT_EQ(now, after) << "once the journal is written the puzzle is filed: " << step;
        }
    }
    EXPECT_GT(firstAfter, 1);
    EXPECT_GT(recoveries[Recovery::Cleared], 0);  // killed while writing the new files
    EXPECT_GT(recoveries[Recovery::Finished], 0); // killed after the journal
    EXPECT_EQ(recoveries[Recovery::Undone], 0);   // a whole journal is always finished
}

TEST(JournalTest, AKillAtAnyFileStepLeavesTheLibraryWhollyBeforeOrAfterThePuzzle) {
    ExpectEveryKillToLeaveTheLibraryBeforeOrAfter();
}

TEST(JournalTest, ListsGrownInPlaceAreWhollyBeforeOrAfterAKillAtAnyStep) {
    SetAppendInPlaceFrom(0);
    ExpectEveryKillToLeaveTheLibraryBeforeOrAfter();
    SetAppendInPlaceFrom(kAppendInPlaceFrom);
}

TEST(JournalTest, AnAppendRecordReadsBackAndADamagedOneIsNotTaken) {
    JournalEntry append{"a8.asl", "", std::nullopt, DigestOf("New\r\n"), DigestOf("Old\r\n")};
    append.appendAt = 5;
    append.appended = "New\r\n";
    const std::string text = FormatJournal({append});
    EXPECT_EQ(ParseJournal(text), std::vector<JournalEntry>{append});
    const std::string hex = "4e65770d0a"; // "New\r\n"
    ASSERT_NE(text.find(hex), std::string::npos);
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string changed = text;
        return changed.replace(changed.find(from), from.size(), to);
    };
    for (const std::string& damaged : {replaced(hex, "4e65780d0a"), replaced(hex, "4e65770d0"),
                                       replaced("a8.asl", "a3.asl"), replaced("\t5\t", "\t4\t")}) {
        EXPECT_FALSE(ParseJournal(damaged).has_value()) << damaged;
    }
}

TEST(JournalTest, AFilingCutShortIsUndoneWhenItsNewFilesAreGone) {
    const TempFolder library;
    MakeLibrary(library.Path(), 30, 15);
    const FileSnapshot before = SnapshotFiles(library.Path());
    const NewPuzzle puzzle = MakePuzzle("Half", 15);
    const int steps = CountSteps(library.Path(), puzzle);
    test::RestoreFiles(library.Path(), before);
    // Killed at the last rename but two: most files replaced, two new files still staged.
    int renames = 0;
    int killStep = 0;
    static std::vector<ReplaceStep> seen;
    seen.clear();
    SetReplaceFaultHook([](ReplaceStep step) {
        seen.push_back(step);
        return 0;
    });
    AppendPuzzleToFolder(library.Path(), puzzle, "Folder 0", {});
    SetReplaceFaultHook(nullptr);
    ASSERT_EQ(static_cast<int>(seen.size()), steps);
    for (int i = 0; i < steps; ++i) {
        if (seen[static_cast<std::size_t>(i)] == ReplaceStep::Rename && ++renames == 10) {
            killStep = i + 1; // the journal's rename comes first, then ten files
        }
    }
    ASSERT_NE(killStep, 0);
    test::RestoreFiles(library.Path(), before);
    FileInAChildKilledAt(library.Path(), puzzle, killStep);
    ASSERT_TRUE(HasFilingLeftovers(library.Path()));
    for (const auto& [name, bytes] : SnapshotFiles(library.Path())) {
        if (name.rfind(kStagedPrefix, 0) == 0) {
            std::filesystem::remove(library / name); // the new files are lost
        }
    }
    EXPECT_EQ(FinishInterruptedFiling(library.Path()), Recovery::Undone);
    EXPECT_EQ(SnapshotFiles(library.Path()), before);
}

TEST(JournalTest, AJournalThatCannotBeSettledIsLeftWithEverythingItNames) {
    const TempFolder library;
    MakeLibrary(library.Path(), 30, 15);
    const FileSnapshot before = SnapshotFiles(library.Path());
    // Killed right after the journal and the first rename.
    static std::vector<ReplaceStep> seen;
    seen.clear();
    SetReplaceFaultHook([](ReplaceStep step) {
        seen.push_back(step);
        return 0;
    });
    AppendPuzzleToFolder(library.Path(), MakePuzzle("Stuck", 15), "Folder 0", {});
    SetReplaceFaultHook(nullptr);
    int killStep = 0;
    for (std::size_t i = 0, renames = 0; i < seen.size(); ++i) {
        if (seen[i] == ReplaceStep::Rename && ++renames == 3) {
            killStep = static_cast<int>(i) + 1; // the journal, "a7.asl", then "a8.asl"
        }
    }
    test::RestoreFiles(library.Path(), before);
    FileInAChildKilledAt(library.Path(), MakePuzzle("Stuck", 15), killStep);
    // Someone changes the tree and throws away its backup and the last new file.
    WriteBytes(library / "a7.asl", "Changed\r\n");
    std::filesystem::remove(library / ".lexiglade-old-a7.asl");
    std::filesystem::remove(library / ".lexiglade-new-a15.asl");
    const FileSnapshot stuck = SnapshotFiles(library.Path());
    EXPECT_EQ(ErrorOf([&] { FinishInterruptedFiling(library.Path()); }),
              "The interrupted filing recorded in " + library / kJournalName +
                  " can be neither finished nor undone: " + library / "a7.asl" + " has changed");
    EXPECT_EQ(SnapshotFiles(library.Path()), stuck);

    WriteBytes(library / kJournalName, "Lexiglade filing journal 1\nreplace\ta7.asl\n");
    const FileSnapshot damaged = SnapshotFiles(library.Path());
    EXPECT_EQ(
        ErrorOf([&] { AppendPuzzleToFolder(library.Path(), MakePuzzle("Next", 15), "New", {}); }),
        "The library has a damaged filing record, " + library / kJournalName +
            ", which was not acted on: after looking at it, set it aside with \"lexiglade-library "
            "check --discard-journal " +
            library.Path() + "\" and file again");
    EXPECT_EQ(SnapshotFiles(library.Path()), damaged);
}

TEST(JournalTest, AJournalNoFilingCouldHaveWrittenIsNeverActedOn) {
    const TempFolder library;
    MakeLibrary(library.Path(), 3, 15);
    WriteBytes(library / "lexiglade", "the program");
    WriteBytes(library / "a3.asl", "the board picture");
    WriteBytes(library / "notes.txt", "the player's own");
    const std::string a8 = ReadBytes(library / "a8.asl");
    // Undone, it would remove `name`, which holds what it claims to have written; a8.asl cannot
    // be finished but can be undone.
    const auto removing = [&](const std::string& name) {
        return FormatJournal(
            {{name, kStagedPrefix + name, std::nullopt, DigestOf(ReadBytes(library / name)), {}},
             {"a8.asl", ".lexiglade-new-a8.asl", ".lexiglade-old-a8.asl", DigestOf("never written"),
              DigestOf(a8)}});
    };
    const std::string twice = removing("a8.asl");
    const std::pair<const char*, std::string> table[] = {
        {"the program", removing("lexiglade")},
        {"the board picture", removing("a3.asl")},
        {"an unknown file", removing("notes.txt")},
        {"another file as the new content",
         FormatJournal({{"a9.asl", "lexiglade", std::nullopt, DigestOf("the program"), {}}})},
        {"one file twice", twice},
        {"more than any journal holds", FormatJournal({})},
    };
    const std::string path = library / kJournalName;
    const std::string damaged = "The library has a damaged filing record, " + path +
                                ", which was not acted on: after looking at it, set it aside "
                                "with \"lexiglade-library check --discard-journal " +
                                library.Path() + "\" and file again";
    const FileSnapshot before = SnapshotFiles(library.Path());
    for (const auto& [what, journal] : table) {
        WriteBytes(path, journal);
        if (journal == FormatJournal({})) {
            ASSERT_EQ(::truncate(path.c_str(), off_t{1} << 40), 0);
        }
        const auto size = std::filesystem::file_size(path);
        EXPECT_EQ(ErrorOf([&] { FinishInterruptedFiling(library.Path()); }), damaged) << what;
        EXPECT_EQ(ErrorOf([&] {
                      AppendPuzzleToFolder(library.Path(), MakePuzzle("New", 15), "Folder 0", {});
                  }),
                  damaged)
            << what;
        EXPECT_EQ(std::filesystem::file_size(path), size) << what;
        std::filesystem::remove(path);
        EXPECT_EQ(SnapshotFiles(library.Path()), before) << what;
    }
    WriteBytes(path, table[0].second);
    const std::string aside = DiscardJournal(library.Path());
    EXPECT_EQ(aside.rfind(library / "discarded-filing-", 0), 0u) << aside;
    EXPECT_TRUE(std::filesystem::exists(aside + kJournalName));
    EXPECT_EQ(FinishInterruptedFiling(library.Path()), Recovery::Nothing);
    EXPECT_EQ(ReadBytes(library / "lexiglade"), "the program");
    EXPECT_EQ(DiscardJournal(library.Path()), "");
}

TEST(JournalTest, LeftoversWithoutAJournalAreRemovedAndNothingElse) {
    const TempFolder library;
    MakeLibrary(library.Path(), 5, 15);
    const FileSnapshot before = SnapshotFiles(library.Path());
    EXPECT_EQ(FinishInterruptedFiling(library.Path()), Recovery::Nothing);
    WriteBytes(library / ".lexiglade-new-a8.asl", "half a list");
    WriteBytes(library / ".lexiglade-new-Xy12Za", "a temporary file");
    WriteBytes(library / ".lexiglade-old-b1.asl", "a backup no journal needs");
    WriteBytes(library / "notes.txt", "the player's own");
    EXPECT_EQ(FinishInterruptedFiling(library.Path()), Recovery::Cleared);
    FileSnapshot expected = before;
    expected["notes.txt"] = "the player's own";
    EXPECT_EQ(SnapshotFiles(library.Path()), expected);
}

} // namespace
} // namespace lexiglade::test
