// The found-word effect through the disk audio driver.
#include "DiskAudio.h"
#include "TempFolder.h"
#include "media/Sound.h"
#include "tools/make_sounds/Chime.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lexiglade::test {
namespace {

TEST(SoundEffect, NameIsTheEffectNumber) {
    EXPECT_EQ(SoundEffectName(2), "s2.asl");
    EXPECT_EQ(SoundEffectName(12), "s12.asl");
}

// With sounds on the chime goes into the output from a data folder with a long path; with
// sounds off nothing does.
TEST(SoundEffect, FoundWordPlaysTheChimeWhenSoundsAreOn) {
    for (const bool soundsOn : {true, false}) {
        TempFolder folder;
        const std::string data = folder / (std::string(100, 'd') + "/");
        std::filesystem::create_directories(data);
        WriteFile(data + "s2.asl", sounds::WaveFile(sounds::ChimeSamples(), sounds::ChimeRate, 1));
        DiskOutput output(folder.Path());
        ASSERT_TRUE(AudioOutput::IsOpen()) << AudioOutput::OpenError();
        PlaySoundEffect(SoundEffect::FoundWord, soundsOn, {data, data});
        const std::uint64_t from = AudioOutput::FramesMixed();
        ASSERT_TRUE(WaitFor([&] { return AudioOutput::FramesMixed() > from + 44100; }));
        output.Close();
        const std::vector<std::int16_t> samples = output.Samples();
        const std::vector<Stretch> sound = SoundStretches(samples);
        if (soundsOn) {
            ASSERT_EQ(sound.size(), 1u);
            EXPECT_GE(sound[0].length, 0.25);
            EXPECT_LE(sound[0].length, 0.6);
        } else {
            EXPECT_EQ(PeakOf(samples), 0);
        }
    }
}

// A later effect starts at once, cutting the one before it short. The output runs near real
// time here, so the second effect surely comes while the first still sounds.
TEST(SoundEffect, LaterEffectCutsAnEarlierOne) {
    TempFolder folder;
    WriteFile(folder / "s2.asl", sounds::WaveFile(sounds::ChimeSamples(), sounds::ChimeRate, 1));
    const DataFolders folders{folder.Path(), folder.Path()};
    DiskOutput output(folder.Path(), 20);
    PlaySoundEffect(SoundEffect::FoundWord, true, folders);
    const std::uint64_t from = AudioOutput::FramesMixed();
    ASSERT_TRUE(WaitFor([&] { return AudioOutput::FramesMixed() > from + 4410; }));
    PlaySoundEffect(SoundEffect::FoundWord, true, folders);
    ASSERT_TRUE(WaitFor([&] { return AudioOutput::FramesMixed() > from + 30000; }));
    output.Close();
    const std::vector<Stretch> sound = SoundStretches(output.Samples());
    ASSERT_EQ(sound.size(), 1u);
    EXPECT_LT(sound[0].length, 0.45 * 2 - 0.05) << "the first chime was not cut off";
}

TEST(SoundEffect, MissingEffectFileIsSilent) {
    TempFolder folder;
    DiskOutput output(folder.Path());
    PlaySoundEffect(SoundEffect::FoundWord, true, {folder.Path(), folder.Path()});
    const std::uint64_t from = AudioOutput::FramesMixed();
    ASSERT_TRUE(WaitFor([&] { return AudioOutput::FramesMixed() > from + 22050; }));
    output.Close();
    EXPECT_EQ(PeakOf(output.Samples()), 0);
}

// An installed game's player folder holds no sounds: the chime comes from the shipped folder.
TEST(SoundEffect, AnEffectMissingFromDataDirIsPlayedFromTheShippedFolder) {
    TempFolder player;
    TempFolder shipped;
    WriteFile(shipped / "s2.asl", sounds::WaveFile(sounds::ChimeSamples(), sounds::ChimeRate, 1));
    DiskOutput output(player.Path());
    PlaySoundEffect(SoundEffect::FoundWord, true, {player.Path(), shipped.Path()});
    const std::uint64_t from = AudioOutput::FramesMixed();
    ASSERT_TRUE(WaitFor([&] { return AudioOutput::FramesMixed() > from + 44100; }));
    output.Close();
    EXPECT_EQ(SoundStretches(output.Samples()).size(), 1u);
}

} // namespace
} // namespace lexiglade::test
