// The music channel on the audio thread: the play's messages go to the synthesiser at their
// frames, and the synthesiser's sound is mixed into the output.
#include "platform/audio/AudioInternal.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lexiglade {

namespace {

// How long reverb and chorus go on after the last voice has ended.
constexpr double kRingOutSeconds = 2.0;
constexpr float kFullScale = 32767.0F;

// At the end of the track a play that reports its end does so, once, and runs on into the next
// pass; any other play, and a track of no length, is over.
void EndPass(MusicChannel& music) {
    if (music.reportsEnd && !music.runningOn) {
        music.runningOn = true;
        const std::uint64_t ended = music.play;
        PostToUi([ended] { FinishPlay(ended); });
    }
    if (!music.reportsEnd || music.sequence->endFrame == 0) {
        music.play = 0;
        music.runningOn = false;
        return;
    }
    music.next = 0;
    music.position = 0;
    music.synth->ResetChannels();
}

// Sends the messages due by now. The result is how many of `wanted` frames can be rendered
// before anything else falls due.
int SendDueMessages(MusicChannel& music, int wanted) {
    while (music.play != 0) {
        const std::vector<ChannelMessage>& messages = music.sequence->messages;
        while (music.next < messages.size() && messages[music.next].frame <= music.position) {
            music.synth->Send(messages[music.next++]);
        }
        const std::uint64_t due =
            music.next < messages.size() ? messages[music.next].frame : music.sequence->endFrame;
        if (due > music.position) {
            return static_cast<int>(
                std::min<std::uint64_t>(static_cast<std::uint64_t>(wanted), due - music.position));
        }
        EndPass(music);
    }
    return wanted;
}

std::int16_t Mixed(std::int16_t sample, float added) {
    const float sum = static_cast<float>(sample) + added * kFullScale;
    return static_cast<std::int16_t>(std::lround(std::clamp(sum, -kFullScale - 1, kFullScale)));
}

void MixInto(const MusicChannel& music, std::int16_t* out, int frames, int channels) {
    for (int i = 0; i < frames; ++i) {
        std::int16_t* frame = out + static_cast<std::ptrdiff_t>(i) * channels;
        const auto at = static_cast<std::size_t>(i);
        if (channels == 1) {
            frame[0] = Mixed(frame[0], (music.left[at] + music.right[at]) / 2);
        } else {
            frame[0] = Mixed(frame[0], music.left[at]);
            frame[1] = Mixed(frame[1], music.right[at]);
        }
    }
}

} // namespace

void RenderMusic(void*, std::uint8_t* stream, int bytes) {
    AudioState& audio = Audio();
    MusicChannel& music = audio.music;
    const std::lock_guard lock(music.lock);
    if (!music.synth || !music.synth->Error().empty()) {
        return;
    }
    const auto ringOut = static_cast<std::uint64_t>(kRingOutSeconds * audio.rate);
    const int frames = bytes / audio.frameBytes;
    auto* out = reinterpret_cast<std::int16_t*>(stream);
    const int scratch = static_cast<int>(music.left.size());
    for (int done = 0; done < frames;) {
        const int count = SendDueMessages(music, std::min(frames - done, scratch));
        const bool sounding = music.synth->Sounding();
        if (music.play == 0 && !sounding && music.quietFrames >= ringOut) {
            return; // nothing more to hear until the next play
        }
        music.quietFrames = music.play == 0 && !sounding ? music.quietFrames + count : 0;
        music.synth->Render(music.left.data(), music.right.data(), count);
        MixInto(music, out + static_cast<std::ptrdiff_t>(done) * audio.channels, count,
                audio.channels);
        music.position += music.play != 0 ? count : 0;
        done += count;
    }
}

} // namespace lexiglade
