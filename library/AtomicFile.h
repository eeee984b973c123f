#pragma once
// Whole-file replacement that never leaves a half-written file behind.
#include <cstddef>
#include <string>
#include <string_view>

namespace lexiglade {

// Writes `bytes` to a temporary file in the folder of `path`, syncs it and renames it over `path`.
// On any failure the temporary file is removed and the old file stays whole:
// "Cannot create file %s" when the temporary file cannot be made,
// "Cannot write file %s: reason" when writing, syncing, closing or renaming fails.
void ReplaceFile(const std::string& path, std::string_view bytes);

// Largest piece handed to one write call.
inline constexpr std::size_t kReplaceChunkSize = std::size_t{1} << 16;

enum class ReplaceStep { Create, Write, Sync, Close, Rename };

// Test seam: called before each step (before every write call for Write); a nonzero result is taken
// as the errno with which that step fails. Null (the default) injects nothing.
using ReplaceFaultHook = int (*)(ReplaceStep step);
void SetReplaceFaultHook(ReplaceFaultHook hook);

} // namespace lexiglade
