#include "ObjectPictures.h"

namespace lexiglade::artwork {

std::vector<HintPicture> ObjectPictures() {
    std::vector<HintPicture> all;
    for (auto set : {GarmentPictures, AccessoryPictures, KitchenPictures, HomePictures,
                     WorkshopPictures, GardenToolPictures, StationeryPictures,
                     ClassroomThingPictures, KeyAndStringPictures, WindAndDrumPictures}) {
        const std::vector<HintPicture> more = set();
        all.insert(all.end(), more.begin(), more.end());
    }
    return all;
}

} // namespace lexiglade::artwork
