#include "LibraryFixture.h"
#include "library/LibraryFiles.h"

#include "Syllables.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string_view>

namespace lexiglade::bench {

namespace {

constexpr std::array<const char*, 8> kHintForms = {
    "A kind of ",     "Found near the ", "Opposite of ",   "Rhymes with ",
    "Cousin of the ", "Made from ",      "Larger than a ", "Seen at the "};

// Joins texts without the temporaries that operator+ makes.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error(Join({"cannot write ", path}));
    }
}

void AddLine(std::string& file, const std::string& line) {
    file += line;
    file += "\r\n";
}

std::string Capitalised(std::string word) {
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

} // namespace

int TextMaker::Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

std::size_t TextMaker::Index(std::size_t size) {
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(engine_);
}

std::string TextMaker::Syllables(std::size_t letters) {
    return test::InSmallLetters(
        test::SyllableRun(letters, [this](std::size_t n) { return Index(n); }));
}

std::string TextMaker::Word(int minLetters, int maxLetters) {
    std::string word = Syllables(static_cast<std::size_t>(Between(minLetters, maxLetters)));
    return Between(0, 3) == 0 ? Capitalised(word) : word;
}

std::string TextMaker::Hint() {
    return Join({kHintForms[Index(kHintForms.size())],
                 Syllables(static_cast<std::size_t>(Between(4, 10)))});
}

std::string TextMaker::Title(std::size_t serial) {
    const std::string first = Capitalised(Syllables(static_cast<std::size_t>(Between(4, 9))));
    const std::string second = Capitalised(Syllables(static_cast<std::size_t>(Between(4, 9))));
    return Join({first, " ", second, " ", std::to_string(serial)});
}

std::string TextMaker::FolderName(std::size_t serial) {
    const std::string name = Capitalised(Syllables(static_cast<std::size_t>(Between(5, 12))));
    return Join({name, " ", std::to_string(serial)});
}

TextList MakeWords(TextMaker& maker, int count, int minLetters, int maxLetters) {
    TextList words;
    for (int i = 0; i < count; ++i) {
        words.push_back(maker.Word(minLetters, maxLetters));
    }
    return words;
}

namespace {

// The bank pair being filled, written out when the next pair is started.
class BankWriter {
  public:
    BankWriter(std::string dataDir, std::size_t limit)
        : dataDir_(std::move(dataDir)), limit_(limit) {}
    ~BankWriter() { Flush(); }
    // Starts a new pair when the word bank already holds more than the limit.
    void StartPuzzle() {
        if (lines_ > limit_) {
            Flush();
            number_ += 2;
            lines_ = 0;
        }
    }
    void Add(const std::string& word, const std::string& hint) {
        AddLine(words_, word);
        AddLine(hints_, hint);
        ++lines_;
    }
    std::size_t lines() const { return lines_; }
    std::string wordBank() const { return Join({"b", std::to_string(number_), ".asl"}); }
    std::string hintBank() const { return Join({"b", std::to_string(number_ + 1), ".asl"}); }
    std::size_t pairs() const { return (number_ + 1) / 2; }

  private:
    void Flush() {
        if (!words_.empty()) {
            WriteFile(dataDir_ + wordBank(), words_);
            WriteFile(dataDir_ + hintBank(), hints_);
        }
        words_.clear();
        hints_.clear();
    }
    std::string dataDir_;
    std::size_t limit_;
    std::size_t number_ = 1;
    std::size_t lines_ = 0;
    std::string words_, hints_;
};

} // namespace

GeneratedLibrary WriteLibrary(const std::string& dataDir, const LibraryShape& shape) {
    TextMaker maker(shape.seed);
    std::string tree, titles, wordBanks, hintBanks, firsts, lasts, plain, backward;
    GeneratedLibrary library{dataDir};
    {
        BankWriter banks(dataDir, shape.bankLimit);
        for (std::size_t p = 0; p < shape.puzzles; ++p) {
            if (p % shape.puzzlesPerFolder == 0) {
                AddLine(tree, maker.FolderName(p / shape.puzzlesPerFolder + 1));
                ++library.treeItems;
            }
            const std::string title = maker.Title(p + 1);
            AddLine(tree, Join({"\t", title}));
            library.lastPuzzleItem = library.treeItems++;
            AddLine(titles, title);
            banks.StartPuzzle();
            AddLine(wordBanks, banks.wordBank());
            AddLine(hintBanks, banks.hintBank());
            AddLine(firsts, std::to_string(banks.lines()));
            const int words = maker.Between(shape.minWords, shape.maxWords);
            for (int w = 0; w < words; ++w) {
                banks.Add(maker.Word(4, 12), maker.Hint());
            }
            AddLine(lasts, std::to_string(banks.lines() - 1));
            AddLine(plain, std::to_string(maker.Between(90, 300)));
            AddLine(backward, std::to_string(maker.Between(240, 930)));
        }
        library.bankPairs = banks.pairs();
    }
    const std::pair<const char*, const std::string*> lists[] = {
        {LibraryFiles::kFolderTree, &tree},       {LibraryFiles::kTitles, &titles},
        {LibraryFiles::kWordBanks, &wordBanks},   {LibraryFiles::kHintBanks, &hintBanks},
        {LibraryFiles::kFirstBankLines, &firsts}, {LibraryFiles::kLastBankLines, &lasts},
        {LibraryFiles::kPlainBestTimes, &plain},  {LibraryFiles::kBackwardBestTimes, &backward}};
    for (const auto& [name, bytes] : lists) {
        WriteFile(dataDir + name, *bytes);
    }
    return library;
}

void WriteTreeFile(const std::string& path, std::size_t items, std::size_t puzzlesPerFolder,
                   std::uint32_t seed) {
    TextMaker maker(seed);
    std::string tree;
    for (std::size_t i = 0; i < items; ++i) {
        const std::size_t folder = i / (puzzlesPerFolder + 1);
        AddLine(tree, i % (puzzlesPerFolder + 1) == 0 ? maker.FolderName(folder + 1)
                                                      : Join({"\t", maker.Title(i + 1)}));
    }
    WriteFile(path, tree);
}

ScratchDir::ScratchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "lexiglade-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace lexiglade::bench
