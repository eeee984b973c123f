#pragma once
// A data folder with artwork and a small library, and a catalogue form of a chosen size on it.
#include "library/DataFolder.h"
#include "ui/Catalogue.h"
#include "ui/GameContext.h"

#include <QImage>

#include <memory>
#include <string>

namespace lexiglade {
class Tsearcher;
}

namespace lexiglade::test {

// The puzzle screen's artwork: the board "a3.asl" (of the shipped board's size), the end-game
// picture "a1.asl" and the print pictures "a5.asl", each of one colour.
inline constexpr int kBoardWidth = 600, kBoardHeight = 424;
inline constexpr QRgb kBoardColour = qRgb(200, 200, 160);
inline constexpr QRgb kEndGameColour = qRgb(10, 120, 10);
inline constexpr QRgb kPrintColour = qRgb(120, 10, 120);

// Tree: "Animals" with "Farm" and "Pets", "Sky" with sub-folder "Night" holding "Stars", and
// "Empty" sub-folder of "Sky" with nothing under it, then "Planets" as the last item.
extern const char* const kTreeText;

class DataFolder {
  public:
    DataFolder();
    ~DataFolder();
    const std::string& Path() const { return path_; }
    // The folder as the game's data and shipped files both.
    DataFolders Folders() const { return {path_, path_}; }
    std::string operator/(const std::string& name) const { return path_ + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    void Remove(const std::string& name) const;
    // The backdrop written as "a4.asl": every pixel non-black, each one different.
    const QImage& Backdrop() const { return backdrop_; }
    // A BMP file of one colour.
    void WriteBitmap(const std::string& name, int width, int height, QRgb colour) const;

  private:
    std::string path_;
    QImage backdrop_;
};

// Creates the catalogue on `context` with the given client size and waits for its first paint.
std::unique_ptr<Tmain> OpenCatalogue(GameContext& context, int width, int height);
// The puzzle screen opened last on `context`, while it lives; else null.
Tsearcher* OpenedGame(const GameContext& context);

} // namespace lexiglade::test
