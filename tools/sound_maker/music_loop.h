// music_loop.h: the demo game's background music (music_score.h) played by
// pads, bass, a soft electric-piano arpeggio and a bell-like melody.
//
// The piece is rendered as a ring: whatever rings on past the last beat
// (note tails, echoes) is added to the start, so the file loops without a
// seam when the player repeats it. 16 bars at 84 beats a minute are about
// 46 seconds; fewer bars give a shorter loop of the same piece.
//
//   std::vector<float> stereo = ComposeMusicLoop(16);   // interleaved
#pragma once

#include <vector>

#include "tools/sound_maker/music_score.h"

namespace corvellane {

// Interleaved stereo at kSampleRate; bars 1..kMusicBars.
std::vector<float> ComposeMusicLoop(int bars);

}  // namespace corvellane
