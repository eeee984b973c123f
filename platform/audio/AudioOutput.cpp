#include "platform/AudioOutput.h"

#include "platform/AudioInternal.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QObject>

namespace lexiglade {

namespace {

constexpr int Rate = 44100;
constexpr int Channels = 2;
constexpr int BufferFrames = 1024;
constexpr int EffectChannel = 0;

void CountBytes(void*, Uint8*, int bytes) {
    Audio().bytesMixed += static_cast<std::uint64_t>(bytes);
}

// SDL's other state (its hints among it) goes too once no part of SDL is in use.
void QuitAudio() {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
        SDL_Quit();
    }
}

// The synthesiser reads its soundfont on a thread of its own, once for as long as the output is
// open; the game starts meanwhile.
void OpenMusic(MusicChannel& music, int rate, const std::string& soundFont) {
    music.left.assign(BufferFrames, 0);
    music.right.assign(BufferFrames, 0);
    music.loading = std::async(std::launch::async, [rate, soundFont] {
        return std::make_unique<MusicSynth>(rate, soundFont);
    });
}

void CloseMusic(MusicChannel& music) {
    if (music.loading.valid()) {
        music.loading.wait();
        music.loading = {};
    }
    music.synth.reset();
    music.sequence.reset();
    music.play = 0;
}

void FreeEffect(AudioState& audio) {
    Mix_HaltChannel(EffectChannel);
    if (audio.effect != nullptr) {
        Mix_FreeChunk(audio.effect);
        audio.effect = nullptr;
    }
}

} // namespace

AudioState& Audio() {
    static AudioState state;
    return state;
}

MusicSynth& ReadySynth() {
    MusicChannel& music = Audio().music;
    if (music.loading.valid()) {
        std::unique_ptr<MusicSynth> synth = music.loading.get();
        const std::lock_guard lock(music.lock);
        music.synth = std::move(synth);
    }
    return *music.synth;
}

std::uint64_t NextAudioId() {
    static std::uint64_t last = 0;
    return ++last;
}

void PostToUi(std::function<void()> call) {
    if (QObject* dispatcher = Audio().dispatcher.get()) {
        QMetaObject::invokeMethod(dispatcher, std::move(call), Qt::QueuedConnection);
    }
}

AudioOutput::AudioOutput(const std::string& soundFont) {
    AudioState& audio = Audio();
    if (audio.open) {
        return;
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        audio.openError = SDL_GetError();
        QuitAudio();
        return;
    }
    audio.bytesMixed = 0;
    Mix_SetPostMix(CountBytes, nullptr); // before the output runs: every buffer counts
    if (Mix_OpenAudio(Rate, AUDIO_S16SYS, Channels, BufferFrames) != 0) {
        audio.openError = Mix_GetError();
        Mix_SetPostMix(nullptr, nullptr);
        QuitAudio();
        return;
    }
    Uint16 format = 0;
    Mix_QuerySpec(&audio.rate, &format, &audio.channels);
    audio.frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * audio.channels;
    audio.openError.clear();
    audio.dispatcher = std::make_unique<QObject>();
    OpenMusic(audio.music, audio.rate, soundFont);
    Mix_HookMusic(RenderMusic, nullptr);
    audio.open = true;
    owner_ = true;
}

AudioOutput::~AudioOutput() {
    if (!owner_) {
        return;
    }
    AudioState& audio = Audio();
    DetachSequencers();
    Mix_HookMusic(nullptr, nullptr); // waits for a mix in progress
    CloseMusic(audio.music);
    FreeEffect(audio);
    Mix_CloseAudio();
    Mix_SetPostMix(nullptr, nullptr); // the last buffer has been counted
    QuitAudio();
    audio.dispatcher.reset();
    audio.open = false;
}

bool AudioOutput::IsOpen() {
    return Audio().open;
}

std::string AudioOutput::OpenError() {
    return Audio().openError;
}

std::uint64_t AudioOutput::FramesMixed() {
    const AudioState& audio = Audio();
    return audio.bytesMixed.load() / static_cast<std::uint64_t>(audio.frameBytes);
}

void PlayWaveFile(const std::string& path) {
    AudioState& audio = Audio();
    if (!audio.open) {
        return;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk == nullptr) {
        return;
    }
    FreeEffect(audio);
    audio.effect = chunk;
    Mix_PlayChannel(EffectChannel, chunk, 0);
}

} // namespace lexiglade
