#include "Pictures.h"

#include "Kit.h"
#include "PictureSets.h"

namespace lexiglade::artwork {

namespace {

void Append(std::vector<HintPicture>& all, const std::vector<HintPicture>& more) {
    all.insert(all.end(), more.begin(), more.end());
}

// One puzzle's pictures kept in two files.
std::vector<HintPicture> Joined(std::vector<HintPicture> all,
                                const std::vector<HintPicture>& more) {
    Append(all, more);
    return all;
}

} // namespace

std::vector<HintPicture> AnimalPictures() {
    return Joined(LandAnimalPictures(), WaterAndWingPictures());
}

std::vector<HintPicture> TransportPictures() {
    return Joined(RoadVehiclePictures(), AirAndWaterCraftPictures());
}

std::vector<HintPicture> ToyPictures() {
    return Joined(ToyFigurePictures(), ToyPlaythingPictures());
}

std::vector<HintPicture> SportsPictures() {
    return Joined(BallSportPictures(), SportsGearPictures());
}

std::vector<HintPicture> ClothesPictures() {
    return Joined(GarmentPictures(), AccessoryPictures());
}

std::vector<HintPicture> HouseholdPictures() {
    return Joined(KitchenPictures(), HomePictures());
}

std::vector<HintPicture> ToolPictures() {
    return Joined(WorkshopPictures(), GardenToolPictures());
}

std::vector<HintPicture> ClassroomPictures() {
    return Joined(StationeryPictures(), ClassroomThingPictures());
}

std::vector<HintPicture> InstrumentPictures() {
    return Joined(KeyAndStringPictures(), WindAndDrumPictures());
}

std::vector<HintPicture> ShippedPictures() {
    std::vector<HintPicture> all;
    for (const auto set :
         {FruitPictures, AnimalPictures, VegetablePictures, WeatherPictures, TransportPictures,
          ToyPictures, SportsPictures, ClothesPictures, HouseholdPictures, ToolPictures,
          ClassroomPictures, InstrumentPictures}) {
        Append(all, set());
    }
    return all;
}

QImage RenderHintPicture(const HintPicture& picture) {
    QImage image = NewCanvas(150, 80, Qt::white);
    QPainter p(&image);
    PreparePainter(p);
    picture.draw(p);
    return image;
}

} // namespace lexiglade::artwork
