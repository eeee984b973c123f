#pragma once
// The puzzle maker's refusals in the player's language, as its form and the library command show
// them.
#include "wizard/Validation.h"

#include <QString>

namespace lexiglade {

// One of the texts of the puzzle maker's checks (Validation.h).
QString CheckText(const char* text);

// The message of a failed check, the library text in it converted from Latin-1.
QString VerdictText(const Verdict& verdict);

} // namespace lexiglade
