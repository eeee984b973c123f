#pragma once
// Glyphs of the hotspot pictures, each drawn to fill the box it is given.
#include <QPainter>
#include <QRectF>

namespace lexiglade::artwork {

// A door standing ajar with an arrow leaving through it.
void DrawExitGlyph(QPainter& p, const QRectF& box);
// A letter grid with a pencil lying across it.
void DrawCreateGlyph(QPainter& p, const QRectF& box);
// A gear with a music note in front of it.
void DrawOptionsGlyph(QPainter& p, const QRectF& box);
// A printer; with `page` a printed sheet comes out of it, otherwise a gear sits on it.
void DrawPrinterGlyph(QPainter& p, const QRectF& box, bool page);
// A toothed wheel centred on `centre` with outer radius `radius`.
void DrawGear(QPainter& p, QPointF centre, qreal radius, const QColor& fill);

} // namespace lexiglade::artwork
