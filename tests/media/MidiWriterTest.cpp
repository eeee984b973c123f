// The MIDI writer: variable-length delta times, the header and track chunks, event order.
#include "MidiReader.h"
#include "tools/make_sounds/Midi.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lexiglade::test {
namespace {

using sounds::Bytes;
using sounds::MidiFile;
using sounds::MidiTrack;
using sounds::VariableLength;

TEST(MidiWriter, WritesDeltaTimesAsVariableLengthQuantities) {
    const struct {
        std::uint32_t value;
        Bytes bytes;
    } cases[] = {
        {0, {0x00}},
        {0x40, {0x40}},
        {0x7F, {0x7F}},
        {0x80, {0x81, 0x00}},
        {480, {0x83, 0x60}},
        {0x3FFF, {0xFF, 0x7F}},
        {0x4000, {0x81, 0x80, 0x00}},
        {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x200000, {0x81, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VariableLength(c.value), c.bytes) << c.value;
    }
    EXPECT_THROW(VariableLength(0x10000000), std::invalid_argument);
}

TEST(MidiWriter, HeaderChunkIsFormatOneWithItsTracksAndDivision) {
    MidiFile file(480);
    file.AddTrack();
    file.AddTrack();
    const Bytes bytes = file.Serialise();
    const Bytes header = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0};
    ASSERT_GE(bytes.size(), header.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14), header);
    const MidiData midi = ReadMidi(bytes);
    EXPECT_EQ(midi.format, 1);
    EXPECT_EQ(midi.division, 480);
    EXPECT_EQ(midi.tracks.size(), 2u);
}

// Events added out of order come out in tick order, each after the delta from the one before.
TEST(MidiWriter, TrackChunkHoldsSortedEventsWithDeltaTimes) {
    MidiTrack track;
    track.NoteOn(480, 0, 60, 100);
    track.Tempo(0, 500000);
    track.NoteOff(960, 0, 60);
    const Bytes expected = {'M',  'T',  'r',  'k',  0,    0,    0,    21,   0x00, 0xFF,
                            0x51, 0x03, 0x07, 0xA1, 0x20, 0x83, 0x60, 0x90, 0x3C, 0x64,
                            0x83, 0x60, 0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(track.Chunk(), expected);
}

// At one tick: meta events, then programs and controllers, then note-offs, then note-ons, so a
// note struck again at the tick its predecessor ends is not cut off.
TEST(MidiWriter, EventsOfOneTickGoInTheirClassOrder) {
    MidiFile file(96);
    MidiTrack& track = file.AddTrack();
    track.NoteOn(10, 3, 64, 90);
    track.NoteOff(10, 3, 64);
    track.Controller(10, 3, 7, 100);
    track.TrackName(10, "x");
    track.ProgramChange(10, 3, 5);
    const MidiData midi = ReadMidi(file.Serialise());
    const auto& events = midi.tracks[0].events;
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].metaType, 0x03);
    EXPECT_EQ(events[1].status, 0xB3);
    EXPECT_EQ(events[2].status, 0xC3);
    EXPECT_EQ(events[3].status, 0x83);
    EXPECT_EQ(events[4].status, 0x93);
    EXPECT_EQ(events[5].metaType, 0x2F);
    for (const MidiEvent& event : events) {
        EXPECT_EQ(event.tick, 10u);
    }
}

TEST(MidiWriter, EndOfTrackComesAtItsTickOrAfterTheLastEvent) {
    const struct {
        std::uint32_t endAt;
        std::uint32_t expected;
    } cases[] = {{0, 200}, {150, 200}, {200, 200}, {5000, 5000}};
    for (const auto& c : cases) {
        MidiFile file(96);
        MidiTrack& track = file.AddTrack();
        track.Note(100, 100, 0, 60, 80);
        track.EndAt(c.endAt);
        const MidiData midi = ReadMidi(file.Serialise());
        EXPECT_EQ(EndTick(midi), c.expected) << c.endAt;
    }
}

TEST(MidiWriter, MetaEventsCarryTheirValues) {
    MidiFile file(96);
    MidiTrack& track = file.AddTrack();
    track.Tempo(0, 909091);
    track.TimeSignature(0, 6, 3);
    track.KeySignature(0, -3, true);
    const MidiData midi = ReadMidi(file.Serialise());
    const auto& events = midi.tracks[0].events;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].data, (std::vector<std::uint8_t>{0x0D, 0xDF, 0x23}));
    EXPECT_EQ(events[1].data, (std::vector<std::uint8_t>{6, 3, 24, 8}));
    EXPECT_EQ(events[2].data, (std::vector<std::uint8_t>{0xFD, 1}));
}

TEST(MidiWriter, RefusesValuesOutsideMidi) {
    MidiTrack track;
    EXPECT_THROW(track.NoteOn(0, 16, 60, 80), std::invalid_argument);
    EXPECT_THROW(track.NoteOn(0, 0, 128, 80), std::invalid_argument);
    EXPECT_THROW(track.NoteOn(0, 0, 60, 0), std::invalid_argument);
    EXPECT_THROW(track.ProgramChange(0, 0, 128), std::invalid_argument);
    EXPECT_THROW(track.Controller(0, -1, 7, 100), std::invalid_argument);
    EXPECT_THROW(track.KeySignature(0, 8, false), std::invalid_argument);
}

TEST(MidiWriter, NotesReadBackWithTheirTimes) {
    MidiFile file(480);
    MidiTrack& track = file.AddTrack();
    track.Note(0, 480, 1, 48, 70);
    track.Note(240, 960, 9, 42, 30);
    track.Note(480, 480, 1, 48, 75); // struck again as the first ends
    const std::vector<TimedNote> notes = Notes(ReadMidi(file.Serialise()));
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].on, 0u);
    EXPECT_EQ(notes[0].off, 480u);
    EXPECT_EQ(notes[1].channel, 9);
    EXPECT_EQ(notes[1].off, 1200u);
    EXPECT_EQ(notes[2].velocity, 75);
    EXPECT_EQ(notes[2].on, 480u);
}

} // namespace
} // namespace lexiglade::test
