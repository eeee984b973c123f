#pragma once
// The game's application icon, drawn once from shapes and written both as PNG files at the
// usual menu sizes and as a scalable SVG file with the same shapes.
#include <QImage>
#include <QString>

#include <array>

namespace lexiglade::artwork {

// The icon's own square: every shape lies within 0..kAppIconUnits on both axes.
inline constexpr int kAppIconUnits = 256;
// The sizes of the PNG files, in pixels.
inline constexpr std::array<int, 4> kAppIconSizes = {48, 64, 128, 256};

// The icon at `size` x `size` pixels on a transparent ground.
QImage RenderAppIcon(int size);
// The same icon as an SVG document.
QString AppIconSvg();
// Writes `folder`/lexiglade-N.png for every size and `folder`/lexiglade.svg, creating the folder.
// Throws std::runtime_error on the first file that cannot be written.
void WriteAppIcons(const QString& folder);

} // namespace lexiglade::artwork
