// Filing a new puzzle into a library of 100,000 puzzles: the reads, the bank-pair search from the
// first pair upward and the ten synced file replacements.
#include "LibraryFixture.h"
#include "library/Append.h"
#include "library/Folders.h"
#include "library/LibraryFiles.h"
#include "library/TextList.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace lexiglade::bench {
namespace {

constexpr std::array<const char*, 8> kLists = {
    LibraryFiles::kFolderTree,     LibraryFiles::kTitles,           LibraryFiles::kWordBanks,
    LibraryFiles::kHintBanks,      LibraryFiles::kFirstBankLines,   LibraryFiles::kLastBankLines,
    LibraryFiles::kPlainBestTimes, LibraryFiles::kBackwardBestTimes};

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string BankName(std::size_t number) {
    std::string name = "b";
    name += std::to_string(number);
    name += ".asl";
    return name;
}

// A generated library, optionally with further full bank pairs after its own, and the files that
// filing changes, kept so that every run starts from the same library.
class FilingLibrary {
  public:
    explicit FilingLibrary(std::size_t bankPairs) : files_(WriteLibrary(dir_.prefix(), {})) {
        const std::string full = FullBank();
        // Every pair full, the generated last one included, so that the search walks them all.
        for (std::size_t pair = files_.bankPairs; pair <= bankPairs; ++pair) {
            WriteBytes(Path(BankName(2 * pair - 1)), full);
            WriteBytes(Path(BankName(2 * pair)), full);
        }
        pairs_ = std::max(bankPairs, files_.bankPairs);
        for (const char* name : kLists) {
            kept_[name] = ReadFileBytes(Path(name));
        }
        for (const std::string& bank : {BankName(2 * pairs_ - 1), BankName(2 * pairs_)}) {
            kept_[bank] = ReadFileBytes(Path(bank));
        }
        TextList tree = ParseList(kept_[LibraryFiles::kFolderTree]);
        PlaceUnderFolder(tree, FolderLineTable(tree).back(), "Freshly Made Puzzle");
        TextMaker maker(99);
        puzzle_ = {"Freshly Made Puzzle", Memo(MakeWords(maker, 20, 4, 21)),
                   Memo(TextList(20, maker.Hint())), FormatList(tree)};
    }

    const std::string& DataDir() const { return files_.dataDir; }
    const NewPuzzle& Puzzle() const { return puzzle_; }
    std::size_t Pairs() const { return pairs_; }

    // Puts back every file a filing changed and removes a pair it started.
    void Restore() const {
        for (const auto& [name, bytes] : kept_) {
            WriteBytes(Path(name), bytes);
        }
        std::error_code error;
        std::filesystem::remove(Path(BankName(2 * pairs_ + 1)), error);
        std::filesystem::remove(Path(BankName(2 * pairs_ + 2)), error);
        ::sync(); // a library at rest: no earlier writes left for the filing's syncs to flush
    }

  private:
    std::string Path(const std::string& name) const { return files_.dataDir + name; }
    static std::string FullBank() {
        TextMaker maker(7);
        return FormatList(MakeWords(maker, 1510, 4, 12));
    }
    static std::string Memo(const TextList& lines) {
        std::string text = FormatList(lines);
        text.resize(text.size() - 2);
        return text;
    }

    ScratchDir dir_;
    GeneratedLibrary files_;
    std::size_t pairs_ = 0;
    std::map<std::string, std::string> kept_;
    NewPuzzle puzzle_;
};

void FileOnePuzzle(benchmark::State& state, const FilingLibrary& library) {
    FiledPuzzle filed;
    for (auto _ : state) {
        filed = AppendPuzzle(library.DataDir(), library.Puzzle(), [](const std::string&) {});
        state.PauseTiming();
        library.Restore();
        state.ResumeTiming();
    }
    state.counters["bankPairs"] = static_cast<double>(library.Pairs());
    state.counters["puzzleIndex"] = static_cast<double>(filed.puzzleIndex);
}

void BM_AppendPuzzle_100000Puzzles(benchmark::State& state) {
    static const FilingLibrary kLibrary(0); // just the pairs the generated puzzles fill
    FileOnePuzzle(state, kLibrary);
}
BENCHMARK(BM_AppendPuzzle_100000Puzzles)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_AppendPuzzle_100000Puzzles_4000FullPairs(benchmark::State& state) {
    static const FilingLibrary kLibrary(4000);
    FileOnePuzzle(state, kLibrary);
}
BENCHMARK(BM_AppendPuzzle_100000Puzzles_4000FullPairs)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace lexiglade::bench
