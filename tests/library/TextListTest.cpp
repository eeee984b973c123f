#include "TempFolder.h"

#include "library/Errors.h"
#include "library/TextList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sys/stat.h>

namespace lexiglade {
namespace {

using namespace std::string_literals;
using test::ErrorOf;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(TextListReading, CutsLinesByTheListRules) {
    struct Case {
        const char* name;
        std::string bytes;
        TextList lines;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"LF then CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"CR CR LF", "a\r\r\nb", {"a", "", "b"}},
        {"no final line end", "a\r\nb", {"a", "b"}},
        {"blank middle line", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"blank last line", "a\r\n\r\n", {"a", ""}},
        {"NUL ends the text", "a\r\nb\0c\r\nd"s, {"a", "b"}},
        {"NUL after a line end", "a\r\n\0b"s, {"a"}},
        {"NUL first", "\0abc"s, {}},
        {"NUL after CR", "a\r\0\nb"s, {"a"}},
        {"nothing trimmed", " a \t\r\n\tb ", {" a \t", "\tb "}},
        {"empty file", "", {}},
        {"only a line end", "\r\n", {""}},
        {"two line ends", "\n\n", {"", ""}},
        {"bytes above 127 kept", "\xe9t\xe9\r\n\xff", {"\xe9t\xe9", "\xff"}},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseList(c.bytes), c.lines);
        WriteBytes(folder / "list.asl", c.bytes);
        EXPECT_EQ(ReadList(folder / "list.asl"), c.lines);
        TextList viaCursor;
        LineCursor cursor(c.bytes);
        std::string_view line;
        while (cursor.Next(line)) {
            viaCursor.emplace_back(line);
        }
        EXPECT_EQ(viaCursor, c.lines);
        EXPECT_FALSE(cursor.Next(line));
    }
}

TEST(TextListReading, ReadsLargeBinaryFilesWhole) {
    std::string bytes;
    for (int i = 0; i < 300000; ++i) {
        bytes += static_cast<char>(i * 7);
    }
    TempFolder folder;
    WriteBytes(folder / "big.asl", bytes);
    EXPECT_EQ(ReadFileBytes(folder / "big.asl"), bytes);
    WriteBytes(folder / "empty.asl", "");
    EXPECT_EQ(ReadFileBytes(folder / "empty.asl"), "");
}

TEST(TextListReading, FailsCleanlyOnWhatCannotBeRead) {
    TempFolder folder;
    ::mkdir((folder / "folder.asl").c_str(), 0755);
    WriteBytes(folder / "locked.asl", "secret\r\n");
    ::chmod((folder / "locked.asl").c_str(), 0);
    for (const std::string& path :
         {folder / "missing.asl", folder / "folder.asl", folder / "missing/a8.asl", ""s}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ErrorOf([&] { ReadFileBytes(path); }), "Cannot open file " + path);
        EXPECT_EQ(ErrorOf([&] { ReadList(path); }), "Cannot open file " + path);
    }
    // An error text ends at a NUL, so only the kind of error is checked.
    EXPECT_THROW(ReadFileBytes(folder / "locked.asl\0x"s), LibraryError);
    const std::string locked = folder / "locked.asl";
    EXPECT_TRUE(test::RunWithoutPrivileges(
        [&] { return ErrorOf([&] { ReadFileBytes(locked); }) == "Cannot open file " + locked; }));
}

TEST(TextListWriting, EndsEveryEntryWithCrLf) {
    struct Case {
        TextList list;
        std::string bytes;
    };
    const Case cases[] = {
        {{}, ""},
        {{"a"}, "a\r\n"},
        {{"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {{""}, "\r\n"},
        {{" x\t", "45"}, " x\t\r\n45\r\n"},
    };
    TempFolder folder;
    WriteBytes(folder / "list.asl", std::string(1000, 'z'));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(FormatList(c.list), c.bytes);
        WriteList(folder / "list.asl", c.list);
        EXPECT_EQ(ReadBytes(folder / "list.asl"), c.bytes);
        EXPECT_EQ(ReadList(folder / "list.asl"), c.list);
    }
}

TEST(TextListWriting, WritesTextExactlyAndReadsBackTheSameLines) {
    struct Case {
        std::string text;
        TextList lines;
    };
    const Case cases[] = {
        {"one\r\ntwo", {"one", "two"}},
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"", {}},
        {"x\0y"s, {"x"}},
        {"\r\n\r\n", {"", ""}},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        WriteText(folder / "memo.asl", c.text);
        EXPECT_EQ(ReadBytes(folder / "memo.asl"), c.text);
        EXPECT_EQ(ReadList(folder / "memo.asl"), c.lines);
    }
}

TEST(TextListWriting, ReportsAFolderThatIsMissing) {
    TempFolder folder;
    const std::string path = folder / "missing/a8.asl";
    EXPECT_EQ(ErrorOf([&] { WriteList(path, {"a"}); }), "Cannot create file " + path);
    EXPECT_EQ(ErrorOf([&] { WriteText(path, "a"); }), "Cannot create file " + path);
}

TEST(StrToInt, AcceptsOnlyASignAndDecimalDigitsWithin32Bits) {
    const std::pair<std::string, std::int32_t> valid[] = {
        {"0", 0},
        {"-5", -5},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"007", 7},
        {"-0", 0},
        {"00000000000000000000045", 45},
    };
    for (const auto& [text, value] : valid) {
        SCOPED_TRACE(text);
        EXPECT_EQ(StrToInt(text), value);
    }
    const std::string invalid[] = {
        "",
        " 1",
        "1 ",
        "0x10",
        "$10",
        "1.0",
        "2147483648",
        "-2147483649",
        "abc",
        "-",
        "+",
        "+-1",
        "--1",
        "1e3",
        "\t1",
        "1\r",
        "99999999999999999999999",
    };
    for (const std::string& text : invalid) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ErrorOf([&] { StrToInt(text); }), "'" + text + "' is not a valid integer value");
    }
    // Library text is Latin-1, one byte a character; the message quotes it in UTF-8.
    EXPECT_EQ(ErrorOf([] { StrToInt("\xd9\xa3"); }),
              "'\xc3\x99\xc2\xa3' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("9\xb0"); }), "'9\xc2\xb0' is not a valid integer value");
    EXPECT_THROW(StrToInt("1\0"s), LibraryError);
}

TEST(ListItem, ChecksBothBounds) {
    const TextList list = {"zero", "one", "two"};
    EXPECT_EQ(ListItem(list, 0), "zero");
    EXPECT_EQ(ListItem(list, 2), "two");
    for (const std::int64_t index :
         {std::int64_t{-1}, std::int64_t{3}, std::int64_t{1} << 32,
          std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ErrorOf([&] { ListItem(list, index); }), "List index out of bounds");
    }
    EXPECT_EQ(ErrorOf([&] { ListItem(TextList{}, 0); }), "List index out of bounds");
}

} // namespace
} // namespace lexiglade
