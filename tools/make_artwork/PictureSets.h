#pragma once
// The animal pictures, kept in two files by habitat.
#include "Pictures.h"

#include <vector>

namespace lexiglade::artwork {

std::vector<HintPicture> LandAnimalPictures();
std::vector<HintPicture> WaterAndWingPictures();

} // namespace lexiglade::artwork
