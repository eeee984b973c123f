#pragma once
// A piece of music in beats (quarter notes), before it becomes a MIDI file.
#include "tools/make_sounds/Midi.h"

#include <string>
#include <vector>

namespace lexiglade::sounds {

inline constexpr int kTicksPerBeat = 480;
inline constexpr int kPercussionChannel = 9; // channel 10 of General MIDI

struct Note {
    double beat = 0;
    double length = 0;
    int key = 0;
    int velocity = 0;
};

struct ControlPoint {
    double beat = 0;
    int controller = 0;
    int value = 0;
};

// One instrument on one channel.
struct Part {
    std::string name;
    int channel = 0;
    int program = 0; // ignored on the percussion channel
    int volume = 100;
    int pan = 64;
    int reverb = 50;
    int chorus = 0;
    std::vector<Note> notes;
    std::vector<ControlPoint> controls;
};

struct TempoPoint {
    double beat = 0;
    double quartersPerMinute = 0;
};

struct Piece {
    std::string name;
    int timeNumerator = 4;
    int timeDenominatorPower = 2;
    int keySharps = 0;
    bool minor = false;
    std::vector<TempoPoint> tempi;
    std::vector<Part> parts;
    double endBeat = 0;
};

int ToTicks(double beats);
// Track 0 holds the name, metre, key and tempi; then one track per part.
MidiFile ToMidi(const Piece& piece);

} // namespace lexiglade::sounds
