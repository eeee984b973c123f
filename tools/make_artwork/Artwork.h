#pragma once
// Writes the whole shipped artwork set into one folder.
#include <QString>
#include <QStringList>

namespace lexiglade::artwork {

// Writes "a1.asl" to "a6.asl" into `folder`, the denser sets of the screen artwork into their
// folders in it, the screen artwork again with its words in each of `languages` ("de") taken from
// the game's catalogue of that language in `translations` ("lexiglade_de.qm") into the language's
// folder, and every hint picture into `folder`/pictures, creating the folders. Throws
// std::runtime_error on the first file that cannot be written or read, on a word a catalogue lacks
// or that does not fit its place, and on a hint picture whose name another picture already has.
void WriteArtwork(const QString& folder, const QString& translations, const QStringList& languages);

} // namespace lexiglade::artwork
