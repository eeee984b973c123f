#pragma once
// A MIDI sequencer on the output's one music channel. Load reads the whole track at once (it is
// small); the synthesiser and its soundfont belong to the output and stay loaded, so a play
// starts with the next buffer the output mixes. Reports are queued calls on the output's
// (user-interface) thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lexiglade {

struct MidiSequence;

class MidiSequencer {
  public:
    MidiSequencer();
    ~MidiSequencer();
    MidiSequencer(const MidiSequencer&) = delete;
    MidiSequencer& operator=(const MidiSequencer&) = delete;

    // Empties the sequencer, then loads a standard MIDI file. Throws PlatformError
    // "Cannot open file %s" when the file cannot be read, "Cannot play file %s: not a standard
    // MIDI file" when it is not one, and the synthesiser's "Cannot load sound font %s" when it
    // has no soundfont to play with. Without an audio output nothing is loaded and the result is
    // false.
    bool Load(const std::string& path);
    // Plays the loaded track from its beginning, without waiting, cutting off any other play of
    // the music channel. `ended` runs later, once the track's last event has played; its last
    // notes ring on into whatever plays next. A play cut off by Halt, another play or Unload
    // reports nothing.
    void Play(std::function<void()> ended);
    // Plays from the beginning and returns once the play has ended; false when nothing is loaded.
    bool PlayAndWait();
    // Ends the play at once, its notes with it.
    void Halt();
    void Unload();
    bool Loaded() const { return sequence_ != nullptr; }
    bool Playing() const { return playId_ != 0; }

  private:
    friend void DetachSequencers();
    friend void FinishPlay(std::uint64_t playId);

    bool StillPlaying(std::uint64_t playId) const;

    std::shared_ptr<const MidiSequence> sequence_;
    std::uint64_t playId_ = 0;
    std::function<void()> ended_;
};

} // namespace lexiglade
