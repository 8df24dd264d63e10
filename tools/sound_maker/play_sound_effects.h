// play_sound_effects.h: the sounds of a level being played, synthesised
// like the interface sounds (sound_effects.h lists them by name).
//
// Finds are bright and quick, chains climb higher the longer they run,
// misses and penalties are low and soft, the clock's last seconds tick.
#pragma once

#include <vector>

namespace corvellane {

std::vector<float> FindZoomSound();       // "find_zoom": a found object swells
std::vector<float> FindFlySound();        // "find_fly": it flies into the panel
std::vector<float> SuccessClickSound();   // "success_click": a find
std::vector<float> ChainSound1();         // "chain1" .. "chain4": a chain bonus,
std::vector<float> ChainSound2();         //   each a longer climb
std::vector<float> ChainSound3();
std::vector<float> ChainSound4();
std::vector<float> WrongClickSound();     // "wrong_click": a miss
std::vector<float> PenaltySound();        // "penalty": six quick misses
std::vector<float> HintReadySound();      // "hint_ready": the hint can be used
std::vector<float> HintIndicateSound();   // "hint_indicate": the hinted object pulses
std::vector<float> AddScoresSound();      // "add_scores": the score counting up
std::vector<float> LevelStartSound();     // "level_start"
std::vector<float> LevelFailedSound();    // "level_failed": the clock ran out
std::vector<float> AccentTimeSound();     // "accent_time": the last ten seconds
std::vector<float> PanelPickSound();      // "panel_pick": an object taken from the panel
std::vector<float> PanelSlideSound();     // "panel_slide": items sliding in the panel
std::vector<float> MapSelectSound();      // "map_select": a label chosen on the map

}  // namespace corvellane
