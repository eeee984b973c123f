#pragma once
// An independent reader of standard MIDI files, to check what the writer and the generator make.
#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade::test {

struct MidiEvent {
    std::uint32_t tick = 0;
    std::uint8_t status = 0; // 0xFF for meta events
    int metaType = -1;
    std::vector<std::uint8_t> data;
};

struct MidiTrackData {
    std::vector<MidiEvent> events; // the end-of-track event last
};

struct MidiData {
    int format = 0;
    int division = 0;
    std::vector<MidiTrackData> tracks;
};

struct TimedNote {
    int channel = 0;
    int key = 0;
    int velocity = 0;
    std::uint32_t on = 0;
    std::uint32_t off = 0;
};

// Throws std::runtime_error for anything malformed: chunk lengths, delta times, a track that
// does not end with its end-of-track event.
MidiData ReadMidi(const std::vector<std::uint8_t>& bytes);
// Seconds from the start to `tick` by the tempo events of every track.
double SecondsAt(const MidiData& midi, std::uint32_t tick);
// The tick of the last end-of-track event.
std::uint32_t EndTick(const MidiData& midi);
// Every note, paired note-on with note-off; throws when a note is never released or starts
// again while it sounds.
std::vector<TimedNote> Notes(const MidiData& midi);

} // namespace lexiglade::test
