#include "library/BankSurvey.h"

#include "library/Errors.h"
#include "library/LibraryFiles.h"
#include "library/ListAppend.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace lexiglade {

namespace {

// What one pass over a bank finds: its line count by the list rule (up to a NUL), whether some
// line is empty (it starts with a line end, or a line end follows another that is not the CR of a
// CR LF), whether it holds a '.' or a NUL. Counted in blocks of byte-wide counters without
// branches, which compilers vectorize.
BankFacts ScanBank(std::string_view bytes) {
    BankFacts facts;
    const std::size_t nul = bytes.find('\0');
    facts.holdsNul = nul != std::string_view::npos;
    facts.mayNamePictures = facts.holdsNul && bytes.find('.', nul) != std::string_view::npos;
    const std::string_view text = bytes.substr(0, nul);
    if (text.empty()) {
        return facts;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    const auto ends = [](unsigned char c) { return (c == '\r') | (c == '\n'); };
    std::size_t cr = data[0] == '\r', lf = data[0] == '\n', crLf = 0;
    unsigned char empty = ends(data[0]), dot = data[0] == '.';
    for (std::size_t i = 1; i < text.size();) {
        const std::size_t end = std::min(text.size(), i + 255);
        unsigned char blockCr = 0, blockLf = 0, blockCrLf = 0;
        for (std::size_t j = i; j < end; ++j) {
            const unsigned char c = data[j], before = data[j - 1];
            const unsigned char pair = (before == '\r') & (c == '\n');
            blockCr += c == '\r';
            blockLf += c == '\n';
            blockCrLf += pair;
            empty |= ends(c) & ends(before) & (pair ^ 1);
            dot |= c == '.';
        }
        cr += blockCr;
        lf += blockLf;
        crLf += blockCrLf;
        i = end;
    }
    const bool open = text.back() != '\r' && text.back() != '\n';
    facts.lineCount = cr + lf - crLf + (open ? 1 : 0);
    facts.hasEmptyLine = empty != 0;
    facts.mayNamePictures = facts.mayNamePictures || dot != 0;
    return facts;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

BankFacts ReadBankFacts(const std::string& path, std::string& buffer) {
    try {
        ReadFileInto(path, buffer);
    } catch (const LibraryError& error) {
        BankFacts facts;
        facts.error = error.what();
        return facts;
    }
    return ScanBank(buffer);
}

BankSurvey::BankSurvey(std::filesystem::path dataDir)
    : dataDir_(std::move(dataDir)), thread_([this] { Survey(); }) {}

BankSurvey::~BankSurvey() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    thread_.join();
}

void BankSurvey::Survey() {
    std::string buffer;
    try {
        for (unsigned long number = 1;; number += 2) {
            const std::string words = dataDir_ / LibraryFiles::BankName(number);
            const std::string hints = dataDir_ / LibraryFiles::BankName(number + 1);
            if (!Exists(words) && !Exists(hints)) {
                const std::lock_guard lock(mutex_);
                firstMissing_ = number;
                break;
            }
            BankFacts wordFacts = ReadBankFacts(words, buffer);
            BankFacts hintFacts = ReadBankFacts(hints, buffer);
            const std::lock_guard lock(mutex_);
            if (stop_) {
                break;
            }
            facts_[number] = std::move(wordFacts);
            facts_[number + 1] = std::move(hintFacts);
            surveyed_ = number + 1;
            changed_.notify_all();
        }
    } catch (...) {
        // Out of memory, say: the walk reads the banks itself.
    }
    const std::lock_guard lock(mutex_);
    ended_ = true;
    changed_.notify_all();
}

std::optional<BankFacts> BankSurvey::Take(unsigned long number) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return ended_ || surveyed_ >= number; });
    const auto found = facts_.find(number);
    if (found == facts_.end()) {
        return std::nullopt;
    }
    std::optional<BankFacts> facts = std::move(found->second);
    facts_.erase(found);
    return facts;
}

std::optional<unsigned long> BankSurvey::FirstMissingPair() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return ended_; });
    return firstMissing_;
}

} // namespace lexiglade
