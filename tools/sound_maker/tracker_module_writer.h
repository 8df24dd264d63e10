// tracker_module_writer.h: the theme (music_score.h) as a four-channel
// ProTracker module ("M.K."), the kind of tracker music the game plays
// through its module player.
//
// The instruments are synthesised plucked and bell tones that die away by
// themselves (a module has no envelopes): a harp for the arpeggio, a round
// bass and a music-box bell for the tune. Four rows make a beat, speed 6 at
// tempo 84, so the module lasts as long as the synthesised loop and its
// order list simply starts over.
//
//   std::vector<uint8_t> module = MakeThemeModule(16);
//   WriteBytes("game/data/music/music_box.mod", module);
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvellane {

// bars: 1..kMusicBars, rounded up to whole patterns of four bars.
std::vector<uint8_t> MakeThemeModule(int bars);

// Raises EToolError when the file cannot be written.
void WriteModuleFile(const std::string& path, const std::vector<uint8_t>& module);

}  // namespace corvellane
