#include "tools/make_sounds/Score.h"

#include <cmath>

namespace lexiglade::sounds {

int ToTicks(double beats) {
    return static_cast<int>(std::lround(beats * kTicksPerBeat));
}

namespace {

std::uint32_t Tick(double beats) {
    const int ticks = ToTicks(beats);
    return static_cast<std::uint32_t>(ticks < 0 ? 0 : ticks);
}

void WriteConductor(MidiTrack& track, const Piece& piece) {
    track.TrackName(0, piece.name);
    track.TimeSignature(0, piece.timeNumerator, piece.timeDenominatorPower);
    track.KeySignature(0, piece.keySharps, piece.minor);
    for (const TempoPoint& point : piece.tempi) {
        track.Tempo(Tick(point.beat), static_cast<std::uint32_t>(
                                          std::lround(60'000'000.0 / point.quartersPerMinute)));
    }
}

void WritePart(MidiTrack& track, const Part& part) {
    track.TrackName(0, part.name);
    if (part.channel != kPercussionChannel) {
        track.ProgramChange(0, part.channel, part.program);
    }
    track.Controller(0, part.channel, 7, part.volume);
    track.Controller(0, part.channel, 10, part.pan);
    track.Controller(0, part.channel, 91, part.reverb);
    track.Controller(0, part.channel, 93, part.chorus);
    for (const ControlPoint& point : part.controls) {
        track.Controller(Tick(point.beat), part.channel, point.controller, point.value);
    }
    for (const Note& note : part.notes) {
        track.Note(Tick(note.beat), Tick(note.length), part.channel, note.key, note.velocity);
    }
}

} // namespace

MidiFile ToMidi(const Piece& piece) {
    MidiFile file(kTicksPerBeat);
    const std::uint32_t end = Tick(piece.endBeat);
    MidiTrack& conductor = file.AddTrack();
    WriteConductor(conductor, piece);
    conductor.EndAt(end);
    for (const Part& part : piece.parts) {
        MidiTrack& track = file.AddTrack();
        WritePart(track, part);
        track.EndAt(end);
    }
    return file;
}

} // namespace lexiglade::sounds
