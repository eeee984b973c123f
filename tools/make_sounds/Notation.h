#pragma once
// A short text notation for melodies and chord charts.
//
// Melody: tokens separated by spaces, each a pitch or "r" (rest) followed by a length:
// w h q e s (whole, half, quarter, eighth, sixteenth), "." makes it one and a half times as long.
// "_q" lengthens the note before by a quarter (a tie). Pitches: "C4" is middle C (key 60),
// "F#5", "Bb3". Bars ("|") may be written for reading; they are skipped.
//
// Chords: bars separated by "|", each holding one or more chords sharing the bar equally:
// root, then quality ("", "m", "7", "maj7", "m7", "sus4", "sus2", "add9", "6", "dim"), then an
// optional "/bass".
#include "tools/make_sounds/Score.h"

#include <string_view>
#include <vector>

namespace lexiglade::sounds {

// Key of a pitch name such as "C4" (60) or "F#3"; throws std::invalid_argument when malformed.
int KeyOf(std::string_view pitch);
// Pitch class 0-11 of a note letter with an optional accidental ("C", "F#", "Bb").
int PitchClassOf(std::string_view name);

struct Phrase {
    std::vector<Note> notes; // velocity left 0 for the arranger
    double beats = 0;
};

Phrase ParseMelody(std::string_view text);

struct Chord {
    int root = 0;           // pitch class
    std::vector<int> tones; // semitones above the root, the root (0) first
    int bass = 0;           // pitch class of the lowest note
};

struct ChordSpan {
    double beat = 0;
    double length = 0;
    Chord chord;
};

Chord ParseChord(std::string_view name);
std::vector<ChordSpan> ParseChords(std::string_view text, double beatsPerBar);

} // namespace lexiglade::sounds
