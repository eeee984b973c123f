#pragma once
// State shared by the audio pieces of the platform layer; not for use outside it.
#include "platform/audio/MidiSequence.h"
#include "platform/audio/MusicSynth.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class QObject;
struct Mix_Chunk;

namespace lexiglade {

class MidiSequencer;

// The one music channel: the synthesiser and the play it renders. The audio thread renders it;
// everything else touches it only while holding `lock`. A play that reports its end runs on into
// the track's next pass at once, so that the restart the report asks for takes over a pass
// already under way instead of starting late; anything else cuts it off.
struct MusicChannel {
    std::string soundFont;               // empty: no synthesiser, no music
    std::set<std::string> refusedTracks; // reported once each
    std::mutex lock;
    std::unique_ptr<MusicSynth> synth;                // null until the soundfont is loaded
    bool prepared = false;                            // the soundfont has been asked for
    std::future<std::unique_ptr<MusicSynth>> loading; // until ReadySynth takes it
    std::shared_ptr<const MidiSequence> sequence;     // of the play running or last run
    std::size_t next = 0;                             // the next message of the pass to send
    std::uint64_t position = 0;                       // frames into the pass
    std::uint64_t play = 0;                           // the play running; 0 for none
    bool reportsEnd = false;                          // the play reports its end and runs on
    bool runningOn = false;                           // the play has reported its end
    std::uint64_t quietFrames = 0;                    // rendered since the last voice ended
    std::vector<float> left;
    std::vector<float> right;
};

struct AudioState {
    bool open = false;
    std::string openError;
    int rate = 44100;
    int channels = 2;
    int frameBytes = 4;
    std::atomic<std::uint64_t> bytesMixed{0};
    // Lives on the user-interface thread; queued calls go through it.
    std::unique_ptr<QObject> dispatcher;
    std::set<MidiSequencer*> sequencers;
    std::map<std::uint64_t, Mix_Chunk*> effects; // each WaveSound decoded for this output, or null
    MusicChannel music;
};

AudioState& Audio();
// The music channel's synthesiser, once it has loaded its soundfont (or failed to); starts the
// load when nothing has asked for it yet and waits for it. User-interface thread, with an output
// open and a soundfont.
MusicSynth& ReadySynth();
// Runs `call` later on the user-interface thread; dropped when no output is open. Any thread.
void PostToUi(std::function<void()> call);
std::uint64_t NextAudioId();

// Empties every live sequencer; the output is closing.
void DetachSequencers();
// Reports the end of the play `playId` to whichever sequencer still runs it.
void FinishPlay(std::uint64_t playId);
// Cuts off the play `playId` if it is still running on past its end, taken over by no restart.
void CutRunOn(std::uint64_t playId);
// Installed as SDL_mixer's music hook: renders the music channel on the audio thread.
void RenderMusic(void* unused, std::uint8_t* stream, int bytes);

} // namespace lexiglade
