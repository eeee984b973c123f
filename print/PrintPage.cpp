#include "print/PrintPage.h"

#include "app/SharedState.h"
#include "platform/Printer.h"
#include "platform/PrinterPicture.h"
#include "print/PrintLayout.h"

#include <algorithm>

namespace lexiglade {

namespace {

constexpr const char* kJobTitle = "TINYSLIP";
constexpr const char* kPrintFace = "Times New Roman";

// `text` at (x, y) in the page font, or smaller when it would not fit `room` pixels.
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

void DrawGrid(PrinterCanvas& dc, const PageLayout& layout, const Grid& letters) {
    for (int c = 0; c < GridColumns; ++c) {
        for (int r = 0; r < GridRows; ++r) {
            const char letter = letters.at({c, r});
            const DevicePoint at = LetterPosition(layout, {c, r});
            dc.TextOutA(at.x, at.y, std::string_view(&letter, letter == 0 ? 0 : 1));
        }
    }
}

void DrawPictures(PrinterCanvas& dc, const PageLayout& layout, const PageContent& page) {
    const std::vector<DevicePoint> places = PicturePositions(layout, page.hintCount);
    for (std::size_t k = 0; k < places.size() && k < page.pictures.size(); ++k) {
        DrawPicture(dc, page.pictures[k], places[k].x, places[k].y, layout.pictureWidth,
                    layout.pictureHeight);
    }
}

void DrawTextHints(PrinterCanvas& dc, const PageLayout& layout, const Font& font,
                   const PageContent& page) {
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    const int lines = std::min(page.hintCount, static_cast<int>(page.hints.size()));
    for (int k = 0; k < lines; ++k) {
        TextOutFitted(dc, font, TextHintPosition(layout, k),
                      page.hints[static_cast<std::size_t>(k)], layout.hintRoom);
    }
}

} // namespace

PageContent PuzzlePage(const Grid& letters, bool pictureHints, std::span<const QImage> pictures) {
    const SharedState& state = Shared();
    PageContent page;
    page.title = state.LoadedPuzzle.title;
    page.letters = letters;
    page.pictureHints = pictureHints;
    page.hintCount = std::max(state.Grids.LastWordIndex + 1, 0);
    for (int k = 0; k < page.hintCount && !pictureHints; ++k) {
        page.hints.push_back(ListItem(state.LoadedPuzzle.hints, k));
    }
    page.pictures.assign(pictures.begin(), pictures.end());
    return page;
}

void PrintPage(Printer& printer, const PageContent& page) {
    printer.SetPortrait();
    PrintJob job(printer, kJobTitle);
    PrinterCanvas& dc = job.Canvas();
    const PageLayout layout = LayoutPage(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    const Font font = CreateFont(kPrintFace, -layout.fontHeight);
    dc.SelectObject(font);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    TextOutFitted(dc, font, layout.title, page.title, layout.titleRoom);
    DrawGrid(dc, layout, page.letters);
    if (page.pictureHints) {
        DrawPictures(dc, layout, page);
    } else {
        DrawTextHints(dc, layout, font, page);
    }
    job.End();
}

void PrintCopies(std::int32_t count, bool unique, bool pictureHints,
                 std::span<const QImage> pictures) {
    SharedState& state = Shared();
    // Taken once: events served while a job spools may change or end the game.
    PageContent page = PuzzlePage(state.Grids.LetterGrid, pictureHints, pictures);
    GridState grids = state.Grids;
    const TextList words = state.LoadedPuzzle.words;
    const bool backward = state.GameOptions.backwardWords;
    for (std::int32_t copy = 0; copy < count; ++copy) {
        if (unique) {
            BuildPrintGrid(grids, words, backward);
            state.Grids.PrintGrid = grids.PrintGrid;
            page.letters = grids.PrintGrid;
        }
        PrintPage(DefaultPrinter(), page);
    }
}

} // namespace lexiglade
