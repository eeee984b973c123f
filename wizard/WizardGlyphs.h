#pragma once
// The wizard's small pictures, drawn once: 20 x 20 button glyphs and the form's icon.
#include <QIcon>
#include <QPixmap>

namespace lexiglade {

inline constexpr int kGlyphSize = 20;

const QPixmap& CancelGlyph(); // a red cross
const QPixmap& GoBackGlyph(); // a green arrow pointing left
const QPixmap& NextGlyph();   // a green arrow pointing right
const QPixmap& NewFolderGlyph();
const QIcon& WizardIcon();

} // namespace lexiglade
