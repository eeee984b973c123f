#pragma once
// The designed dialogs keep each control's designed size while its caption fits it. A longer
// caption (a translation, or a font wider than the design's) widens the control rather than being
// cut off, so the English layout stays as designed wherever it fits.
#include <Qt>

class QLabel;
class QWidget;

namespace lexiglade {

// Widens `control` (a label, check box, radio button or push button) until its caption fits on one
// line beside its check mark or icon, in its font and style, keeping its left edge, or its right
// edge when `keep` is Qt::AlignRight. A caption that fits leaves the control as it is.
void WidenToCaption(QWidget& control, Qt::AlignmentFlag keep = Qt::AlignLeft);

// Widens a word-wrapping `label` until its caption fits within its height.
void WidenToWrappedCaption(QLabel& label);

} // namespace lexiglade
