#pragma once
// A small writer of standard MIDI files: events at absolute ticks, written as format 1 with
// variable-length delta times.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglade::sounds {

using Bytes = std::vector<std::uint8_t>;

// The variable-length quantity of a delta time: 7 bits a byte, most significant first.
Bytes VariableLength(std::uint32_t value);

class MidiTrack {
  public:
    void TrackName(std::uint32_t tick, std::string_view name);
    void Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
    // denominatorPower: 2 for quarters, 3 for eighths.
    void TimeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    // sharps: -7 to 7 (negative for flats).
    void KeySignature(std::uint32_t tick, int sharps, bool minor);
    void ProgramChange(std::uint32_t tick, int channel, int program);
    void Controller(std::uint32_t tick, int channel, int controller, int value);
    void NoteOn(std::uint32_t tick, int channel, int key, int velocity);
    void NoteOff(std::uint32_t tick, int channel, int key);
    void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    // The end-of-track event goes at this tick, or at the last event when later.
    void EndAt(std::uint32_t tick) { end_ = tick; }

    // The "MTrk" chunk. Events of one tick keep this order: meta events, programs and
    // controllers, note-offs, note-ons; otherwise the order they were added in.
    Bytes Chunk() const;

  private:
    struct Event {
        std::uint32_t tick;
        int rank;
        std::size_t order;
        Bytes bytes;
    };
    void Add(std::uint32_t tick, int rank, Bytes bytes);
    void Meta(std::uint32_t tick, std::uint8_t type, Bytes data);

    std::vector<Event> events_;
    std::uint32_t end_ = 0;
};

class MidiFile {
  public:
    explicit MidiFile(int ticksPerQuarter) : ticksPerQuarter_(ticksPerQuarter) {}
    MidiTrack& AddTrack();
    const std::vector<MidiTrack>& Tracks() const { return tracks_; }
    // The "MThd" chunk (format 1) followed by every track's chunk.
    Bytes Serialise() const;
    // Throws std::runtime_error when the file cannot be written.
    void Write(const std::string& path) const;

  private:
    int ticksPerQuarter_;
    std::vector<MidiTrack> tracks_;
};

} // namespace lexiglade::sounds
