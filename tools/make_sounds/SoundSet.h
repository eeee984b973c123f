#pragma once
// The shipped sound files: the chime "s2.asl" and the seven music tracks.
#include <string>
#include <vector>

namespace lexiglade::sounds {

// Names of every file WriteSoundSet writes.
std::vector<std::string> SoundFileNames();
// Writes them into `folder` (which must exist, with or without a trailing '/'); throws
// std::runtime_error when a file cannot be written.
void WriteSoundSet(const std::string& folder);

} // namespace lexiglade::sounds
