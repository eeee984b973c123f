#include "Pictures.h"

#include "Kit.h"
#include "PictureSets.h"

namespace lexiglade::artwork {

std::vector<HintPicture> AnimalPictures() {
    std::vector<HintPicture> all = LandAnimalPictures();
    const std::vector<HintPicture> more = WaterAndWingPictures();
    all.insert(all.end(), more.begin(), more.end());
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
