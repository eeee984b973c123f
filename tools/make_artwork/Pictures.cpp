#include "Pictures.h"

#include "Kit.h"
#include "ObjectPictures.h"
#include "PictureSets.h"

namespace lexiglade::artwork {

namespace {

void Append(std::vector<HintPicture>& all, const std::vector<HintPicture>& more) {
    all.insert(all.end(), more.begin(), more.end());
}

} // namespace

std::vector<HintPicture> AnimalPictures() {
    std::vector<HintPicture> all = LandAnimalPictures();
    Append(all, WaterAndWingPictures());
    return all;
}

std::vector<HintPicture> TransportPictures() {
    std::vector<HintPicture> all = RoadVehiclePictures();
    Append(all, AirAndWaterCraftPictures());
    return all;
}

std::vector<HintPicture> ToyPictures() {
    std::vector<HintPicture> all = ToyFigurePictures();
    Append(all, ToyPlaythingPictures());
    return all;
}

std::vector<HintPicture> SportsPictures() {
    std::vector<HintPicture> all = BallSportPictures();
    Append(all, SportsGearPictures());
    return all;
}

std::vector<HintPicture> ShippedPictures() {
    std::vector<HintPicture> all;
    for (const auto set : {FruitPictures, AnimalPictures, VegetablePictures, WeatherPictures,
                           TransportPictures, ToyPictures, SportsPictures, ObjectPictures}) {
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
