#pragma once
// The banks of a library looked at once each, ahead of a walk over its catalogue: a library of a
// million puzzles has some 26,000 banks, whose reading a second processor can take over.
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace lexiglade {

// What the check needs to know of a bank.
struct BankFacts {
    std::string error; // why it cannot be read ("Cannot open file %s", ...); empty when it was
    std::size_t lineCount = 0;    // by the list rule
    bool mayNamePictures = false; // some line holds a '.', as a picture's name does
    bool hasEmptyLine = false;
    bool holdsNul = false;
};

// The facts of the file at `path`, read into `buffer` (whose storage is reused).
BankFacts ReadBankFacts(const std::string& path, std::string& buffer);

// Reads the facts of the pairs b1.asl and b2.asl, b3.asl and b4.asl, ... on a thread of its own,
// up to the first pair of which neither bank exists.
class BankSurvey {
  public:
    explicit BankSurvey(std::filesystem::path dataDir);
    ~BankSurvey(); // stops the survey where it is
    BankSurvey(const BankSurvey&) = delete;
    BankSurvey& operator=(const BankSurvey&) = delete;

    // The facts of bank "b" + number + ".asl" once the survey has come to it; none when it does
    // not come to it (its pair lies at or beyond the first missing pair) or has stopped.
    std::optional<BankFacts> Take(unsigned long number);
    // The odd number of the first pair of which neither bank exists, once the survey has ended;
    // none when it stopped before.
    std::optional<unsigned long> FirstMissingPair();

  private:
    void Survey();

    std::filesystem::path dataDir_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<unsigned long, BankFacts> facts_;
    unsigned long surveyed_ = 0; // every bank up to this number has been looked at
    std::optional<unsigned long> firstMissing_;
    bool ended_ = false;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace lexiglade
