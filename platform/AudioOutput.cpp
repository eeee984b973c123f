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

void CountFrames(void*, Uint8*, int bytes) {
    AudioState& audio = Audio();
    audio.frames += static_cast<std::uint64_t>(bytes / audio.frameBytes);
}

// SDL's other state (its hints among it) goes too once no part of SDL is in use.
void QuitAudio() {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
        SDL_Quit();
    }
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

std::uint64_t NextAudioId() {
    static std::uint64_t last = 0;
    return ++last;
}

void PostToUi(std::function<void()> call) {
    if (QObject* dispatcher = Audio().dispatcher.get()) {
        QMetaObject::invokeMethod(dispatcher, std::move(call), Qt::QueuedConnection);
    }
}

AudioOutput::AudioOutput() {
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
    Mix_Init(MIX_INIT_MID);
    Mix_SetSoundFonts(GeneralMidiSoundFont);
    if (Mix_OpenAudio(Rate, AUDIO_S16SYS, Channels, BufferFrames) != 0) {
        audio.openError = Mix_GetError();
        Mix_Quit();
        QuitAudio();
        return;
    }
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    audio.frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    audio.frames = 0;
    audio.openError.clear();
    audio.dispatcher = std::make_unique<QObject>();
    audio.loader = std::make_unique<AudioLoader>();
    Mix_HookMusicFinished(MusicFinished);
    Mix_SetPostMix(CountFrames, nullptr);
    audio.open = true;
    owner_ = true;
}

AudioOutput::~AudioOutput() {
    if (!owner_) {
        return;
    }
    AudioState& audio = Audio();
    DetachSequencers();
    audio.loader.reset();
    Mix_HookMusicFinished(nullptr);
    Mix_SetPostMix(nullptr, nullptr);
    FreeEffect(audio);
    Mix_CloseAudio();
    Mix_Quit();
    QuitAudio();
    audio.playing = 0;
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
    return Audio().frames.load();
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
