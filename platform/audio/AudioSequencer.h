#pragma once
// A MIDI sequencer on the output's one music channel. Load reads the whole track at once (it is
// small); the synthesiser and its soundfont belong to the output and stay loaded, so a play
// starts with the next buffer the output mixes. A play that reaches the end of its track runs on
// into the next pass while its end is reported: when the answer to the report is a close, an
// open and a play of the same track, that play takes the pass over, so the loop has no seam
// however late the answer comes. Reports are queued calls on the output's (user-interface)
// thread.
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
    // the music channel, or takes over the pass of this track that a play ended just before
    // runs on into. When `ended` is given it runs later, once the track's last event has
    // played, and the play runs on into the next pass, its last notes ringing into it; without
    // it the play is over at the end of the track. A play cut off by Halt, another play or
    // Unload reports nothing.
    void Play(std::function<void()> ended);
    // Plays from the beginning and returns once the play has ended; false when nothing is loaded.
    bool PlayAndWait();
    // Ends the play at once, its notes with it, and any pass it runs on into.
    void Halt();
    // Empties the sequencer. A pass that its ended play runs on into is left to the next play of
    // the same track, and cut off once the event in progress has been handled.
    void Unload();

  private:
    friend void DetachSequencers();
    friend void FinishPlay(std::uint64_t playId);

    bool PassUnderWay(std::uint64_t playId) const;
    bool RunningOn() const;

    std::shared_ptr<const MidiSequence> sequence_;
    std::uint64_t playId_ = 0;      // the play whose end is still to be reported
    std::uint64_t channelPlay_ = 0; // the channel's play that this sequencer started
    std::function<void()> ended_;
};

} // namespace lexiglade
