#include "tools/make_sounds/Midi.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace lexiglade::sounds {

namespace {

enum Rank { MetaRank, SetupRank, NoteOffRank, NoteOnRank };

void PutBig(Bytes& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

std::uint8_t Status(int kind, int channel) {
    if (channel < 0 || channel > 15) {
        throw std::invalid_argument("MIDI channel out of range");
    }
    return static_cast<std::uint8_t>(kind | channel);
}

std::uint8_t Data(int value) {
    if (value < 0 || value > 127) {
        throw std::invalid_argument("MIDI data byte out of range");
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace

Bytes VariableLength(std::uint32_t value) {
    if (value > 0x0FFFFFFF) {
        throw std::invalid_argument("delta time too large");
    }
    Bytes out{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0) {
        out.insert(out.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    }
    return out;
}

void MidiTrack::Add(std::uint32_t tick, int rank, Bytes bytes) {
    events_.push_back({tick, rank, events_.size(), std::move(bytes)});
}

void MidiTrack::Meta(std::uint32_t tick, std::uint8_t type, Bytes data) {
    Bytes bytes{0xFF, type};
    const Bytes length = VariableLength(static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), length.begin(), length.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    Add(tick, MetaRank, std::move(bytes));
}

void MidiTrack::TrackName(std::uint32_t tick, std::string_view name) {
    Meta(tick, 0x03, Bytes(name.begin(), name.end()));
}

void MidiTrack::Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter) {
    Bytes data;
    PutBig(data, microsecondsPerQuarter, 3);
    Meta(tick, 0x51, std::move(data));
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    Meta(tick, 0x58,
         {Data(numerator), Data(denominatorPower), 24,
          8}); // a click each quarter, 8 32nds a quarter
}

void MidiTrack::KeySignature(std::uint32_t tick, int sharps, bool minor) {
    if (sharps < -7 || sharps > 7) {
        throw std::invalid_argument("key signature out of range");
    }
    Meta(tick, 0x59,
         {static_cast<std::uint8_t>(static_cast<std::int8_t>(sharps)),
          static_cast<std::uint8_t>(minor ? 1 : 0)});
}

void MidiTrack::ProgramChange(std::uint32_t tick, int channel, int program) {
    Add(tick, SetupRank, {Status(0xC0, channel), Data(program)});
}

void MidiTrack::Controller(std::uint32_t tick, int channel, int controller, int value) {
    Add(tick, SetupRank, {Status(0xB0, channel), Data(controller), Data(value)});
}

void MidiTrack::NoteOn(std::uint32_t tick, int channel, int key, int velocity) {
    if (velocity < 1) {
        throw std::invalid_argument("a note-on needs a velocity of 1 or more");
    }
    Add(tick, NoteOnRank, {Status(0x90, channel), Data(key), Data(velocity)});
}

void MidiTrack::NoteOff(std::uint32_t tick, int channel, int key) {
    Add(tick, NoteOffRank, {Status(0x80, channel), Data(key), 64});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    NoteOn(tick, channel, key, velocity);
    NoteOff(tick + std::max<std::uint32_t>(length, 1), channel, key);
}

Bytes MidiTrack::Chunk() const {
    std::vector<const Event*> sorted;
    for (const Event& event : events_) {
        sorted.push_back(&event);
    }
    std::sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick) {
            return a->tick < b->tick;
        }
        return a->rank != b->rank ? a->rank < b->rank : a->order < b->order;
    });
    Bytes body;
    std::uint32_t now = 0;
    for (const Event* event : sorted) {
        const Bytes delta = VariableLength(event->tick - now);
        body.insert(body.end(), delta.begin(), delta.end());
        body.insert(body.end(), event->bytes.begin(), event->bytes.end());
        now = event->tick;
    }
    const Bytes delta = VariableLength(std::max(end_, now) - now);
    body.insert(body.end(), delta.begin(), delta.end());
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    Bytes chunk{'M', 'T', 'r', 'k'};
    PutBig(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

MidiTrack& MidiFile::AddTrack() {
    tracks_.emplace_back();
    return tracks_.back();
}

Bytes MidiFile::Serialise() const {
    Bytes out{'M', 'T', 'h', 'd'};
    PutBig(out, 6, 4);
    PutBig(out, 1, 2);
    PutBig(out, static_cast<std::uint32_t>(tracks_.size()), 2);
    PutBig(out, static_cast<std::uint32_t>(ticksPerQuarter_), 2);
    for (const MidiTrack& track : tracks_) {
        const Bytes chunk = track.Chunk();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

void MidiFile::Write(const std::string& path) const {
    const Bytes bytes = Serialise();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace lexiglade::sounds
