#pragma once
// The pictures of made things, one set per picture puzzle, each kept in two files.
#include "Pictures.h"

#include <vector>

namespace lexiglade::artwork {

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

// Every set above.
std::vector<HintPicture> ObjectPictures();

} // namespace lexiglade::artwork
