#include "platform/audio/AudioOutput.h"

#include "platform/LogCategories.h"
#include "platform/audio/AudioInternal.h"
#include "platform/audio/SoundFontSearch.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QObject>
#include <QStringList>

namespace lexiglade {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;

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

// The soundfont of the music, or empty with a warning that names where none was found.
std::string SearchedSoundFont() {
    const SoundFontSearch search = FindSoundFont(ConfiguredSoundFont(), SystemDataFolders());
    if (search.found.empty()) {
        QStringList places;
        for (const std::string& place : search.places) {
            places << QString::fromStdString(place);
        }
        qCWarning(AudioLog, "No soundfont for the music in %s; the game plays without music",
                  qPrintable(places.join(QStringLiteral(", "))));
    }
    return search.found;
}

// The synthesiser is made by PrepareMusic; without a soundfont there is none.
void OpenMusic(MusicChannel& music, const std::string& soundFont) {
    music.left.assign(kBufferFrames, 0);
    music.right.assign(kBufferFrames, 0);
    music.soundFont = soundFont;
    music.prepared = false;
}

void CloseMusic(MusicChannel& music) {
    if (music.loading.valid()) {
        music.loading.wait();
        music.loading = {};
    }
    music.synth.reset();
    music.sequence.reset();
    music.play = 0;
    music.soundFont.clear();
    music.prepared = false;
    music.refusedTracks.clear();
}

void FreeEffects(AudioState& audio) {
    Mix_HaltChannel(-1);
    for (const auto& [id, chunk] : audio.effects) {
        if (chunk != nullptr) {
            Mix_FreeChunk(chunk);
        }
    }
    audio.effects.clear();
}

void OpenFailed(AudioState& audio, const char* error) {
    audio.openError = error;
    qCWarning(AudioLog, "Cannot open the audio output: %s; the game plays without sound", error);
}

} // namespace

AudioState& Audio() {
    static AudioState state;
    return state;
}

MusicSynth& ReadySynth() {
    MusicChannel& music = Audio().music;
    AudioOutput::PrepareMusic(); // a track loaded first waits for the soundfont itself
    if (music.loading.valid()) {
        std::unique_ptr<MusicSynth> synth = music.loading.get();
        if (!synth->Error().empty()) {
            qCWarning(AudioLog, "%s: %s", synth->Error().c_str(), synth->Reason().c_str());
        }
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

AudioOutput::AudioOutput() : AudioOutput(Audio().open ? std::string() : SearchedSoundFont()) {}

AudioOutput::AudioOutput(const std::string& soundFont) {
    AudioState& audio = Audio();
    if (audio.open) {
        return;
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        OpenFailed(audio, SDL_GetError());
        QuitAudio();
        return;
    }
    audio.bytesMixed = 0;
    Mix_SetPostMix(CountBytes, nullptr); // before the output runs: every buffer counts
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kBufferFrames) != 0) {
        OpenFailed(audio, Mix_GetError());
        Mix_SetPostMix(nullptr, nullptr);
        QuitAudio();
        return;
    }
    Uint16 format = 0;
    Mix_QuerySpec(&audio.rate, &format, &audio.channels);
    audio.frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * audio.channels;
    audio.openError.clear();
    audio.dispatcher = std::make_unique<QObject>();
    OpenMusic(audio.music, soundFont);
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
    FreeEffects(audio);
    Mix_CloseAudio();
    Mix_SetPostMix(nullptr, nullptr); // the last buffer has been counted
    QuitAudio();
    audio.dispatcher.reset();
    audio.open = false;
}

bool AudioOutput::IsOpen() {
    return Audio().open;
}

// The synthesiser reads its soundfont on a thread of its own, once for as long as the output is
// open; the game goes on meanwhile.
void AudioOutput::PrepareMusic() {
    AudioState& audio = Audio();
    MusicChannel& music = audio.music;
    if (!audio.open || music.prepared || music.soundFont.empty()) {
        return;
    }
    music.prepared = true;
    music.loading = std::async(std::launch::async, [rate = audio.rate, path = music.soundFont] {
        return std::make_unique<MusicSynth>(rate, path);
    });
}

bool AudioOutput::MusicPrepared() {
    return Audio().music.prepared;
}

std::string AudioOutput::OpenError() {
    return Audio().openError;
}

std::uint64_t AudioOutput::FramesMixed() {
    const AudioState& audio = Audio();
    return audio.bytesMixed.load() / static_cast<std::uint64_t>(audio.frameBytes);
}

} // namespace lexiglade
