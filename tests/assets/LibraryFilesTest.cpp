// The starter library's files: line ends, aligned records, the folder tree and the banks.
#include "LibraryData.h"
#include "TempFolder.h"
#include "library/LibraryCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace lexiglade::test;

namespace {

const Lines kRecordFiles{"a8.asl", "a9.asl", "a10.asl", "a11.asl", "a12.asl", "a14.asl", "a15.asl"};

bool IsDecimal(const std::string& text) {
    return !text.empty() && text.size() < 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string BankName(int number) {
    std::string name = "b";
    name += std::to_string(number);
    name += ".asl";
    return name;
}

bool IsTitleLine(const std::string& line) {
    return line.size() > 1 && line[0] == '\t' && line[1] != '\t' && line[1] != ' ';
}

bool IsFolderLine(const std::string& line) {
    return !line.empty() && std::isalpha(static_cast<unsigned char>(line[0]));
}

TEST(LibraryFiles, EveryLineEndsWithCarriageReturnAndLineFeed) {
    Lines files = kRecordFiles;
    files.insert(files.end(), {"a7.asl", "b1.asl", "b2.asl"});
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadBytes(LibraryDir() / name);
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const unsigned char c = bytes[i];
            if (c == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
            } else if (c == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
            } else {
                ASSERT_TRUE(c == '\t' || (c >= 32 && c < 127)) << "byte " << int(c) << " at " << i;
            }
        }
    }
}

TEST(LibraryFiles, RecordListsAreAligned) {
    const std::size_t count = ReadLines("a8.asl").size();
    EXPECT_GE(count, kMinShippedPuzzles);
    for (const std::string& name : kRecordFiles) {
        EXPECT_EQ(ReadLines(name).size(), count) << name;
    }
}

TEST(LibraryFiles, TreeHoldsEveryTitleOnceUnderAFolder) {
    const Lines tree = ReadLines("a7.asl");
    const Lines titles = ReadLines("a8.asl");
    EXPECT_EQ(std::set<std::string>(titles.begin(), titles.end()).size(), titles.size())
        << "titles are not unique";
    ASSERT_FALSE(tree.empty());
    EXPECT_TRUE(IsFolderLine(tree.front()));
    std::multiset<std::string> placed;
    int folders = 0;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const std::string& line = tree[i];
        ASSERT_TRUE(IsFolderLine(line) || IsTitleLine(line)) << "line " << i << ": " << line;
        if (IsFolderLine(line)) {
            ++folders;
            EXPECT_TRUE(i + 1 < tree.size() && IsTitleLine(tree[i + 1])) << "empty folder " << line;
        } else {
            placed.insert(line.substr(1));
        }
    }
    EXPECT_GE(folders, kMinShippedFolders);
    EXPECT_EQ(placed.size(), titles.size());
    for (const std::string& title : titles) {
        EXPECT_EQ(placed.count(title), 1u) << title;
    }
}

TEST(LibraryFiles, RecordsPointIntoPairedBanks) {
    const Lines wordBanks = ReadLines("a9.asl");
    const Lines hintBanks = ReadLines("a10.asl");
    const Lines firsts = ReadLines("a11.asl");
    const Lines lasts = ReadLines("a12.asl");
    for (std::size_t i = 0; i < wordBanks.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "puzzle " << i);
        ASSERT_TRUE(wordBanks[i].starts_with("b") && wordBanks[i].ends_with(".asl"));
        const int n = std::stoi(wordBanks[i].substr(1));
        EXPECT_EQ(wordBanks[i], BankName(n));
        EXPECT_EQ(n % 2, 1);
        EXPECT_EQ(hintBanks.at(i), BankName(n + 1));
        ASSERT_TRUE(IsDecimal(firsts.at(i)) && IsDecimal(lasts.at(i)));
        const std::size_t bankSize = ReadLines(wordBanks[i]).size();
        EXPECT_EQ(ReadLines(hintBanks[i]).size(), bankSize);
        EXPECT_LE(std::stoul(firsts[i]), std::stoul(lasts[i]));
        EXPECT_LT(std::stoul(lasts[i]), bankSize);
    }
}

TEST(LibraryFiles, PassesTheLibraryCheck) {
    EXPECT_EQ(lexiglade::LibraryProblems((LibraryDir() / "").string()), Lines{});
}

TEST(LibraryFiles, BestTimesStartAtTheDefaults) {
    const struct {
        const char* file;
        const char* seconds;
    } cases[] = {{"a14.asl", "300"}, {"a15.asl", "930"}};
    for (const auto& c : cases) {
        for (const std::string& line : ReadLines(c.file)) {
            EXPECT_EQ(line, c.seconds) << c.file;
        }
    }
}

} // namespace
