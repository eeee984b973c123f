#pragma once
// The process's one audio output: 44.1 kHz, 16-bit stereo through SDL2_mixer, whose channels
// play the effects, and one music channel that a General MIDI synthesiser renders from its
// soundfont. The soundfont is read on a thread of its own once PrepareMusic asks for it, or when
// the first track loads, whichever comes first; start-up does not wait for it. Opened once at
// start-up, after the application object (its reports are queued to the thread that opens it);
// without a device the game stays silent and nothing here fails. Each of these failures leaves
// one warning in lexiglade.audio.
#include <cstdint>
#include <string>

namespace lexiglade {

class AudioOutput {
  public:
    // Opens the output with the soundfont that FindSoundFont finds; without one the music stays
    // silent, and the warning names where it looked.
    AudioOutput();
    // Opens the output unless one is open already; IsOpen tells whether it worked. Without a
    // soundfont (empty) no track loads and nothing fails. A soundfont that cannot be loaded leaves
    // the output open: every track then fails to load with the synthesiser's error.
    explicit AudioOutput(const std::string& soundFont);
    // Closes the output this object opened: every sequencer is emptied, every sound stops.
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    static bool IsOpen();
    // Starts reading the soundfont on a thread of its own, once per output; nothing without an
    // open output or a soundfont. User-interface thread.
    static void PrepareMusic();
    // Whether the soundfont has been asked for since the output opened; for tests.
    static bool MusicPrepared();
    // Why the last opening failed; empty after a success.
    static std::string OpenError();
    // Sample frames mixed since the output opened; for tests and measurements.
    static std::uint64_t FramesMixed();

  private:
    bool owner_ = false;
};

} // namespace lexiglade
