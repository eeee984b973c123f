#include "platform/AudioSequencer.h"

#include "platform/AudioInternal.h"
#include "platform/GdiError.h"

#include <SDL.h>

#include <utility>

namespace lexiglade {

namespace {

constexpr Uint32 WaitStepMs = 5;

} // namespace

void FinishPlay(std::uint64_t playId) {
    if (playId == 0) {
        return;
    }
    for (MidiSequencer* sequencer : Audio().sequencers) {
        if (sequencer->playId_ == playId) {
            sequencer->playId_ = 0;
            const std::function<void()> ended = std::exchange(sequencer->ended_, nullptr);
            if (ended) {
                ended();
            }
            return;
        }
    }
}

void DetachSequencers() {
    for (MidiSequencer* sequencer : Audio().sequencers) {
        sequencer->Unload();
    }
}

MidiSequencer::MidiSequencer() {
    Audio().sequencers.insert(this);
}

MidiSequencer::~MidiSequencer() {
    Unload();
    Audio().sequencers.erase(this);
}

bool MidiSequencer::Load(const std::string& path) {
    Unload();
    AudioState& audio = Audio();
    if (!audio.open) {
        return false;
    }
    auto sequence = std::make_shared<const MidiSequence>(ReadMidiFile(path, audio.rate));
    if (!audio.music.synth->Error().empty()) {
        throw PlatformError(audio.music.synth->Error());
    }
    sequence_ = std::move(sequence);
    return true;
}

void MidiSequencer::Play(std::function<void()> ended) {
    Halt();
    if (!sequence_) {
        return;
    }
    playId_ = NextAudioId();
    ended_ = std::move(ended);
    MusicChannel& music = Audio().music;
    std::shared_ptr<const MidiSequence> previous;
    {
        const std::lock_guard lock(music.lock);
        if (music.play != 0) {
            music.synth->Silence();
        }
        music.synth->ResetChannels();
        previous = std::exchange(music.sequence, sequence_);
        music.next = 0;
        music.position = 0;
        music.quietFrames = 0;
        music.play = playId_;
    }
}

bool MidiSequencer::StillPlaying(std::uint64_t playId) const {
    MusicChannel& music = Audio().music;
    const std::lock_guard lock(music.lock);
    return music.play == playId;
}

bool MidiSequencer::PlayAndWait() {
    if (!sequence_) {
        Halt();
        return false;
    }
    Play(nullptr);
    while (StillPlaying(playId_)) {
        SDL_Delay(WaitStepMs);
    }
    playId_ = 0; // the report of the end, still queued, finds no play and is dropped
    return true;
}

void MidiSequencer::Halt() {
    ended_ = nullptr;
    const std::uint64_t id = std::exchange(playId_, 0);
    MusicChannel& music = Audio().music;
    if (id == 0 || !music.synth) {
        return;
    }
    const std::lock_guard lock(music.lock);
    if (music.play == id) {
        music.play = 0;
        music.synth->Silence();
    }
}

void MidiSequencer::Unload() {
    Halt();
    sequence_.reset();
}

} // namespace lexiglade
