#pragma once
// The options dialog's pictures, drawn in code so every run shows the same pixels.
#include <QImage>

namespace lexiglade {

// 32 x 32 on a transparent ground: a speaker with sound waves, and the same speaker greyed and
// crossed out.
QImage SoundOnPicture();
QImage SoundOffPicture();

// 32 x 32 on a transparent ground: two beamed notes, and the same notes greyed and struck through.
QImage MusicOnPicture();
QImage MusicOffPicture();

// 40 x 35 on black: a rounded green "OK" button.
QImage OkPicture();

} // namespace lexiglade
