#pragma once
// A cache file that shows any damage: its bytes are kept in blocks of 4096, each ending with a
// hash of what it holds and of its place, so that a part of it can be read and believed without
// reading the rest.
#include "library/InputFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace lexiglade {

inline constexpr std::size_t kCheckedBlockSize = 4096;
inline constexpr std::size_t kCheckedBlockPayload = kCheckedBlockSize - 8;

// The file's bytes for `payload`: blocks of payload, each followed by its hash; the last block is
// filled up with zeros.
std::string SealBlocks(std::string_view payload);

// Writes a cache file of the folder `dataDir` under a name of its own and renames it to `name`:
// a cache cut short is never found under its name. A cache that cannot be written is no fault (it
// is made again when needed), so nothing is raised.
void KeepCacheFile(const std::filesystem::path& dataDir, const char* name, std::string_view bytes);

// Reads the payload of a sealed file, block by block.
class CheckedBlockReader {
  public:
    explicit CheckedBlockReader(InputFile& file) : file_(file) {}
    // `size` bytes of payload from `offset` into `out`; false when the file is too short or a
    // block does not hold what its hash says. "Cannot read file %s: reason" when reading fails.
    bool Read(std::uint64_t offset, void* out, std::size_t size);

  private:
    // Block `number` into `block_`, checked; false when it cannot be believed.
    bool Load(std::uint64_t number);

    InputFile& file_;
    std::string block_ = std::string(kCheckedBlockSize, '\0');
    std::uint64_t loaded_ = ~std::uint64_t{0}; // the block in block_
};

} // namespace lexiglade
