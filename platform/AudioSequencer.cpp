#include "platform/AudioSequencer.h"

#include "platform/AudioInternal.h"
#include "platform/GdiError.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace lexiglade {

namespace {

std::uint32_t Big(const std::vector<char>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

bool HasTag(const std::vector<char>& bytes, std::size_t at, const char* tag) {
    return bytes.size() >= at + 8 &&
           std::equal(tag, tag + 4, bytes.begin() + static_cast<long>(at));
}

// A header chunk, at least one track chunk, and every chunk within the file.
bool IsStandardMidiFile(const std::vector<char>& bytes) {
    if (!HasTag(bytes, 0, "MThd") || Big(bytes, 4, 4) < 6 || bytes.size() < 14 ||
        Big(bytes, 8, 2) > 2 || Big(bytes, 10, 2) == 0 || Big(bytes, 12, 2) == 0) {
        return false;
    }
    std::size_t at = 8 + Big(bytes, 4, 4);
    int tracks = 0;
    while (at + 8 <= bytes.size()) {
        tracks += HasTag(bytes, at, "MTrk") ? 1 : 0;
        at += 8 + Big(bytes, at + 4, 4);
    }
    return tracks > 0 && at == bytes.size();
}

void CheckMidiFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw PlatformError("Cannot open file " + path);
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (file.bad()) {
        throw PlatformError("Cannot open file " + path);
    }
    if (!IsStandardMidiFile(bytes)) {
        throw PlatformError("Cannot play file " + path + ": not a standard MIDI file");
    }
}

} // namespace

void MusicFinished() {
    const std::uint64_t playId = Audio().playing.load();
    if (playId != 0) {
        PostToUi([playId] { FinishPlay(playId, true); });
    }
}

void FinishPlay(std::uint64_t playId, bool reachedEnd) {
    AudioState& audio = Audio();
    for (MidiSequencer* sequencer : audio.sequencers) {
        if (sequencer->playId_ == playId && playId != 0) {
            std::uint64_t expected = playId;
            audio.playing.compare_exchange_strong(expected, 0);
            sequencer->playId_ = 0;
            const std::function<void(bool)> ended = std::move(sequencer->ended_);
            sequencer->ended_ = nullptr;
            if (ended) {
                ended(reachedEnd);
            }
            return;
        }
    }
}

void DeliverLoad(std::uint64_t loadId) {
    AudioState& audio = Audio();
    if (!audio.loader) {
        return;
    }
    std::optional<LoadedMusic> result = audio.loader->Take(loadId, false);
    if (!result) {
        return; // cancelled, or taken by a play that waited for it
    }
    for (MidiSequencer* sequencer : audio.sequencers) {
        if (sequencer->loadId_ == loadId && sequencer->state_ == MidiSequencer::State::Loading) {
            sequencer->Loaded(result->music);
            return;
        }
    }
    if (result->music != nullptr) {
        Mix_FreeMusic(result->music);
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
    CheckMidiFile(path);
    state_ = State::Loading;
    loadId_ = NextAudioId();
    const std::uint64_t id = loadId_;
    audio.loader->Request(id, path, [id] { PostToUi([id] { DeliverLoad(id); }); });
    return true;
}

void MidiSequencer::Loaded(_Mix_Music* music) {
    state_ = music != nullptr ? State::Ready : State::Failed;
    music_ = music;
    if (playPending_) {
        Start();
    }
}

void MidiSequencer::Start() {
    playPending_ = false;
    AudioState& audio = Audio();
    if (state_ == State::Ready) {
        audio.playing = playId_;
        if (Mix_PlayMusic(music_, 1) == 0) {
            return;
        }
        audio.playing = 0;
    }
    const std::uint64_t id = playId_;
    PostToUi([id] { FinishPlay(id, false); });
}

void MidiSequencer::Play(std::function<void(bool reachedEnd)> ended) {
    Halt();
    if (state_ == State::Empty) {
        return;
    }
    playId_ = NextAudioId();
    ended_ = std::move(ended);
    if (state_ == State::Loading) {
        playPending_ = true;
    } else {
        Start();
    }
}

bool MidiSequencer::PlayAndWait() {
    Halt();
    AudioState& audio = Audio();
    if (state_ == State::Loading) {
        const std::optional<LoadedMusic> result = audio.loader->Take(loadId_, true);
        Loaded(result ? result->music : nullptr);
    }
    if (state_ != State::Ready) {
        return false;
    }
    playId_ = NextAudioId();
    audio.playing = playId_;
    if (Mix_PlayMusic(music_, 1) != 0) {
        Halt();
        return false;
    }
    while (audio.playing.load() == playId_ && Mix_PlayingMusic() != 0) {
        SDL_Delay(5);
    }
    Halt(); // the play has ended: its report is dropped
    return true;
}

void MidiSequencer::Halt() {
    playPending_ = false;
    ended_ = nullptr;
    const std::uint64_t id = std::exchange(playId_, 0);
    AudioState& audio = Audio();
    std::uint64_t expected = id;
    if (id != 0 && audio.playing.compare_exchange_strong(expected, 0)) {
        Mix_HaltMusic();
    }
}

void MidiSequencer::Unload() {
    Halt();
    AudioState& audio = Audio();
    if (state_ == State::Loading && audio.loader) {
        audio.loader->Cancel(loadId_);
    }
    if (music_ != nullptr) {
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    state_ = State::Empty;
    loadId_ = 0;
}

} // namespace lexiglade
