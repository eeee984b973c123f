#include "print/PageText.h"

#include <string_view>

namespace lexiglade {

namespace {

constexpr const char* kPrintFace = "Times New Roman";

} // namespace

Font PageFont(const PageLayout& layout) {
    return CreateFont(kPrintFace, -layout.fontHeight);
}

void TextOutFitted(PrinterCanvas& dc, const Font& font, DevicePoint at, const std::string& text,
                   int room) {
    int height = FittedFontHeight(font.height, dc.TextWidth(text), room);
    if (height != font.height) {
        dc.SelectObject(CreateFont(kPrintFace, -height));
        while (height > 1 && dc.TextWidth(text) > room) {
            dc.SelectObject(CreateFont(kPrintFace, -(--height)));
        }
    }
    dc.TextOutA(at.x, at.y, text);
    dc.SelectObject(font);
}

void DrawTitle(PrinterCanvas& dc, const PageLayout& layout, const Font& font,
               const std::string& title) {
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    TextOutFitted(dc, font, layout.title, title, layout.titleRoom);
}

void DrawGrid(PrinterCanvas& dc, const PageLayout& layout, const Grid& letters) {
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (int c = 0; c < kGridColumns; ++c) {
        for (int r = 0; r < kGridRows; ++r) {
            const char letter = letters.at({c, r});
            const DevicePoint at = LetterPosition(layout, {c, r});
            dc.TextOutA(at.x, at.y, std::string_view(&letter, letter == 0 ? 0 : 1));
        }
    }
}

} // namespace lexiglade
