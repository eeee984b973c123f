#include "MidiReader.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace lexiglade::test {

namespace {

class Cursor {
  public:
    Cursor(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t end)
        : bytes_(bytes), at_(at), end_(end) {}
    bool AtEnd() const { return at_ >= end_; }
    std::size_t Position() const { return at_; }
    std::uint8_t Byte() {
        if (at_ >= end_) {
            throw std::runtime_error("MIDI data runs past its chunk");
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
    std::uint32_t VariableLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t byte = Byte();
            value = (value << 7) | (byte & 0x7F);
            if ((byte & 0x80) == 0) {
                return value;
            }
        }
        throw std::runtime_error("variable-length quantity longer than 4 bytes");
    }
    std::vector<std::uint8_t> Take(std::size_t count) {
        std::vector<std::uint8_t> out;
        for (std::size_t i = 0; i < count; ++i) {
            out.push_back(Byte());
        }
        return out;
    }
    std::string Tag() {
        std::string tag;
        for (int i = 0; i < 4; ++i) {
            tag += static_cast<char>(Byte());
        }
        return tag;
    }

  private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
    std::size_t end_;
};

int DataBytes(std::uint8_t status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

MidiTrackData ReadTrack(Cursor& in) {
    MidiTrackData track;
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    while (!in.AtEnd()) {
        tick += in.VariableLength();
        MidiEvent event;
        event.tick = tick;
        std::uint8_t first = in.Byte();
        if (first == 0xFF) {
            event.status = 0xFF;
            event.metaType = in.Byte();
            event.data = in.Take(in.VariableLength());
            track.events.push_back(event);
            if (event.metaType == 0x2F) {
                if (!in.AtEnd()) {
                    throw std::runtime_error("events after the end of track");
                }
                return track;
            }
            continue;
        }
        if (first < 0x80) {
            if (running == 0) {
                throw std::runtime_error("data byte without a status");
            }
            event.status = running;
            event.data.push_back(first);
            if (DataBytes(running) == 2) {
                event.data.push_back(in.Byte());
            }
        } else {
            if (first >= 0xF0) {
                throw std::runtime_error("system event in a track");
            }
            running = event.status = first;
            event.data = in.Take(static_cast<std::size_t>(DataBytes(first)));
        }
        if (std::any_of(event.data.begin(), event.data.end(),
                        [](std::uint8_t b) { return b > 127; })) {
            throw std::runtime_error("data byte above 127");
        }
        track.events.push_back(event);
    }
    throw std::runtime_error("track without an end-of-track event");
}

} // namespace

MidiData ReadMidi(const std::vector<std::uint8_t>& bytes) {
    Cursor header(bytes, 0, bytes.size());
    if (header.Tag() != "MThd" || header.Big(4) != 6) {
        throw std::runtime_error("no MThd chunk of 6 bytes");
    }
    MidiData midi;
    midi.format = static_cast<int>(header.Big(2));
    const std::uint32_t count = header.Big(2);
    midi.division = static_cast<int>(header.Big(2));
    std::size_t at = header.Position();
    for (std::uint32_t i = 0; i < count; ++i) {
        Cursor chunk(bytes, at, bytes.size());
        if (chunk.Tag() != "MTrk") {
            throw std::runtime_error("expected an MTrk chunk");
        }
        const std::uint32_t length = chunk.Big(4);
        if (chunk.Position() + length > bytes.size()) {
            throw std::runtime_error("track chunk longer than the file");
        }
        Cursor body(bytes, chunk.Position(), chunk.Position() + length);
        midi.tracks.push_back(ReadTrack(body));
        at = chunk.Position() + length;
    }
    if (at != bytes.size()) {
        throw std::runtime_error("bytes after the last track");
    }
    return midi;
}

double SecondsAt(const MidiData& midi, std::uint32_t tick) {
    std::map<std::uint32_t, std::uint32_t> tempi{{0, 500000}};
    for (const MidiTrackData& track : midi.tracks) {
        for (const MidiEvent& event : track.events) {
            if (event.metaType == 0x51) {
                tempi[event.tick] = (event.data[0] << 16) | (event.data[1] << 8) | event.data[2];
            }
        }
    }
    double seconds = 0;
    for (auto it = tempi.begin(); it != tempi.end() && it->first < tick; ++it) {
        const auto next = std::next(it);
        const std::uint32_t until = next == tempi.end() ? tick : std::min(next->first, tick);
        seconds += (until - it->first) * (it->second / 1e6) / midi.division;
    }
    return seconds;
}

std::uint32_t EndTick(const MidiData& midi) {
    std::uint32_t end = 0;
    for (const MidiTrackData& track : midi.tracks) {
        end = std::max(end, track.events.back().tick);
    }
    return end;
}

std::vector<TimedNote> Notes(const MidiData& midi) {
    std::vector<TimedNote> notes;
    for (const MidiTrackData& track : midi.tracks) {
        std::map<std::pair<int, int>, TimedNote> sounding;
        for (const MidiEvent& event : track.events) {
            const int kind = event.status & 0xF0;
            const int channel = event.status & 0x0F;
            if (event.status == 0xFF || (kind != 0x80 && kind != 0x90)) {
                continue;
            }
            const std::pair<int, int> key{channel, event.data[0]};
            if (kind == 0x90 && event.data[1] > 0) {
                if (sounding.contains(key)) {
                    throw std::runtime_error("a note starts again before it is released");
                }
                sounding[key] = {channel, event.data[0], event.data[1], event.tick, 0};
            } else if (sounding.contains(key)) {
                TimedNote note = sounding[key];
                note.off = event.tick;
                notes.push_back(note);
                sounding.erase(key);
            }
        }
        if (!sounding.empty()) {
            throw std::runtime_error("a note is never released");
        }
    }
    std::sort(notes.begin(), notes.end(),
              [](const TimedNote& a, const TimedNote& b) { return a.on < b.on; });
    return notes;
}

} // namespace lexiglade::test
