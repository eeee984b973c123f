#pragma once
// The small pictures on the print dialog's buttons: a green tick and a red cross.
#include <QIcon>

namespace lexiglade {

const QIcon& PrintOkGlyph();
const QIcon& PrintCancelGlyph();

} // namespace lexiglade
