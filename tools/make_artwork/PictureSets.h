#pragma once
// The picture sets drawn in files of their own; most puzzles keep theirs in two files.
#include "HintPicture.h"

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
std::vector<HintPicture> GarmentPictures();
std::vector<HintPicture> AccessoryPictures();
std::vector<HintPicture> KitchenPictures();
std::vector<HintPicture> HomePictures();
std::vector<HintPicture> WorkshopPictures();
std::vector<HintPicture> GardenToolPictures();
std::vector<HintPicture> StationeryPictures();
std::vector<HintPicture> ClassroomThingPictures();
std::vector<HintPicture> KeyAndStringPictures();
std::vector<HintPicture> WindAndDrumPictures();

} // namespace lexiglade::artwork
