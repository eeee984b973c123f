#pragma once
// The General MIDI synthesiser that renders the music. It reads its soundfont once, when it is
// made, and keeps it for as long as it lives. Its backend is FluidSynth; nothing of it shows here.
// Not thread-safe: the audio output makes every call under its audio lock.
#include "platform/audio/MidiSequence.h"

#include <memory>
#include <string>

namespace lexiglade {

class MusicSynth {
  public:
    // Never throws: when the soundfont cannot be loaded, Error says why and nothing sounds.
    MusicSynth(int rate, const std::string& soundFont);
    ~MusicSynth();
    MusicSynth(const MusicSynth&) = delete;
    MusicSynth& operator=(const MusicSynth&) = delete;

    // "Cannot load sound font %s" when it cannot play; empty when it can.
    const std::string& Error() const { return error_; }
    // FluidSynth's own words on why the soundfont was refused; empty when it was not.
    const std::string& Reason() const { return reason_; }
    void Send(const ChannelMessage& message);
    // Every channel back to its first instrument and controller settings; the notes still
    // sounding ring on.
    void ResetChannels();
    // Every voice stops at once.
    void Silence();
    // Whether any voice still sounds.
    bool Sounding() const;
    // Renders `frames` frames into the two channels.
    void Render(float* left, float* right, int frames);

    // Soundfonts read by every synthesiser of the process so far; for tests and measurements.
    static int SoundFontLoads();

  private:
    struct Backend;
    std::unique_ptr<Backend> backend_;
    std::string error_;
    std::string reason_;
};

} // namespace lexiglade
