#include "CommandFixture.h"

#include "LibraryMaker.h"

#include "library/TextList.h"

namespace lexiglade::test {

CommandResult RunLibrary(const std::vector<std::string>& args,
                         const std::vector<std::string>& settings) {
    return RunProgram(LEXIGLADE_LIBRARY_COMMAND, args, settings);
}

void ReplaceLine(const std::string& list, std::size_t index, const std::string& text) {
    TextList lines = ReadList(list);
    lines.at(index) = text;
    WriteList(list, lines);
}

std::string WordLines(int count, const std::string& hintStem) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "WORD";
        text += static_cast<char>('A' + i);
        text += "\t" + hintStem + std::to_string(i) + "\n";
    }
    return text;
}

std::string Bitmap(int width, int height, std::uint8_t shade) {
    const int row = (width * 3 + 3) / 4 * 4;
    const auto le = [](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) {
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return out;
    };
    std::string bmp = "BM" + le(54 + row * height, 4) + le(0, 4) + le(54, 4) + le(40, 4) +
                      le(width, 4) + le(height, 4) + le(1, 2) + le(24, 2) + le(0, 4) +
                      le(row * height, 4) + le(2835, 4) + le(2835, 4) + le(0, 4) + le(0, 4);
    bmp += std::string(static_cast<std::size_t>(row * height), static_cast<char>(shade));
    return bmp;
}

void CommandTest::SetUp() {
    MakeLibrary(library.Path(), 12, 15);
}

std::string CommandTest::Write(const std::string& name, const std::string& text) const {
    WriteBytes(files / name, text);
    return files / name;
}

} // namespace lexiglade::test
