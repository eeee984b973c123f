#pragma once
// The hint pictures of the starter library's picture puzzles, 150 x 80 on white.
#include <QImage>
#include <QPainter>
#include <vector>

namespace lexiglade::artwork {

struct HintPicture {
    const char* file; // upper-case 8.3 name, as the hint bank names it
    void (*draw)(QPainter&);
};

std::vector<HintPicture> FruitPictures();
std::vector<HintPicture> AnimalPictures();
std::vector<HintPicture> TransportPictures();
std::vector<HintPicture> ToyPictures();
std::vector<HintPicture> SportsPictures();
std::vector<HintPicture> ClothesPictures();
std::vector<HintPicture> HouseholdPictures();
std::vector<HintPicture> ToolPictures();
std::vector<HintPicture> ClassroomPictures();
std::vector<HintPicture> InstrumentPictures();
// Every hint picture the shipped puzzles name, set after set.
std::vector<HintPicture> ShippedPictures();

// The picture on the white 150 x 80 hint canvas.
QImage RenderHintPicture(const HintPicture& picture);

} // namespace lexiglade::artwork
