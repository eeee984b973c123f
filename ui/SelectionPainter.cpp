#include "ui/SelectionPainter.h"

#include "engine/SelectionInput.h"
#include "platform/DisplayScale.h"
#include "platform/SurfaceForm.h"
#include "ui/Drawkit.h"
#include "ui/PuzzleDrawing.h"

#include <QPainter>

#include <utility>

namespace lexiglade {

namespace {

// Each edge of the keyboard's frame is this many logical pixels wide.
constexpr int kFrameEdgeWidth = 2;

// A frame `width` wide inside `outer`, in one colour.
void FillFrame(QPainter& painter, const QRect& outer, int width, const QColor& fill) {
    const QRect inner = outer.adjusted(width, width, -width, -width);
    painter.fillRect(QRect(outer.topLeft(), QPoint(outer.right(), inner.top() - 1)), fill);
    painter.fillRect(QRect(QPoint(outer.left(), inner.bottom() + 1), outer.bottomRight()), fill);
    painter.fillRect(
        QRect(QPoint(outer.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())), fill);
    painter.fillRect(
        QRect(QPoint(inner.right() + 1, inner.top()), QPoint(outer.right(), inner.bottom())), fill);
}

} // namespace

SelectionPainter::SelectionPainter(SurfaceForm& form, const DrawkitState& kit)
    : form_(form), kit_(kit) {}

void SelectionPainter::DrawBands(std::initializer_list<Band> bands, int colour, PenMix mix) {
    QRect area;
    for (const Band& band : bands) {
        area = area.united(CapsuleArea(band));
    }
    WindowDC dc(form_, area);
    SelectedPalette palette(*dc, kit_.PaletteHandle);
    dc->SelectObject(CreatePen(PS_SOLID, 1, kit_.PaletteColour(colour)));
    dc->SetROP2(mix);
    for (const Band& band : bands) {
        DrawCapsule(*dc, band);
    }
}

void SelectionPainter::ShowFrame(std::optional<Cell> cell, BoardOrigin origin) {
    if (cell == frameShownAt_) {
        return;
    }
    const std::optional<Cell> left = std::exchange(frameShownAt_, cell);
    for (const std::optional<Cell>& changed : {left, cell}) {
        if (changed) {
            form_.ShowSurface(FrameArea(origin, *changed));
        }
    }
}

QRect SelectionPainter::FrameArea(BoardOrigin origin, Cell cell) const {
    const CursorFrame frame = CursorFrameOf(origin, cell);
    const QRect box(QPoint(frame.topLeft.x, frame.topLeft.y),
                    QPoint(frame.bottomRight.x, frame.bottomRight.y));
    return box.adjusted(-kFrameEdgeWidth, -kFrameEdgeWidth, kFrameEdgeWidth, kFrameEdgeWidth);
}

void SelectionPainter::PaintFrame(QPainter& painter, BoardOrigin origin) const {
    if (!frameShownAt_) {
        return;
    }
    const double ratio = form_.devicePixelRatioF();
    const QRect area = FrameArea(origin, *frameShownAt_);
    const QRect outer(QPoint(DevicePixel(area.left(), ratio), DevicePixel(area.top(), ratio)),
                      QPoint(DevicePixel(area.right() + 1, ratio) - 1,
                             DevicePixel(area.bottom() + 1, ratio) - 1));
    const int edge = DevicePixel(kFrameEdgeWidth, ratio);
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    FillFrame(painter, outer, edge, kit_.PaletteQColor(PaletteRole::Cursor));
    FillFrame(painter, outer.adjusted(edge, edge, -edge, -edge), edge,
              kit_.PaletteQColor(PaletteRole::CursorEdge));
    painter.restore();
}

} // namespace lexiglade
