// Reading standard MIDI files into what the synthesiser plays, from bytes written out by hand.
#include "platform/audio/MidiSequence.h"
#include "platform/GdiError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kRate = 44100;
constexpr std::uint8_t kPpqnHigh = 0x01; // 480 ticks a quarter: 0x01E0
constexpr std::uint8_t kPpqnLow = 0xE0;
const Bytes kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};

Bytes Chunk(const char* tag, const Bytes& body) {
    Bytes chunk(tag, tag + 4);
    const auto size = static_cast<std::uint32_t>(body.size());
    for (const int shift : {24, 16, 8, 0}) {
        chunk.push_back(static_cast<std::uint8_t>(size >> shift));
    }
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Bytes File(const std::vector<Bytes>& tracks, std::uint8_t divisionHigh = kPpqnHigh,
           std::uint8_t divisionLow = kPpqnLow) {
    Bytes file = Chunk(
        "MThd", {0, 1, 0, static_cast<std::uint8_t>(tracks.size()), divisionHigh, divisionLow});
    for (const Bytes& track : tracks) {
        const Bytes chunk = Chunk("MTrk", track);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

Bytes Join(std::vector<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

MidiSequence Read(const Bytes& bytes) {
    return ReadMidiSequence(bytes, kRate, "test.mid");
}

struct Expected {
    std::uint64_t frame;
    std::uint8_t status;
    std::uint8_t data1;
    std::uint8_t data2;
};

void ExpectMessages(const MidiSequence& sequence, const std::vector<Expected>& expected) {
    ASSERT_EQ(sequence.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ChannelMessage& m = sequence.messages[i];
        EXPECT_EQ(m.frame, expected[i].frame) << i;
        EXPECT_EQ(m.status, expected[i].status) << i;
        EXPECT_EQ(m.data1, expected[i].data1) << i;
        EXPECT_EQ(m.data2, expected[i].data2) << i;
    }
}

// At the default 120 quarters a minute, 480 ticks last half a second. Running status repeats
// the last status; programs and channel pressure carry one data byte.
TEST(MidiSequence, ChannelMessagesComeAtTheirFrames) {
    const Bytes track = Join({{0x00, 0xC3, 0x05},               // program 5, channel 4
                              {0x83, 0x60, 0x93, 0x3C, 0x64},   // 480: note on
                              {0x60, 0x3C, 0x00},               // 576: running status
                              {0x00, 0xD3, 0x40},               // channel pressure
                              {0x00, 0xE3, 0x00, 0x40},         // pitch bend, centre
                              {0x83, 0x60, 0xFF, 0x2F, 0x00}}); // end at 1056
    const MidiSequence sequence = Read(File({track}));
    ExpectMessages(sequence, {{0, 0xC3, 5, 0},
                              {22050, 0x93, 60, 100},
                              {26460, 0x93, 60, 0},
                              {26460, 0xD3, 0x40, 0},
                              {26460, 0xE3, 0, 0x40}});
    EXPECT_EQ(sequence.endFrame, 48510u);
}

// A tempo change in the first track sets the time of every later tick in every track.
TEST(MidiSequence, TempoChangesTimeTheTicksAfterThem) {
    const Bytes conductor = Join({{0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40},       // 60 a minute
                                  {0x83, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}, // 240 at 1 s
                                  kEndOfTrack});
    const Bytes notes = Join({{0x83, 0x60, 0x90, 0x40, 0x50}, // 480: 1 s
                              {0x83, 0x60, 0x80, 0x40, 0x00}, // 960: 1.25 s
                              kEndOfTrack});
    const MidiSequence sequence = Read(File({conductor, notes}));
    ExpectMessages(sequence, {{44100, 0x90, 64, 80}, {55125, 0x80, 64, 0}});
    EXPECT_EQ(sequence.endFrame, 55125u);
}

// Messages of one tick keep the order of their tracks; the sequence ends with its longest track.
TEST(MidiSequence, TracksMergeInTimeAndEndWithTheLongest) {
    const Bytes first = Join({{0x00, 0x90, 0x3C, 0x40}, {0x60, 0x90, 0x3E, 0x40}, kEndOfTrack});
    const Bytes second =
        Join({{0x00, 0x91, 0x30, 0x40}, {0x60, 0x91, 0x32, 0x40}, {0x83, 0x60, 0xFF, 0x2F, 0x00}});
    const MidiSequence sequence = Read(File({first, second}));
    ExpectMessages(
        sequence,
        {{0, 0x90, 60, 64}, {0, 0x91, 48, 64}, {4410, 0x90, 62, 64}, {4410, 0x91, 50, 64}});
    EXPECT_EQ(sequence.endFrame, 26460u);
}

// Meta and system exclusive events are read over; a time-code division counts ticks in frames
// of a second (25 frames of 40 ticks: a thousand ticks a second).
TEST(MidiSequence, MetaAndSystemExclusiveAreSkippedAndTimeCodeCounts) {
    const Bytes track = Join({{0x00, 0xFF, 0x03, 0x04, 'N', 'a', 'm', 'e'},
                              {0x00, 0xF0, 0x03, 0x7E, 0x09, 0xF7},
                              {0x83, 0x74, 0x92, 0x45, 0x30}, // tick 500
                              kEndOfTrack});
    const MidiSequence sequence = Read(File({track}, 0xE7, 0x28));
    ExpectMessages(sequence, {{22050, 0x92, 69, 48}});
    EXPECT_EQ(sequence.endFrame, 22050u);
}

TEST(MidiSequence, MalformedFilesAreRefused) {
    const Bytes good = Join({{0x00, 0x90, 0x3C, 0x40}, kEndOfTrack});
    Bytes trailing = File({good});
    trailing.insert(trailing.end(), {'M', 'T', 'r'});
    Bytes badHeaderLength = File({good});
    badHeaderLength[7] = 5;
    Bytes formatThree = File({good});
    formatThree[9] = 3;
    Bytes noTracks = File({good});
    noTracks[11] = 0;
    Bytes lengthPastEnd = File({good});
    lengthPastEnd[21] = 40;
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"not a header", Join({Chunk("RIFF", {0, 1, 0, 1, 1, 0xE0}), Chunk("MTrk", good)})},
        {"header of five bytes", badHeaderLength},
        {"format 3", formatThree},
        {"no tracks in the header", noTracks},
        {"division 0", File({good}, 0, 0)},
        {"time code of no ticks", File({good}, 0xE7, 0)},
        {"chunk longer than the file", lengthPastEnd},
        {"a partial chunk at the end", trailing},
        {"no track chunk", Join({Chunk("MThd", {0, 1, 0, 1, 1, 0xE0}), Chunk("XXXX", good)})},
        {"track without its end", File({{0x00, 0x90, 0x3C, 0x40}})},
        {"event cut short", File({{0x00, 0x90, 0x3C}})},
        {"data byte without a status", File({Join({{0x00, 0x3C, 0x40}, kEndOfTrack})})},
        {"status as a data byte", File({Join({{0x00, 0x90, 0x3C, 0x80}, kEndOfTrack})})},
        {"delta time of five bytes", File({Join({{0x81, 0x81, 0x81, 0x81, 0x01}, kEndOfTrack})})},
        {"tempo of two bytes", File({Join({{0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1}, kEndOfTrack})})},
        {"tempo of zero", File({Join({{0x00, 0xFF, 0x51, 0x03, 0, 0, 0}, kEndOfTrack})})},
        {"real-time byte", File({Join({{0x00, 0xF8}, kEndOfTrack})})},
        {"meta longer than its track", File({{0x00, 0xFF, 0x01, 0x10, 'a'}})},
    };
    for (const auto& bad : cases) {
        try {
            Read(bad.bytes);
            ADD_FAILURE() << bad.what << ": read";
        } catch (const PlatformError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Cannot play file test.mid: not a standard MIDI file")
                << bad.what;
        }
    }
}

TEST(MidiSequence, FileThatCannotBeReadIsNamed) {
    try {
        ReadMidiFile("/no/such/folder/track.mid", kRate);
        ADD_FAILURE() << "read";
    } catch (const PlatformError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file /no/such/folder/track.mid");
    }
}

} // namespace
} // namespace lexiglade
