#include "print/PrintPage.h"

#include "engine/GridGenerator.h"
#include "platform/LogCategories.h"
#include "platform/Texts.h"
#include "platform/printer/Printer.h"
#include "platform/printer/PrinterPicture.h"
#include "print/AnswerKey.h"
#include "print/FileWithoutPrinter.h"
#include "print/PageText.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace lexiglade {

namespace {

constexpr const char* kJobTitle = "TINYSLIP";

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

// Where the copies go when the printer has nowhere to print them.
std::optional<ReservedFile> FileWhenNoPrinter(const Printer& printer, const std::string& title) {
    if (printer.HasDestination()) {
        return std::nullopt;
    }
    return std::make_optional<ReservedFile>(DocumentsFolder(), PdfNameFor(title));
}

// A picture hint without a picture leaves its place blank on every page; said once a print.
void WarnOfMissingPictures(const PageContent& page) {
    if (!page.pictureHints) {
        return;
    }
    for (int k = 0; k < page.hintCount; ++k) {
        const auto at = static_cast<std::size_t>(k);
        if (at >= page.pictures.size() || page.pictures[at].isNull()) {
            qCWarning(PrintLog, "Cannot print picture %d of the puzzle \"%s\": it is missing",
                      k + 1, qPrintable(LibraryText(page.title)));
        }
    }
}

} // namespace

PageContent PuzzlePage(const PrintedPuzzle& puzzle, const Grid& letters) {
    PageContent page;
    page.title = puzzle.title;
    page.letters = letters;
    page.pictureHints = puzzle.pictureHints;
    page.hintCount = std::max(puzzle.grids.LastWordIndex + 1, 0);
    for (int k = 0; k < page.hintCount && !puzzle.pictureHints; ++k) {
        page.hints.push_back(ListItem(puzzle.hints, k));
    }
    page.pictures = puzzle.pictures;
    return page;
}

void DrawPuzzlePage(PrinterCanvas& dc, const PageContent& page) {
    const PageLayout layout = LayoutPage(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    const Font font = PageFont(layout);
    dc.SelectObject(font);
    DrawTitle(dc, layout, font, page.title);
    DrawGrid(dc, layout, page.letters);
    if (page.pictureHints) {
        DrawPictures(dc, layout, page);
    } else {
        DrawTextHints(dc, layout, font, page);
    }
}

PrintedCopies PrintCopies(const PrintChoice& choice, const PrintedPuzzle& puzzle) {
    PrintedCopies printed;
    if (choice.copies <= 0) {
        return printed;
    }
    // Taken once: events served while a page spools may change or end the game.
    PageContent page = PuzzlePage(puzzle, puzzle.grids.LetterGrid);
    page.placedWords = puzzle.grids.PlacedWords;
    GridState grids = puzzle.grids;
    const TextList words = puzzle.words;
    const bool backward = puzzle.backwardWords;
    Printer& printer = DefaultPrinter();
    WarnOfMissingPictures(page);
    std::optional<ReservedFile> file = FileWhenNoPrinter(printer, page.title);
    if (file) {
        qCWarning(PrintLog, "No printer: the puzzle is printed to the file %s",
                  qPrintable(file->Path()));
    }
    PrintRun run(printer, kJobTitle, file ? file->Path() : QString());
    for (std::int32_t copy = 0; copy < choice.copies; ++copy) {
        if (choice.unique) {
            page.placedWords = BuildPrintGrid(grids, words, backward);
            printed.freshGrids.push_back(grids.PrintGrid);
            page.letters = grids.PrintGrid;
        }
        DrawPuzzlePage(run.StartCopy(), page);
        if (choice.answerKeys) {
            DrawAnswerKey(run.NextPage(), page);
        }
        run.EndCopy();
    }
    run.End();
    if (file) {
        file->Keep();
        printed.file = file->Path();
    }
    return printed;
}

} // namespace lexiglade
