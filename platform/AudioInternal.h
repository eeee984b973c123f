#pragma once
// State shared by the audio sources of the platform layer; not for use outside it.
#include "platform/AudioLoader.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>

class QObject;
struct Mix_Chunk;

namespace lexiglade {

class MidiSequencer;

struct AudioState {
    bool open = false;
    std::string openError;
    int frameBytes = 4;
    std::atomic<std::uint64_t> frames{0};
    // The play the music-finished hook reports; 0 while none runs. Read on the audio thread.
    std::atomic<std::uint64_t> playing{0};
    // Lives on the user-interface thread; queued calls go through it.
    std::unique_ptr<QObject> dispatcher;
    std::unique_ptr<AudioLoader> loader;
    std::set<MidiSequencer*> sequencers;
    Mix_Chunk* effect = nullptr;
};

AudioState& Audio();
// Runs `call` later on the user-interface thread; dropped when no output is open. Any thread.
void PostToUi(std::function<void()> call);
std::uint64_t NextAudioId();

// Empties every live sequencer; the output is closing.
void DetachSequencers();
// A load finished on the loader thread: hands it to the sequencer that still waits for it.
void DeliverLoad(std::uint64_t loadId);
// Ends the play `playId` of whichever sequencer still runs it.
void FinishPlay(std::uint64_t playId, bool reachedEnd);
// Installed as SDL_mixer's music-finished hook; runs on the audio thread.
void MusicFinished();

} // namespace lexiglade
