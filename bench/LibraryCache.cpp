#include "LibraryCache.h"

#include "ChildProcess.h"
#include "LibraryFixture.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <stdexcept>

namespace lexiglade::bench {

namespace fs = std::filesystem;

namespace {

// Written last into a library that passed the check; a change of the generator raises it.
constexpr const char* kStampName = "bench-library.stamp";
constexpr int kGeneratorVersion = 1;

struct Stamp {
    std::size_t puzzles = 0;
    std::size_t lastPuzzleItem = 0;
    int generator = 0;
};

void WriteStamp(const fs::path& path, const Stamp& stamp) {
    std::ofstream(path) << "puzzles " << stamp.puzzles << " last-item " << stamp.lastPuzzleItem
                        << " generator " << stamp.generator << "\n";
}

std::optional<Stamp> ReadStamp(const fs::path& path) {
    std::ifstream in(path);
    std::string puzzles, lastItem, generator;
    Stamp stamp;
    if (in >> puzzles >> stamp.puzzles >> lastItem >> stamp.lastPuzzleItem >> generator >>
        stamp.generator) {
        return stamp;
    }
    return std::nullopt;
}

void MakeReadOnly(const fs::path& folder) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        fs::permissions(entry.path(),
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
}

fs::path CacheFolder() {
    return fs::path(LEXIGLADE_BENCH_CACHE) / "libraries";
}

// The odd number of the last word bank: the pair that filing appends to.
int LastWordBank(const fs::path& folder) {
    static const std::regex kBank("b([0-9]+)\\.asl");
    int last = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::smatch match;
        const std::string name = entry.path().filename().string();
        if (std::regex_match(name, match, kBank)) {
            const int number = std::stoi(match[1]);
            last = std::max(last, number % 2 == 1 ? number : number - 1);
        }
    }
    return last;
}

} // namespace

CachedLibrary CachedLibraryOf(std::size_t puzzles) {
    const fs::path folder = CacheFolder() / std::to_string(puzzles);
    const std::optional<Stamp> stamp = ReadStamp(folder / kStampName);
    if (stamp && stamp->puzzles == puzzles && stamp->generator == kGeneratorVersion) {
        return {(folder / "").string(), puzzles, stamp->lastPuzzleItem};
    }
    const fs::path partial = CacheFolder() / (std::to_string(puzzles) + ".partial");
    fs::remove_all(partial);
    fs::remove_all(folder);
    fs::create_directories(partial);
    LibraryShape shape;
    shape.puzzles = puzzles;
    const GeneratedLibrary made = WriteLibrary((partial / "").string(), shape);
    const CompletedRun check = RunToEnd({LEXIGLADE_LIBRARY_COMMAND, "check", partial.string()});
    if (check.cost.status != 0) {
        throw std::runtime_error("lexiglade-library check finds fault with " + partial.string());
    }
    WriteStamp(partial / kStampName, {puzzles, made.lastPuzzleItem, kGeneratorVersion});
    MakeReadOnly(partial);
    fs::rename(partial, folder);
    return {(folder / "").string(), puzzles, made.lastPuzzleItem};
}

// The hint pictures' folder, kept empty in a filing copy.
constexpr const char* kPicturesFolder = "pictures";

FilingCopy::FilingCopy(const CachedLibrary& library)
    : source_(library.dataDir),
      dataDir_((CacheFolder() / ("filing-" + std::to_string(library.puzzles)) / "").string()) {
    fs::remove_all(dataDir_);
    fs::create_directories(dataDir_);
    const int lastBank = LastWordBank(source_);
    const std::regex changing("a[0-9]+\\.asl|b(" + std::to_string(lastBank) + "|" +
                              std::to_string(lastBank + 1) + ")\\.asl");
    for (const fs::directory_entry& entry : fs::directory_iterator(source_)) {
        const std::string name = entry.path().filename().string();
        // The hint pictures are left out: the puzzle filed has text hints.
        if (name != kStampName && !entry.is_directory()) {
            Place(name, std::regex_match(name, changing));
        }
    }
    fs::create_directory(fs::path(dataDir_) / kPicturesFolder); // empty, as in a player's library
}

void FilingCopy::Place(const std::string& name, bool copied) {
    const fs::path from = fs::path(source_) / name;
    const fs::path to = fs::path(dataDir_) / name;
    fs::remove(to);
    if (copied) {
        fs::copy_file(from, to);
        fs::permissions(to, fs::perms::owner_write, fs::perm_options::add);
    } else {
        fs::create_hard_link(from, to);
    }
    struct stat status {};
    stat(to.c_str(), &status);
    kept_[name] = {copied, status.st_ino, status.st_size, status.st_mtim};
}

void FilingCopy::Restore() {
    std::map<std::string, Kept> missing = kept_;
    for (const fs::directory_entry& entry : fs::directory_iterator(dataDir_)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with('.') || name == kPicturesFolder) {
            continue; // the lock and the caches beside the lists stay, as in a player's library
        }
        const auto kept = kept_.find(name);
        if (kept == kept_.end()) {
            fs::remove_all(entry.path());
            continue;
        }
        missing.erase(name);
        struct stat status {};
        stat(entry.path().c_str(), &status);
        const Kept& was = kept->second;
        if (status.st_ino != was.inode || status.st_size != was.size ||
            status.st_mtim.tv_sec != was.modified.tv_sec ||
            status.st_mtim.tv_nsec != was.modified.tv_nsec) {
            Place(name, was.copied);
        }
    }
    for (const auto& [name, kept] : missing) {
        Place(name, kept.copied);
    }
}

} // namespace lexiglade::bench
