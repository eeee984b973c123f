#include "ui/PuzzleDrawing.h"

#include "library/LibraryFiles.h"
#include "platform/SurfaceForm.h"
#include "ui/Drawkit.h"
#include "ui/ScreenArtwork.h"

#include <algorithm>

namespace lexiglade {

namespace {

void DrawPicture(DeviceContext& dc, const DataFolders& folders, const char* name, int left,
                 int top) {
    Bitmap picture;
    LoadScreenArtwork(picture, folders, name, dc.Surface().devicePixelRatio());
    dc.BitBlt(left, top, picture.Width(), picture.Height(), picture, 0, 0, SRCCOPY);
}

} // namespace

Font SystemFont() {
    return CreateFont("System", -13);
}

QRect CapsuleArea(const Band& band) {
    const int reach = Board::CapRadius + 1;
    return QRect(QPoint(std::min(band.anchor.x, band.farEnd.x) - reach,
                        std::min(band.anchor.y, band.farEnd.y) - reach),
                 QPoint(std::max(band.anchor.x, band.farEnd.x) + reach,
                        std::max(band.anchor.y, band.farEnd.y) + reach));
}

void DrawCapsule(DeviceContext& dc, const Band& band) {
    const Capsule capsule = CapsuleFigure(band.anchor, band.farEnd, band.bearing);
    for (const CapFigure& cap : {capsule.anchorCap, capsule.farCap}) {
        dc.Arc(cap.topLeft.x, cap.topLeft.y, cap.bottomRight.x, cap.bottomRight.y, cap.arc.start.x,
               cap.arc.start.y, cap.arc.end.x, cap.arc.end.y);
    }
    for (const Segment& side : {capsule.side1, capsule.side2}) {
        DrawSegment(dc, side.from.x, side.from.y, side.to.x, side.to.y);
    }
}

void DrawArtwork(DeviceContext& dc, const DataFolders& folders, BoardOrigin origin,
                 const Bitmap& board) {
    dc.BitBlt(origin.left, origin.top, board.Width(), board.Height(), board, 0, 0, SRCCOPY);
    const int right = origin.left + board.Width();
    const int bottom = origin.top + board.Height();
    DrawPicture(dc, folders, LibraryFiles::EndGamePicture, right + Board::EndGameHotspot.left,
                bottom + Board::EndGameHotspot.top);
    DrawPicture(dc, folders, LibraryFiles::PrintingPicture, right + Board::PrinterSetupHotspot.left,
                bottom + Board::PrinterSetupHotspot.top);
}

void DrawLetters(const DrawkitState& kit, DeviceContext& dc, BoardOrigin origin, const Grid& grid) {
    dc.SelectObject(SystemFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    dc.SetTextColor(kit.PaletteColour(PaletteRole::Letters));
    for (int c = 0; c < GridColumns; ++c) {
        for (int r = 0; r < GridRows; ++r) {
            const char letter = grid.at({c, r});
            dc.TextOutA(origin.left + Board::ColumnCentreOffset + Board::ColumnPitch * c,
                        origin.top + Board::LetterTopOffset + Board::RowPitch * r,
                        std::string_view(&letter, letter == 0 ? 0 : 1));
        }
    }
    dc.SetBkMode(OPAQUE);
}

void DrawTitle(const DrawkitState& kit, DeviceContext& dc, int middle, BoardOrigin origin,
               const std::string& title) {
    const int top = origin.top + Board::TitleTop;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kit.PaletteColour(PaletteRole::TitleShadow));
    dc.TextOutA(middle - Board::TitleShadowOffset, top + Board::TitleShadowOffset, title);
    dc.SetTextColor(kit.PaletteColour(PaletteRole::TitleFace));
    dc.TextOutA(middle, top, title);
}

void DrawClock(const DrawkitState& kit, SurfaceForm& form, BoardOrigin origin,
               const std::string& text) {
    kit.FillBox(origin.left, origin.top, origin.left + Board::ClockWidth,
                origin.top + Board::ClockHeight, 1, 1, kit.GamePalette[PaletteRole::Background]);
    WindowDC dc(form, QRect(origin.left, origin.top, Board::ClockWidth, Board::ClockHeight));
    SelectedPalette palette(*dc, kit.PaletteHandle);
    dc->SelectObject(SystemFont());
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextAlign(TA_LEFT | TA_TOP);
    dc->SetTextColor(kit.PaletteColour(PaletteRole::ClockText));
    dc->TextOutA(origin.left, origin.top, text);
    dc->SetBkMode(OPAQUE);
}

} // namespace lexiglade
