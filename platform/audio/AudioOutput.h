#pragma once
// The process's one audio output: 44.1 kHz, 16-bit stereo through SDL2_mixer, whose channels
// play the effects, and one music channel that a General MIDI synthesiser renders from the
// soundfont it starts reading, on a thread of its own, when the output opens. Opened once at
// start-up, after the application object (its reports are queued to the thread that opens it);
// without a device the game stays silent and nothing here fails.
#include <cstdint>
#include <string>

namespace lexiglade {

inline constexpr const char* GeneralMidiSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class AudioOutput {
  public:
    // Opens the output unless one is open already; IsOpen tells whether it worked. A soundfont
    // that cannot be loaded leaves the output open: every track then fails to load with the
    // synthesiser's error.
    explicit AudioOutput(const std::string& soundFont = GeneralMidiSoundFont);
    // Closes the output this object opened: every sequencer is emptied, every sound stops.
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    static bool IsOpen();
    // Why the last opening failed; empty after a success.
    static std::string OpenError();
    // Sample frames mixed since the output opened; for tests and measurements.
    static std::uint64_t FramesMixed();

  private:
    bool owner_ = false;
};

// Plays a wave file on the one effect channel without waiting; it cuts off the effect before
// it. Does nothing without an output or when the file cannot be played.
void PlayWaveFile(const std::string& path);

} // namespace lexiglade
