#include "platform/audio/MusicSynth.h"

#include <fluidsynth.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>

namespace lexiglade {

namespace {

// As loud as the music was when SDL_mixer drove FluidSynth at full music volume.
constexpr double kGain = 1.2;
constexpr int kMidiChannels = 16;
constexpr int kResetAllControllers = 121;
constexpr int kVolume = 7;
constexpr int kPan = 10;
constexpr int kDefaultVolume = 100;
constexpr int kCentrePan = 64;

std::atomic<int> soundFontLoads{0};

// FluidSynth's last error on this thread: the reason a soundfont was refused.
thread_local std::string lastError;

void Drop(int, const char*, void*) {}

void KeepError(int, const char* message, void*) {
    lastError = message != nullptr ? message : "";
}

// FluidSynth writes nothing to the terminal: what went wrong is this class's to say.
void QuietLogs() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
            fluid_set_log_function(level, Drop, nullptr);
        }
        for (const int level : {FLUID_PANIC, FLUID_ERR}) {
            fluid_set_log_function(level, KeepError, nullptr);
        }
    });
}

// Why FluidSynth refused `path`: what the file itself shows, else FluidSynth's own words.
std::string RefusalReason(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::strerror(errno);
    }
    char header[12] = {};
    file.read(header, sizeof header);
    if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "sfbk", 4) != 0) {
        return "not a SoundFont 2 file";
    }
    return lastError.empty() ? "FluidSynth refused it" : lastError;
}

} // namespace

struct MusicSynth::Backend {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = nullptr;

    ~Backend() {
        if (synth != nullptr) {
            delete_fluid_synth(synth);
        }
        delete_fluid_settings(settings);
    }
};

MusicSynth::MusicSynth(int rate, const std::string& soundFont) : backend_(new Backend) {
    QuietLogs();
    fluid_settings_setnum(backend_->settings, "synth.sample-rate", rate);
    fluid_settings_setnum(backend_->settings, "synth.gain", kGain);
    backend_->synth = new_fluid_synth(backend_->settings);
    ++soundFontLoads;
    lastError.clear();
    if (backend_->synth == nullptr ||
        fluid_synth_sfload(backend_->synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        error_ = "Cannot load sound font " + soundFont;
        reason_ = RefusalReason(soundFont);
    }
}

MusicSynth::~MusicSynth() = default;

void MusicSynth::Send(const ChannelMessage& message) {
    fluid_synth_t* synth = backend_->synth;
    const int channel = message.status & 0x0F;
    const int key = message.data1;
    const int value = message.data2;
    switch (message.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, key);
        break;
    case 0x90:
        if (value == 0) {
            fluid_synth_noteoff(synth, channel, key);
        } else {
            fluid_synth_noteon(synth, channel, key, value);
        }
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth, channel, key, value);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, key, value);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, key);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth, channel, key);
        break;
    default: // 0xE0, the pitch bend
        fluid_synth_pitch_bend(synth, channel, key | (value << 7));
        break;
    }
}

void MusicSynth::ResetChannels() {
    for (int channel = 0; channel < kMidiChannels; ++channel) {
        fluid_synth_cc(backend_->synth, channel, kResetAllControllers, 0);
        fluid_synth_program_change(backend_->synth, channel, 0);
        fluid_synth_cc(backend_->synth, channel, kVolume, kDefaultVolume);
        fluid_synth_cc(backend_->synth, channel, kPan, kCentrePan);
    }
}

void MusicSynth::Silence() {
    for (int channel = 0; channel < kMidiChannels; ++channel) {
        fluid_synth_all_sounds_off(backend_->synth, channel);
    }
}

bool MusicSynth::Sounding() const {
    return fluid_synth_get_active_voice_count(backend_->synth) > 0;
}

void MusicSynth::Render(float* left, float* right, int frames) {
    fluid_synth_write_float(backend_->synth, frames, left, 0, 1, right, 0, 1);
}

int MusicSynth::SoundFontLoads() {
    return soundFontLoads.load();
}

} // namespace lexiglade
