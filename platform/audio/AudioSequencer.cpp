#include "platform/audio/AudioSequencer.h"

#include "platform/GdiError.h"
#include "platform/LogCategories.h"
#include "platform/audio/AudioInternal.h"

#include <SDL.h>

#include <utility>

namespace lexiglade {

namespace {

constexpr Uint32 kWaitStepMs = 5;

// The track, read whole; one that cannot be played is reported once for the output's life.
MidiSequence ReadTrack(const std::string& path, AudioState& audio) {
    try {
        return ReadMidiFile(path, audio.rate);
    } catch (const PlatformError& error) {
        if (audio.music.refusedTracks.insert(path).second) {
            qCWarning(AudioLog, "Music track refused: %s", error.what());
        }
        throw;
    }
}

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
            break;
        }
    }
    // Queued after whatever the report queued: a restart by then has taken the pass over.
    PostToUi([playId] { CutRunOn(playId); });
}

void CutRunOn(std::uint64_t playId) {
    MusicChannel& music = Audio().music;
    if (!music.synth) {
        return;
    }
    const std::lock_guard lock(music.lock);
    if (music.play == playId && music.runningOn) {
        music.play = 0;
        music.runningOn = false;
        music.synth->Silence();
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
    if (!audio.open || audio.music.soundFont.empty()) {
        return false;
    }
    auto sequence = std::make_shared<const MidiSequence>(ReadTrack(path, audio));
    if (!ReadySynth().Error().empty()) {
        throw PlatformError(ReadySynth().Error());
    }
    sequence_ = std::move(sequence);
    return true;
}

void MidiSequencer::Play(std::function<void()> ended) {
    Halt();
    if (!sequence_) {
        return;
    }
    playId_ = channelPlay_ = NextAudioId();
    ended_ = std::move(ended);
    MusicChannel& music = Audio().music;
    std::shared_ptr<const MidiSequence> previous; // freed after the lock
    const std::lock_guard lock(music.lock);
    if (music.play != 0 && music.runningOn && *music.sequence == *sequence_) {
        music.play = playId_; // the pass under way began where the last one ended
        music.reportsEnd = static_cast<bool>(ended_);
        music.runningOn = false;
        return;
    }
    if (music.play != 0) {
        music.synth->Silence();
    }
    music.synth->ResetChannels();
    previous = std::exchange(music.sequence, sequence_);
    music.next = 0;
    music.position = 0;
    music.quietFrames = 0;
    music.play = playId_;
    music.reportsEnd = static_cast<bool>(ended_);
    music.runningOn = false;
}

bool MidiSequencer::PassUnderWay(std::uint64_t playId) const {
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
    while (PassUnderWay(channelPlay_)) {
        SDL_Delay(kWaitStepMs);
    }
    channelPlay_ = 0;
    return true;
}

void MidiSequencer::Halt() {
    ended_ = nullptr;
    playId_ = 0;
    const std::uint64_t id = std::exchange(channelPlay_, 0);
    MusicChannel& music = Audio().music;
    if (id == 0 || !music.synth) {
        return;
    }
    const std::lock_guard lock(music.lock);
    if (music.play == id) {
        music.play = 0;
        music.runningOn = false;
        music.synth->Silence();
    }
}

bool MidiSequencer::RunningOn() const {
    MusicChannel& music = Audio().music;
    if (channelPlay_ == 0 || !music.synth) {
        return false;
    }
    const std::lock_guard lock(music.lock);
    return music.play == channelPlay_ && music.runningOn;
}

void MidiSequencer::Unload() {
    if (RunningOn()) {
        // Left for a restart of the same track to take over; cut off once this event is over.
        const std::uint64_t id = std::exchange(channelPlay_, 0);
        PostToUi([id] { CutRunOn(id); });
        playId_ = 0;
        ended_ = nullptr;
    } else {
        Halt();
    }
    sequence_.reset();
}

} // namespace lexiglade
