#pragma once
// Writing the parts of a piece: melodies from the notation, and accompaniments (pads, arpeggios,
// strummed chords, bass lines, percussion) from a chord chart. Small, repeatable variations of
// timing and velocity keep the accompaniment from sounding mechanical.
#include "tools/make_sounds/Notation.h"
#include "tools/make_sounds/Score.h"

#include <deque>
#include <random>
#include <string_view>
#include <vector>

namespace lexiglade::sounds {

struct Hit {
    int key = 0;
    double beat = 0; // within the bar
    int velocity = 0;
};

class Arrangement {
  public:
    Arrangement(Piece header, unsigned seed);

    // Parts keep their address until Finish.
    Part& AddPart(const std::string& name, int channel, int program, int volume, int pan,
                  int reverb = 60, int chorus = 10);

    // The melody from `at`, one `velocity` with a small lift on each bar's first beat; notes are
    // held for `legato` of their length. `transpose` is in semitones.
    void Melody(Part& part, const Phrase& phrase, double at, int velocity, double legato = 0.92,
                int transpose = 0);
    // Sustained chords between keys lo and hi, each moving as little as it can from the last.
    void Pad(Part& part, const std::vector<ChordSpan>& chords, double at, int lo, int hi,
             int velocity);
    // Broken chords: `pattern` indexes the chord's low root (0) and its tones above it (1...),
    // one index each `step` beats; notes ring until the chord changes when `ring`.
    void Arpeggio(Part& part, const std::vector<ChordSpan>& chords, double at, int lo,
                  const std::vector<int>& pattern, double step, int velocity, bool ring);
    // The voiced chord struck at the beats `strikes` of every chord span.
    void Strikes(Part& part, const std::vector<ChordSpan>& chords, double at, int lo, int hi,
                 const std::vector<double>& strikes, double length, int velocity);
    // A bass line: `pattern` is "R:2 5:1 8:1", degrees (R the chord's bass note, 3, 5, 8) with
    // lengths in beats, repeated through each chord span; the bass note lies from key lo up.
    void Bass(Part& part, const std::vector<ChordSpan>& chords, double at, int lo,
              std::string_view pattern, int velocity);
    // One bar of hits, repeated for `bars` bars from `at`.
    void Drums(Part& part, const std::vector<Hit>& bar, double at, int bars, double beatsPerBar);
    // Expression (controller 11) moving from `from` to `to` between the two beats.
    void Swell(Part& part, double start, double end, int from, int to);
    // The tempo eases from `from` to `to` over [start, end), one step a beat.
    void Ritardando(double start, double end, double from, double to);
    void Tempo(double beat, double quartersPerMinute);

    // The finished piece ends as its last note is released, so that a loop of it goes straight
    // on into its beginning while that note still rings.
    Piece Finish();

  private:
    int Vary(int velocity, int spread);
    double Late(double beats);
    void Put(Part& part, double beat, double length, int key, int velocity);

    Piece piece_;
    std::deque<Part> parts_;
    std::minstd_rand random_;
    double barBeats_;
};

// The melody moved `steps` degrees along the major or natural minor scale of `tonic` (a pitch
// class); a note outside the scale moves as the scale note below it does, so the result keeps to
// the scale (a third below G# in A minor is E).
Phrase ShiftInScale(const Phrase& phrase, int tonic, bool minor, int steps);

// The chord's tones (bass excluded) from key lo up, nearest to `previous` when it is not empty,
// otherwise the lowest position that fits under hi.
std::vector<int> Voicing(const Chord& chord, int lo, int hi, const std::vector<int>& previous);

} // namespace lexiglade::sounds
