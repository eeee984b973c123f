#include "print/PrintLayout.h"

#include <algorithm>
#include <cstdint>

namespace lexiglade {

PageLayout LayoutPage(int width, int height) {
    PageLayout page;
    page.width = width;
    page.height = height;
    page.fontHeight = std::max(width, height) / 75;
    page.title = {width / 2, width / 20};
    page.titleRoom = width - 2 * (width / 20);
    page.gridLeft = width / 5;
    page.gridTop = width / 10;
    page.pitch = page.gridLeft * 3 / 21;
    page.hintTop = width / 5 + 16 * page.pitch;
    page.hintLeft = width / 10;
    page.hintPitch = width / 2 / 21;
    page.hintRoom = width - 2 * (width / 10);
    page.pictureHeight = height / 20;
    page.pictureWidth = PictureWidthFor(page.pictureHeight);
    return page;
}

// 1.875 is 15 / 8, so the product is exact in eighths.
int PictureWidthFor(int height) {
    const std::int64_t eighths = std::int64_t{15} * height;
    std::int64_t whole = eighths / 8;
    const std::int64_t rest = eighths % 8;
    if (rest > 4 || (rest == 4 && whole % 2 == 1)) {
        ++whole;
    }
    return static_cast<int>(whole);
}

DevicePoint LetterPosition(const PageLayout& layout, Cell cell) {
    return {layout.gridLeft + cell.column * layout.pitch, layout.gridTop + cell.row * layout.pitch};
}

DevicePoint TextHintPosition(const PageLayout& layout, int k) {
    return {layout.hintLeft, layout.hintTop + k * layout.hintPitch};
}

std::vector<DevicePoint> PicturePositions(const PageLayout& layout, int count) {
    std::vector<DevicePoint> positions;
    DevicePoint at{layout.width / 5, layout.hintTop};
    for (int k = 0; k < count; ++k) {
        if (k == kPicturesPerColumn || k == 2 * kPicturesPerColumn) {
            at.x += layout.pictureWidth + kPictureColumnGap;
            at.y = layout.hintTop;
        }
        positions.push_back(at);
        at.y += layout.pictureHeight + kPictureRowGap;
    }
    return positions;
}

AnswerKeyLayout LayoutAnswerKey(const PageLayout& page) {
    AnswerKeyLayout key;
    key.capsuleRadius = page.pitch * 9 / 20;
    key.capsuleLine = std::max(page.pitch / 20, 1);
    key.answerGap = page.fontHeight;
    key.answerRight = page.width - page.width / 10;
    key.pictureColumn = page.hintRoom / 3;
    key.pictureAnswerRoom = key.pictureColumn - page.pictureWidth - 2 * key.answerGap;
    return key;
}

std::vector<DevicePoint> AnswerPicturePositions(const PageLayout& page, const AnswerKeyLayout& key,
                                                int count) {
    std::vector<DevicePoint> positions;
    for (int k = 0; k < count; ++k) {
        const int column = std::min(k / kPicturesPerColumn, 2);
        const int row = k - column * kPicturesPerColumn;
        positions.push_back({page.hintLeft + column * key.pictureColumn,
                             page.hintTop + row * (page.pictureHeight + kPictureRowGap)});
    }
    return positions;
}

int FittedFontHeight(int height, int width, int room) {
    if (width <= room || width <= 0) {
        return height;
    }
    const std::int64_t scaled = std::int64_t{height} * std::max(room, 0) / width;
    return static_cast<int>(std::max<std::int64_t>(scaled, 1));
}

} // namespace lexiglade
