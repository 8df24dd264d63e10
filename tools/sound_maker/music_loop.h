// music_loop.h: the demo game's background music, a gentle piece in F major
// for pads, bass, a soft electric-piano arpeggio and a bell-like melody.
//
// The piece is rendered as a ring: whatever rings on past the last beat
// (note tails, echoes) is added to the start, so the file loops without a
// seam when the player repeats it. 16 bars at 84 beats a minute are about
// 46 seconds; fewer bars give a shorter loop of the same piece.
//
//   std::vector<float> stereo = ComposeMusicLoop(16);   // interleaved
#pragma once

#include <vector>

namespace corvellane {

inline constexpr int kMusicBars = 16;
inline constexpr double kMusicTempo = 84.0;  // beats per minute, four to a bar

// Interleaved stereo at kSampleRate; bars 1..kMusicBars.
std::vector<float> ComposeMusicLoop(int bars);

}  // namespace corvellane
