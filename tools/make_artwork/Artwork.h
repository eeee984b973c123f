#pragma once
// Writes the whole shipped artwork set into one folder.
#include <QString>

namespace lexiglade::artwork {

// Writes "a1.asl" to "a6.asl" into `folder` and every hint picture into `folder`/pictures,
// creating both folders. Throws std::runtime_error on the first file that cannot be written and
// on a hint picture whose name another picture already has.
void WriteArtwork(const QString& folder);

} // namespace lexiglade::artwork
