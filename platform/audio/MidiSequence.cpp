#include "platform/audio/MidiSequence.h"

#include "platform/GdiError.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace lexiglade {

namespace {

constexpr std::uint32_t kDefaultMicrosPerQuarter = 500000; // 120 quarters a minute
constexpr std::uint8_t kMetaEvent = 0xFF;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kSetTempo = 0x51;
constexpr std::uint8_t kSystemExclusive = 0xF0;
constexpr std::uint8_t kSystemExclusiveEscape = 0xF7;

struct Malformed {};

// Reads big-endian numbers and variable-length quantities from [at, end); throws Malformed past
// the end.
class ByteReader {
  public:
    ByteReader(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t end)
        : bytes_(bytes), at_(at), end_(end) {}

    std::uint8_t Byte() {
        if (at_ >= end_) {
            throw Malformed{};
        }
        return bytes_[at_++];
    }
    std::uint32_t Big(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value = (value << 8) | Byte();
        }
        return value;
    }
    // At most four bytes, as the file format allows.
    std::uint32_t Variable() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t byte = Byte();
            value = (value << 7) | (byte & 0x7Fu);
            if ((byte & 0x80u) == 0) {
                return value;
            }
        }
        throw Malformed{};
    }
    void Skip(std::uint32_t count) {
        if (count > end_ - at_) {
            throw Malformed{};
        }
        at_ += count;
    }

  private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
    std::size_t end_;
};

struct TickedMessage {
    std::uint64_t tick;
    ChannelMessage message;
};

struct TempoChange {
    std::uint64_t tick;
    std::uint32_t microsPerQuarter;
};

struct Reading {
    std::vector<TickedMessage> messages;
    std::vector<TempoChange> tempi;
    std::uint64_t endTick = 0;
};

int DataBytes(std::uint8_t status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// A meta event after its type byte; false at the end of the track.
bool ReadMeta(ByteReader& track, std::uint64_t tick, Reading& reading) {
    const std::uint8_t type = track.Byte();
    const std::uint32_t length = track.Variable();
    if (type == kEndOfTrack) {
        reading.endTick = std::max(reading.endTick, tick);
        return false;
    }
    if (type == kSetTempo) {
        const std::uint32_t micros = length == 3 ? track.Big(3) : 0;
        if (micros == 0) {
            throw Malformed{};
        }
        reading.tempi.push_back({tick, micros});
        return true;
    }
    track.Skip(length);
    return true;
}

// A channel message whose first byte is `first`: a status, or a data byte under running status.
ChannelMessage ReadChannelMessage(ByteReader& track, std::uint8_t first, std::uint8_t& running) {
    ChannelMessage message;
    if (first < 0x80) {
        if (running == 0) {
            throw Malformed{};
        }
        message.status = running;
        message.data1 = first;
    } else {
        message.status = running = first;
        message.data1 = track.Byte();
    }
    message.data2 = DataBytes(message.status) == 2 ? track.Byte() : 0;
    if (message.data1 >= 0x80 || message.data2 >= 0x80) {
        throw Malformed{};
    }
    return message;
}

void ReadTrack(ByteReader track, Reading& reading) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    for (;;) {
        tick += track.Variable();
        const std::uint8_t first = track.Byte();
        if (first == kMetaEvent) {
            if (!ReadMeta(track, tick, reading)) {
                return;
            }
        } else if (first == kSystemExclusive || first == kSystemExclusiveEscape) {
            track.Skip(track.Variable());
        } else if (first > kSystemExclusive) {
            throw Malformed{};
        } else {
            reading.messages.push_back({tick, ReadChannelMessage(track, first, running)});
        }
    }
}

// Seconds from the start to each tick, by the division and the tempo changes.
class TickClock {
  public:
    TickClock(std::uint32_t division, std::vector<TempoChange> tempi) : tempi_(std::move(tempi)) {
        if ((division & 0x8000u) != 0) {
            const int fps = 256 - static_cast<int>(division >> 8);
            const auto ticksPerFrame = static_cast<int>(division & 0xFFu);
            if (ticksPerFrame == 0) {
                throw Malformed{};
            }
            framesPerSecond_ = (fps == 29 ? 29.97 : fps) * ticksPerFrame;
        } else if (division == 0) {
            throw Malformed{};
        }
        division_ = division;
        std::stable_sort(
            tempi_.begin(), tempi_.end(),
            [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    }

    double Seconds(std::uint64_t tick) const {
        if (framesPerSecond_ > 0) {
            return static_cast<double>(tick) / framesPerSecond_;
        }
        double seconds = 0;
        std::uint64_t from = 0;
        std::uint32_t micros = kDefaultMicrosPerQuarter;
        for (const TempoChange& change : tempi_) {
            if (change.tick >= tick) {
                break;
            }
            seconds += SecondsPerTick(micros) * static_cast<double>(change.tick - from);
            from = change.tick;
            micros = change.microsPerQuarter;
        }
        return seconds + SecondsPerTick(micros) * static_cast<double>(tick - from);
    }

  private:
    double SecondsPerTick(std::uint32_t micros) const {
        return static_cast<double>(micros) / 1e6 / division_;
    }

    std::vector<TempoChange> tempi_;
    double framesPerSecond_ = 0; // for time-code divisions
    std::uint32_t division_ = 1;
};

bool IsTag(const std::vector<std::uint8_t>& bytes, std::size_t at, const char* tag) {
    return std::equal(tag, tag + 4, bytes.begin() + static_cast<long>(at));
}

// The header's division; every chunk lies within the file and at least one is a track.
std::uint32_t ReadChunks(const std::vector<std::uint8_t>& bytes, Reading& reading) {
    ByteReader header(bytes, 0, bytes.size());
    if (bytes.size() < 14 || !IsTag(bytes, 0, "MThd")) {
        throw Malformed{};
    }
    header.Skip(4);
    const std::uint32_t headerLength = header.Big(4);
    const std::uint32_t format = header.Big(2);
    const std::uint32_t trackCount = header.Big(2);
    const std::uint32_t division = header.Big(2);
    std::size_t at = 8 + static_cast<std::size_t>(headerLength);
    if (headerLength < 6 || format > 2 || trackCount == 0 || at > bytes.size()) {
        throw Malformed{};
    }
    int tracks = 0;
    while (at != bytes.size()) {
        if (bytes.size() - at < 8) {
            throw Malformed{};
        }
        const std::size_t length = ByteReader(bytes, at + 4, at + 8).Big(4);
        if (length > bytes.size() - at - 8) {
            throw Malformed{};
        }
        if (IsTag(bytes, at, "MTrk")) {
            ReadTrack(ByteReader(bytes, at + 8, at + 8 + length), reading);
            ++tracks;
        }
        at += 8 + length;
    }
    if (tracks == 0) {
        throw Malformed{};
    }
    return division;
}

std::uint64_t FrameAt(const TickClock& clock, std::uint64_t tick, int rate) {
    return static_cast<std::uint64_t>(std::llround(clock.Seconds(tick) * rate));
}

} // namespace

MidiSequence ReadMidiSequence(const std::vector<std::uint8_t>& bytes, int rate,
                              const std::string& path) {
    try {
        Reading reading;
        const std::uint32_t division = ReadChunks(bytes, reading);
        const TickClock clock(division, std::move(reading.tempi));
        // Tracks were read one after another: a stable sort keeps their order within a tick.
        std::stable_sort(
            reading.messages.begin(), reading.messages.end(),
            [](const TickedMessage& a, const TickedMessage& b) { return a.tick < b.tick; });
        MidiSequence sequence;
        sequence.messages.reserve(reading.messages.size());
        for (TickedMessage& ticked : reading.messages) {
            ticked.message.frame = FrameAt(clock, ticked.tick, rate);
            sequence.messages.push_back(ticked.message);
        }
        sequence.endFrame = FrameAt(clock, reading.endTick, rate);
        return sequence;
    } catch (const Malformed&) {
        throw PlatformError("Cannot play file " + path + ": not a standard MIDI file");
    }
}

MidiSequence ReadMidiFile(const std::string& path, int rate) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw PlatformError("Cannot open file " + path);
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (file.bad()) {
        throw PlatformError("Cannot open file " + path);
    }
    return ReadMidiSequence(bytes, rate, path);
}

} // namespace lexiglade
