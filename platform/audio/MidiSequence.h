#pragma once
// A standard MIDI file read into what a synthesiser plays: its channel messages in the order they
// sound, each at its sample frame from the start of the track, and the frame where the track ends.
#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade {

struct ChannelMessage {
    std::uint64_t frame = 0;
    std::uint8_t status = 0; // 0x80 to 0xEF: the kind of message and its channel
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0; // 0 for the one-byte messages (program change, channel pressure)

    bool operator==(const ChannelMessage&) const = default;
};

struct MidiSequence {
    std::vector<ChannelMessage> messages;
    std::uint64_t endFrame = 0; // the last end-of-track event of any track

    bool operator==(const MidiSequence&) const = default;
};

// Reads the file at `path` for an output of `rate` frames a second. Throws PlatformError
// "Cannot open file %s" when it cannot be read, and "Cannot play file %s: not a standard MIDI
// file" when anything in it is malformed: chunks, delta times, events, a track without its end.
MidiSequence ReadMidiFile(const std::string& path, int rate);
// The same for bytes already read; `path` names them in the error.
MidiSequence ReadMidiSequence(const std::vector<std::uint8_t>& bytes, int rate,
                              const std::string& path);

} // namespace lexiglade
