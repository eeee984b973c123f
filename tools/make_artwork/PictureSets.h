#pragma once
// The picture sets drawn in files of their own; the animals are kept in two files by habitat.
#include "Pictures.h"

#include <vector>

namespace lexiglade::artwork {

std::vector<HintPicture> LandAnimalPictures();
std::vector<HintPicture> WaterAndWingPictures();
std::vector<HintPicture> VegetablePictures();
std::vector<HintPicture> WeatherPictures();
std::vector<HintPicture> RoadVehiclePictures();
std::vector<HintPicture> AirAndWaterCraftPictures();
std::vector<HintPicture> ToyFigurePictures();
std::vector<HintPicture> ToyPlaythingPictures();
std::vector<HintPicture> BallSportPictures();
std::vector<HintPicture> SportsGearPictures();

} // namespace lexiglade::artwork
