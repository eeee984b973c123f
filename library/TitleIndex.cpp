#include "library/TitleIndex.h"

#include <bit>
#include <cstring>

namespace lexiglade {

namespace {

// The finaliser of MurmurHash3: every input bit reaches every output bit.
std::uint64_t Avalanche(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdu;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53u;
    h ^= h >> 33;
    return h;
}

} // namespace

// Eight bytes at a time into two lanes that share no state.
TitleHash HashTitle(std::string_view title) {
    std::uint64_t a = 0x243f6a8885a308d3u ^ title.size();
    std::uint64_t b = 0x13198a2e03707344u + title.size();
    const char* data = title.data();
    for (std::size_t left = title.size(); left > 0;) {
        std::uint64_t word = 0;
        const std::size_t take = left < 8 ? left : 8;
        std::memcpy(&word, data, take);
        a = std::rotl((a ^ word) * 0x9e3779b97f4a7c15u, 29);
        b = std::rotl(b + word * 0xc2b2ae3d27d4eb4fu, 31) * 0x165667b19e3779f9u;
        data += take;
        left -= take;
    }
    return {Avalanche(a), static_cast<std::uint32_t>(Avalanche(b) >> 32)};
}

// A table at most three quarters full, built once the lines are known, so never grown. The slots
// of the lines ahead are fetched early: a large table is mostly out of the caches.
void TitleIndex::Seal() {
    constexpr std::size_t kAhead = 8;
    slots_.assign(std::bit_ceil((lines_.size() * 4 + 2) / 3 + 1), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        if (k + kAhead < lines_.size()) {
            __builtin_prefetch(&slots_[lines_[k + kAhead].hash.key & mask]);
        }
        const TitleHash& hash = lines_[k].hash;
        Slot& slot = slots_[SlotOf(hash)];
        if (slot.line == kEmpty) {
            slot = {hash.key, hash.check, static_cast<std::uint32_t>(k)};
            lines_[k].first = true;
        }
    }
}

std::size_t TitleIndex::SlotOf(const TitleHash& hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash.key & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.line == kEmpty || (slot.key == hash.key && slot.check == hash.check)) {
            return i;
        }
    }
}

bool TitleIndex::FirstHolds(std::uint32_t line, const TitleHash& hash) const {
    return line < lines_.size() && lines_[line].first && lines_[line].hash == hash;
}

std::optional<std::uint32_t> TitleIndex::Find(const TitleHash& hash,
                                              std::optional<std::uint32_t> near) const {
    if (slots_.empty()) {
        return std::nullopt;
    }
    if (near) {
        for (const std::uint32_t line : {*near + 1, *near - 1}) {
            if (FirstHolds(line, hash)) {
                return line;
            }
        }
    }
    const Slot& slot = slots_[SlotOf(hash)];
    if (slot.line == kEmpty) {
        return std::nullopt;
    }
    return slot.line;
}

} // namespace lexiglade
