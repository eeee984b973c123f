#pragma once
// The names of the library's files in the data folder: the artwork, the lists and the banks.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace lexiglade::LibraryFiles {

// The artwork the game ships.
inline constexpr const char* kEndGamePicture = "a1.asl"; // below the board's right edge
inline constexpr const char* kFinderPicture = "a2.asl";  // beside the catalogue's folder tree
inline constexpr const char* kBoardPicture = "a3.asl";   // the puzzle board
inline constexpr const char* kCataloguePicture = "a4.asl";
inline constexpr const char* kPrintingPicture =
    "a5.asl";                                        // printer setup and print, below the board
inline constexpr const char* kHintCanvas = "a6.asl"; // the frame every hint picture is fitted into

// The lists of the library.
inline constexpr const char* kFolderTree = "a7.asl";
inline constexpr const char* kTitles = "a8.asl";
inline constexpr const char* kWordBanks = "a9.asl";
inline constexpr const char* kHintBanks = "a10.asl";
inline constexpr const char* kFirstBankLines = "a11.asl";
inline constexpr const char* kLastBankLines = "a12.asl";
inline constexpr const char* kPlainBestTimes = "a14.asl";    // games without backward words
inline constexpr const char* kBackwardBestTimes = "a15.asl"; // games with backward words

// Every list a puzzle has a line in, in the order filing writes them after the tree and titles.
inline constexpr const char* kCatalogueLists[] = {
    kTitles,        kWordBanks,      kHintBanks,        kFirstBankLines,
    kLastBankLines, kPlainBestTimes, kBackwardBestTimes};
// Every artwork file, "a1.asl" to "a6.asl".
inline constexpr const char* kArtwork[] = {kEndGamePicture,   kFinderPicture,   kBoardPicture,
                                           kCataloguePicture, kPrintingPicture, kHintCanvas};

// The folder tree or one of the catalogue lists.
bool IsListName(std::string_view name);

// The bank "b" + number + ".asl": word banks have odd numbers, their hint banks the next.
std::string BankName(unsigned long number);
// N of a bank's name "b" + N + ".asl" (no leading zero, at most nine digits); 0 for another name.
unsigned long BankNumber(std::string_view name);

// The screen artwork is shipped again at 2 and 4 device pixels per pixel, for scaled screens: the
// same files, each set in a folder of its own beside the shipped files.
inline constexpr const char* kScreenArtwork[] = {kEndGamePicture, kFinderPicture, kBoardPicture,
                                                 kCataloguePicture, kPrintingPicture};
struct DenseArtworkSet {
    int ratio;
    const char* folder;
};
inline constexpr DenseArtworkSet kDenseArtwork[] = {{2, "2x"}, {4, "4x"}};

// The screen artwork carries words, so it is shipped again in each language the game speaks besides
// English, in a folder named by the language ("de", "fr") laid out as the shipped files are. The
// path of screen artwork file `name` in `language` (empty: English) and `set` (nullptr: one device
// pixel per pixel), relative to the shipped files: "a4.asl", "4x/a4.asl", "de/a4.asl",
// "de/4x/a4.asl".
std::filesystem::path ScreenArtworkPath(std::string_view language, const DenseArtworkSet* set,
                                        std::string_view name);

} // namespace lexiglade::LibraryFiles
