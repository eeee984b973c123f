// The found-word chime "s2.asl" as the generator writes it.
#include "TempFolder.h"
#include "tools/make_sounds/SoundSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace lexiglade::test {
namespace {

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes.at(at + static_cast<std::size_t>(i));
    }
    return value;
}

std::string Tag(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::string(bytes.begin() + static_cast<long>(at),
                       bytes.begin() + static_cast<long>(at) + 4);
}

class Chime : public testing::Test {
  protected:
    void SetUp() override {
        sounds::WriteSoundSet(folder_.Path());
        bytes_ = ReadFile(folder_ / "s2.asl");
        ASSERT_GE(bytes_.size(), 44u);
        for (std::size_t at = 44; at + 1 < bytes_.size(); at += 2) {
            samples_.push_back(static_cast<std::int16_t>(Little(bytes_, at, 2)));
        }
    }
    TempFolder folder_;
    std::vector<std::uint8_t> bytes_;
    std::vector<std::int16_t> samples_;
};

TEST_F(Chime, IsASixteenBitPcmWaveOfAboutHalfASecond) {
    EXPECT_EQ(Tag(bytes_, 0), "RIFF");
    EXPECT_EQ(Little(bytes_, 4, 4), bytes_.size() - 8);
    EXPECT_EQ(Tag(bytes_, 8), "WAVE");
    EXPECT_EQ(Tag(bytes_, 12), "fmt ");
    EXPECT_EQ(Little(bytes_, 16, 4), 16u);
    EXPECT_EQ(Little(bytes_, 20, 2), 1u); // PCM
    const std::uint32_t channels = Little(bytes_, 22, 2);
    const std::uint32_t rate = Little(bytes_, 24, 4);
    EXPECT_EQ(channels, 1u);
    EXPECT_EQ(rate, 44100u);
    EXPECT_EQ(Little(bytes_, 28, 4), rate * channels * 2);
    EXPECT_EQ(Little(bytes_, 32, 2), channels * 2);
    EXPECT_EQ(Little(bytes_, 34, 2), 16u);
    EXPECT_EQ(Tag(bytes_, 36), "data");
    EXPECT_EQ(Little(bytes_, 40, 4), bytes_.size() - 44);
    const double seconds = static_cast<double>(samples_.size()) / rate;
    EXPECT_GE(seconds, 0.3);
    EXPECT_LE(seconds, 0.6);
}

// Loud enough to hear, well under full scale, rising and dying away smoothly.
TEST_F(Chime, NeitherClipsNorClicks) {
    int peak = 0;
    std::size_t peakAt = 0;
    int steepest = 0;
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        const int level = std::abs(static_cast<int>(samples_[i]));
        if (level > peak) {
            peak = level;
            peakAt = i;
        }
        if (i > 0) {
            steepest = std::max(steepest, std::abs(samples_[i] - samples_[i - 1]));
        }
    }
    EXPECT_GE(peak, 8000);
    EXPECT_LE(peak, 29000);
    EXPECT_LT(static_cast<double>(peakAt) / 44100, 0.12) << "a short attack";
    EXPECT_LT(steepest, 12000);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_LT(std::abs(samples_[i]), 100) << "start " << i;
    }
    for (std::size_t i = 0; i < 44; ++i) { // the last millisecond
        EXPECT_LT(std::abs(samples_[samples_.size() - 1 - i]), 100) << "end " << i;
    }
    EXPECT_EQ(samples_.front(), 0);
}

} // namespace
} // namespace lexiglade::test
