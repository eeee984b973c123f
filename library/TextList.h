#pragma once
// Text lists: the reading and writing rules shared by every list file of the library.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglade {

using TextList = std::vector<std::string>;

// Walks the lines of a text: CR, LF or CR LF each end one line; a NUL ends the text;
// a final line end adds no empty line. Lines are views into the text.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text);
    bool Next(std::string_view& line);

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Position of the first CR, LF or NUL at or after `pos`, or `size`.
std::size_t FindLineBreak(const char* data, std::size_t pos, std::size_t size);

// Whole file as bytes; "Cannot open file %s" when it cannot be read.
std::string ReadFileBytes(const std::string& path);

TextList ParseList(std::string_view text);
TextList ReadList(const std::string& path);

// The bytes WriteList writes: every entry followed by CR LF.
std::string FormatList(const TextList& list);

// The lines as a memo holds them: CR LF between them, none after the last.
std::string JoinMemoLines(const TextList& lines);

// Every entry followed by CR LF; an empty list gives an empty file. Replaced atomically.
void WriteList(const std::string& path, const TextList& list);
// A memo's text, exactly as it is. Replaced atomically.
void WriteText(const std::string& path, std::string_view text);

// Entry `index`, or "List index out of bounds".
const std::string& ListItem(const TextList& list, std::int64_t index);

// Optional sign and decimal digits, within 32 bits; otherwise "'%s' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);
// The number StrToInt reads; none where it raises.
std::optional<std::int32_t> ToInt32(std::string_view text);
// Non-empty, and every character one of the decimal digits 0 to 9.
bool IsDecimalDigits(std::string_view text);

} // namespace lexiglade
