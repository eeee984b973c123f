// The seven shipped tracks, read back from the files the generator writes.
#include "MidiReader.h"
#include "TempFolder.h"
#include "tools/make_sounds/SoundSet.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace lexiglade::test {
namespace {

constexpr double kFirstNoteSeconds = 0.02;

const std::vector<std::string> kTrackNames = {"arc1.mid", "arc3.mid",  "arc4.mid", "arc5.mid",
                                              "arc8.mid", "arc10.mid", "arc11.mid"};

// Keys each General MIDI instrument the tracks use can play well.
const std::map<int, std::pair<int, int>> kProgramRanges = {
    {0, {21, 108}},  {4, {28, 103}}, {6, {29, 89}},  {8, {60, 108}}, {11, {53, 89}}, {24, {40, 84}},
    {32, {28, 60}},  {35, {28, 60}}, {41, {48, 84}}, {42, {36, 76}}, {43, {28, 60}}, {45, {28, 96}},
    {46, {23, 103}}, {48, {28, 96}}, {49, {28, 96}}, {52, {48, 79}}, {68, {58, 91}}, {70, {34, 75}},
    {71, {50, 94}},  {73, {60, 96}}, {74, {60, 96}}, {75, {60, 96}}, {89, {36, 96}}};

struct Track {
    std::string name;
    MidiData midi;
    std::vector<TimedNote> notes;
};

class ShippedMusic : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempFolder>();
        sounds::WriteSoundSet(folder_->Path());
        for (const std::string& name : kTrackNames) {
            MidiData midi = ReadMidi(ReadFile(*folder_ / name));
            std::vector<TimedNote> notes = Notes(midi);
            tracks_.push_back({name, std::move(midi), std::move(notes)});
        }
    }
    static void TearDownTestSuite() {
        tracks_.clear();
        folder_.reset();
    }
    static inline std::unique_ptr<TempFolder> folder_;
    static inline std::vector<Track> tracks_;
};

std::vector<const MidiEvent*> ChannelEvents(const MidiData& midi, int kind) {
    std::vector<const MidiEvent*> found;
    for (const MidiTrackData& track : midi.tracks) {
        for (const MidiEvent& event : track.events) {
            if (event.status != 0xFF && (event.status & 0xF0) == kind) {
                found.push_back(&event);
            }
        }
    }
    return found;
}

const MidiEvent* Meta(const MidiData& midi, int type) {
    for (const MidiEvent& event : midi.tracks[0].events) {
        if (event.metaType == type) {
            return &event;
        }
    }
    return nullptr;
}

int TonicOf(const MidiData& midi) {
    const MidiEvent* key = Meta(midi, 0x59);
    const int sharps = static_cast<std::int8_t>(key->data[0]);
    const int major = ((7 * sharps) % 12 + 12) % 12;
    return key->data[1] == 1 ? (major + 9) % 12 : major;
}

TEST_F(ShippedMusic, GeneratorWritesTheChimeAndEveryTrackOfTheGame) {
    std::vector<std::string> expected = {"s2.asl"};
    expected.insert(expected.end(), kTrackNames.begin(), kTrackNames.end());
    EXPECT_EQ(sounds::SoundFileNames(), expected);
    ASSERT_EQ(tracks_.size(), 7u);
}

TEST_F(ShippedMusic, TracksLastFortyToOneHundredTwentySeconds) {
    for (const Track& track : tracks_) {
        const double seconds = SecondsAt(track.midi, EndTick(track.midi));
        EXPECT_GE(seconds, 40) << track.name;
        EXPECT_LE(seconds, 120) << track.name;
    }
}

TEST_F(ShippedMusic, TracksHaveMelodyHarmonyBassAndLightPercussion) {
    for (const Track& track : tracks_) {
        EXPECT_EQ(track.midi.format, 1) << track.name;
        std::map<int, int> notesOn;
        std::map<int, int> loudest;
        for (const TimedNote& note : track.notes) {
            ++notesOn[note.channel];
            loudest[note.channel] = std::max(loudest[note.channel], note.velocity);
        }
        for (const int channel : {0, 1, 2, 9}) {
            EXPECT_GE(notesOn[channel], 16) << track.name << " channel " << channel;
        }
        EXPECT_LE(loudest[9], 60) << track.name << ": percussion stays light";
        std::set<int> programmed;
        for (const MidiEvent* change : ChannelEvents(track.midi, 0xC0)) {
            programmed.insert(change->status & 0x0F);
        }
        EXPECT_TRUE(programmed.contains(0) && programmed.contains(1) && programmed.contains(2))
            << track.name;
        EXPECT_FALSE(programmed.contains(9)) << track.name << ": channel 10 keeps its drum kit";
    }
}

TEST_F(ShippedMusic, NotesStayWithinGeneralMidiRanges) {
    for (const Track& track : tracks_) {
        std::map<int, int> program;
        for (const MidiEvent* change : ChannelEvents(track.midi, 0xC0)) {
            ASSERT_EQ(change->tick, 0u) << track.name;
            program[change->status & 0x0F] = change->data[0];
        }
        for (const TimedNote& note : track.notes) {
            EXPECT_GE(note.velocity, 1) << track.name;
            if (note.channel == 9) {
                EXPECT_TRUE(note.key >= 35 && note.key <= 81)
                    << track.name << ": percussion key " << note.key;
                continue;
            }
            ASSERT_TRUE(program.contains(note.channel)) << track.name;
            const int instrument = program[note.channel];
            ASSERT_TRUE(kProgramRanges.contains(instrument)) << track.name << ": " << instrument;
            const auto [lo, hi] = kProgramRanges.at(instrument);
            EXPECT_TRUE(note.key >= lo && note.key <= hi)
                << track.name << ": key " << note.key << " on program " << instrument;
        }
    }
}

// The loop closes without a seam: the track fades in from its very start, its last notes are the
// tonic, and it ends as they are released, with no silence after them.
TEST_F(ShippedMusic, TracksStartSoftlyAndEndRingingOnTheTonic) {
    for (const Track& track : tracks_) {
        const MidiData& midi = track.midi;
        EXPECT_LE(SecondsAt(midi, track.notes.front().on), kFirstNoteSeconds) << track.name;
        std::map<int, int> startExpression;
        for (const MidiEvent* control : ChannelEvents(midi, 0xB0)) {
            if (control->data[0] == 11 && control->tick == 0) {
                startExpression[control->status & 0x0F] = control->data[1];
            }
        }
        std::map<int, std::pair<std::uint32_t, int>> last; // channel: onset, key
        std::uint32_t lastOff = 0;
        for (const TimedNote& note : track.notes) {
            if (SecondsAt(midi, note.on) < 2) {
                EXPECT_LE(startExpression.count(note.channel) ? startExpression[note.channel] : 127,
                          64)
                    << track.name << ": channel " << note.channel << " starts loud";
            }
            if (!last.contains(note.channel) || note.on >= last[note.channel].first) {
                last[note.channel] = {note.on, note.key};
            }
            lastOff = std::max(lastOff, note.off);
        }
        EXPECT_EQ(EndTick(midi), lastOff) << track.name << ": silence after the last note";
        const double end = SecondsAt(midi, EndTick(midi));
        const int tonic = TonicOf(midi);
        for (const int channel : {0, 2}) {
            EXPECT_EQ(last[channel].second % 12, tonic) << track.name << " channel " << channel;
            EXPECT_GE(end - SecondsAt(midi, last[channel].first), 1.5)
                << track.name << ": the last note has time to ring";
        }
    }
}

TEST_F(ShippedMusic, EachTrackHasACharacterOfItsOwn) {
    std::set<std::tuple<std::vector<std::uint8_t>, std::vector<std::uint8_t>, int>> characters;
    std::set<int> melodyInstruments;
    for (const Track& track : tracks_) {
        const MidiEvent* key = Meta(track.midi, 0x59);
        const MidiEvent* metre = Meta(track.midi, 0x58);
        const MidiEvent* tempo = Meta(track.midi, 0x51);
        ASSERT_TRUE(key && metre && tempo) << track.name;
        const int quartersPerMinute =
            60'000'000 / ((tempo->data[0] << 16) | (tempo->data[1] << 8) | tempo->data[2]);
        EXPECT_TRUE(quartersPerMinute >= 60 && quartersPerMinute <= 100)
            << track.name << ": calm tempo " << quartersPerMinute;
        characters.insert({key->data, metre->data, quartersPerMinute});
        for (const MidiEvent* change : ChannelEvents(track.midi, 0xC0)) {
            if ((change->status & 0x0F) == 0) {
                melodyInstruments.insert(change->data[0]);
            }
        }
    }
    EXPECT_EQ(characters.size(), 7u);
    EXPECT_EQ(melodyInstruments.size(), 7u);
}

} // namespace
} // namespace lexiglade::test
