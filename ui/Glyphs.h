#pragma once
// Small pictures of the catalogue tree, drawn once.
#include <QIcon>

namespace lexiglade {

const QIcon& FolderGlyph();
const QIcon& PageGlyph();

} // namespace lexiglade
