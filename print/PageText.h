#pragma once
// The drawing steps that the puzzle page and its answer key share.
#include "engine/Grid.h"
#include "platform/GdiFont.h"
#include "platform/printer/PrinterCanvas.h"
#include "print/PrintLayout.h"

#include <string>

namespace lexiglade {

// The page font: "Times New Roman" of the layout's character height.
Font PageFont(const PageLayout& layout);

// `text` at `at` in `font`, or smaller when it would not fit `room` pixels; `font` is selected
// again after.
void TextOutFitted(PrinterCanvas& dc, const Font& font, DevicePoint at, const std::string& text,
                   int room);

// The title centred at the top of the page, in `font`.
void DrawTitle(PrinterCanvas& dc, const PageLayout& layout, const Font& font,
               const std::string& title);

// The 22 x 15 letters, column by column, each centred on its place (centred alignment selected).
void DrawGrid(PrinterCanvas& dc, const PageLayout& layout, const Grid& letters);

} // namespace lexiglade
