#pragma once
// The hint pictures of the starter library's picture puzzles, 150 x 80 on white.
#include "HintPicture.h"

#include <QImage>
#include <vector>

namespace lexiglade::artwork {

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
