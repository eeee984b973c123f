#pragma once
// A MIDI sequencer on the output's one music channel. The synthesiser reads its soundfont anew
// for every track it loads, which takes it tens of milliseconds, so Load checks the file, returns
// at once and leaves the loading to a thread of its own; a play asked for meanwhile starts as
// soon as the track is ready. Reports are queued calls on the output's (user-interface) thread.
#include <cstdint>
#include <functional>
#include <string>

struct _Mix_Music;

namespace lexiglade {

class MidiSequencer {
  public:
    MidiSequencer();
    ~MidiSequencer();
    MidiSequencer(const MidiSequencer&) = delete;
    MidiSequencer& operator=(const MidiSequencer&) = delete;

    // Empties the sequencer, then loads a standard MIDI file. Throws PlatformError
    // "Cannot open file %s" when the file cannot be read, and "Cannot play file %s: not a
    // standard MIDI file" when it is not one. Without an audio output nothing is loaded and the
    // result is false.
    bool Load(const std::string& path);
    // Plays the loaded track from its beginning, without waiting. `ended` runs later with true
    // when the play reaches the end of the track, false when the track cannot be played; a play
    // cut off by Halt, another play or Unload reports nothing.
    void Play(std::function<void(bool reachedEnd)> ended);
    // Plays from the beginning and returns once the play has ended; false when it cannot play.
    bool PlayAndWait();
    void Halt();
    void Unload();
    bool Loaded() const { return state_ != State::Empty; }
    bool Playing() const { return playId_ != 0; }

  private:
    enum class State { Empty, Loading, Ready, Failed };
    friend void DetachSequencers();
    friend void DeliverLoad(std::uint64_t loadId);
    friend void FinishPlay(std::uint64_t playId, bool reachedEnd);

    void Loaded(_Mix_Music* music);
    void Start();

    State state_ = State::Empty;
    std::uint64_t loadId_ = 0;
    std::uint64_t playId_ = 0;
    bool playPending_ = false;
    _Mix_Music* music_ = nullptr;
    std::function<void(bool)> ended_;
};

} // namespace lexiglade
