#include "platform/audio/WaveSound.h"

#include "platform/LogCategories.h"
#include "platform/audio/AudioInternal.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>

namespace lexiglade {

namespace {

constexpr int kEffectChannel = 0;

SDL_RWops* ReadFrom(const std::vector<std::uint8_t>& bytes) {
    return SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

// Whether SDL reads `bytes` as a wave file; SDL_GetError says why not.
bool IsWave(const std::vector<std::uint8_t>& bytes) {
    SDL_AudioSpec format;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(ReadFrom(bytes), 1, &format, &samples, &length) == nullptr) {
        return false;
    }
    SDL_FreeWAV(samples);
    return true;
}

// The sound in the open output's format, decoded at its first play on this output; null when
// it cannot be, which is reported once.
Mix_Chunk* Decoded(std::uint64_t id, const std::vector<std::uint8_t>& bytes,
                   const std::string& path) {
    AudioState& audio = Audio();
    const auto known = audio.effects.find(id);
    if (known != audio.effects.end()) {
        return known->second;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(ReadFrom(bytes), 1);
    if (chunk == nullptr) {
        qCWarning(AudioLog, "Cannot play the sound effect %s: %s", path.c_str(), Mix_GetError());
    }
    audio.effects.emplace(id, chunk);
    return chunk;
}

} // namespace

WaveSound::WaveSound(std::string path) : path_(std::move(path)), id_(NextAudioId()) {
    QFile file(QString::fromLocal8Bit(path_));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(AudioLog, "Cannot read the sound effect %s: %s", path_.c_str(),
                  qPrintable(file.errorString()));
        return;
    }
    const QByteArray data = file.readAll();
    bytes_.assign(data.begin(), data.end());
    valid_ = IsWave(bytes_);
    if (!valid_) {
        qCWarning(AudioLog, "Cannot play the sound effect %s: %s", path_.c_str(), SDL_GetError());
    }
}

void WaveSound::Play() const {
    if (!valid_ || !Audio().open) {
        return;
    }
    if (Mix_Chunk* chunk = Decoded(id_, bytes_, path_)) {
        Mix_PlayChannel(kEffectChannel, chunk, 0); // cuts off whatever the channel plays
    }
}

} // namespace lexiglade
