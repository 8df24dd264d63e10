// music_score.h: the notes of the demo game's theme, shared by the
// synthesised loop (music_loop.cpp) and the tracker module
// (tracker_module_writer.cpp), so both play the same piece.
//
// F major, four beats to the bar at 84 beats a minute, 16 bars: a chord per
// bar (bass root, three pad tones) and a tune of quarter, dotted and half
// notes. MIDI note numbers (60 is middle C).
//
//   for (const TTuneNote& n : TuneNotes(16)) play(n.beat, n.beats, n.note);
#pragma once

#include <array>
#include <vector>

namespace corvellane {

inline constexpr int kMusicBars = 16;
inline constexpr double kMusicTempo = 84.0;  // beats per minute

struct TChord {
  int root;                 // bass octave
  std::array<int, 3> tones;  // around middle C
};

struct TTuneNote {
  double beat;   // from the start of the piece
  double beats;  // length
  int note;
};

// The chord of a bar (0-based; wraps round after the last bar).
const TChord& ChordOfBar(int bar);
// The tune's notes in the first `bars` bars, in order.
std::vector<TTuneNote> TuneNotes(int bars);
// The arpeggio's notes for one bar: eight eighths up through the chord and back.
std::array<int, 8> ArpeggioOfBar(int bar);
// The bass notes of a bar: the root on beat 1, the fifth or the octave on beat 3.
std::array<int, 2> BassOfBar(int bar);

}  // namespace corvellane
