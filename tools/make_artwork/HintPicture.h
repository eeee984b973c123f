#pragma once
// One hint picture: the file it is saved as and how it is drawn.
#include <QPainter>

namespace lexiglade::artwork {

struct HintPicture {
    const char* file; // upper-case 8.3 name, as the hint bank names it
    void (*draw)(QPainter&);
};

} // namespace lexiglade::artwork
