#include "library/CheckedBlocks.h"

#include "library/Journal.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace lexiglade {

namespace {

std::uint64_t BlockHash(std::string_view payload, std::uint64_t number) {
    // FNV-1a of the payload, then the block's number mixed in, so that a block in the wrong place
    // does not pass either.
    std::uint64_t hash = DigestOf(payload).hash ^ (number * 0x9e3779b97f4a7c15u);
    hash ^= hash >> 31;
    hash *= 0xbf58476d1ce4e5b9u;
    return hash ^ (hash >> 29);
}

} // namespace

std::string SealBlocks(std::string_view payload) {
    const std::size_t blocks = std::max<std::size_t>(
        1, (payload.size() + kCheckedBlockPayload - 1) / kCheckedBlockPayload);
    std::string bytes(blocks * kCheckedBlockSize, '\0');
    for (std::size_t b = 0; b < blocks; ++b) {
        char* block = bytes.data() + b * kCheckedBlockSize;
        const std::string_view part = payload.substr(
            std::min(payload.size(), b * kCheckedBlockPayload), kCheckedBlockPayload);
        std::memcpy(block, part.data(), part.size());
        const std::uint64_t hash = BlockHash({block, kCheckedBlockPayload}, b);
        std::memcpy(block + kCheckedBlockPayload, &hash, sizeof hash);
    }
    return bytes;
}

void KeepCacheFile(const std::filesystem::path& dataDir, const char* name, std::string_view bytes) {
    // Removed as a leftover if cut short.
    std::string temp = dataDir / (std::string(kStagedPrefix) + "XXXXXX");
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    bool written = true;
    while (written && !bytes.empty()) {
        const ssize_t piece = ::write(fd, bytes.data(), bytes.size());
        written = piece > 0;
        if (written) {
            bytes.remove_prefix(static_cast<std::size_t>(piece));
        }
    }
    if (::close(fd) != 0 || !written || std::rename(temp.c_str(), (dataDir / name).c_str()) != 0) {
        ::unlink(temp.c_str());
    }
}

bool CheckedBlockReader::Load(std::uint64_t number) {
    if (number == loaded_) {
        return true;
    }
    loaded_ = ~std::uint64_t{0};
    if (file_.ReadAt(number * kCheckedBlockSize, block_.data(), kCheckedBlockSize) !=
        kCheckedBlockSize) {
        return false;
    }
    std::uint64_t hash = 0;
    std::memcpy(&hash, block_.data() + kCheckedBlockPayload, sizeof hash);
    if (hash != BlockHash({block_.data(), kCheckedBlockPayload}, number)) {
        return false;
    }
    loaded_ = number;
    return true;
}

bool CheckedBlockReader::Read(std::uint64_t offset, void* out, std::size_t size) {
    auto* target = static_cast<char*>(out);
    while (size > 0) {
        const std::uint64_t number = offset / kCheckedBlockPayload;
        const std::size_t within = static_cast<std::size_t>(offset % kCheckedBlockPayload);
        if (!Load(number)) {
            return false;
        }
        const std::size_t take = std::min(size, kCheckedBlockPayload - within);
        std::memcpy(target, block_.data() + within, take);
        target += take;
        offset += take;
        size -= take;
    }
    return true;
}

} // namespace lexiglade
