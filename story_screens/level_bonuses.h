// level_bonuses.h: the bonus points a level earns on the statistics screen
// for its speed, for few hints and for few wrong clicks.
//
//   TLevelBonuses bonuses = LevelBonuses({.seconds = 45, .hints = 0, .wrong_clicks = 2}, /*timed=*/true, /*won=*/true);
//   bonuses.time;     // 2000   (under a minute)
//   bonuses.hints;    // 2000   (no hint)
//   bonuses.mistakes; //  500   (two wrong clicks)
//
// Hints and wrong clicks earn 2000 for none, 1000 for one, 500 for two, 250
// for three and nothing from four on. Time earns 2000 under a minute, 1000
// under two, 500 under four, 250 under eight, nothing from eight minutes on;
// a relaxed level (no clock) earns no time bonus. A lost level earns none
// at all. Negative counts (damaged saves) count as none used.
#pragma once

#include <cstdint>

namespace corvellane {

struct TLevelCounts {
  int32_t seconds = 0;
  int32_t hints = 0;
  int32_t wrong_clicks = 0;
};

struct TLevelBonuses {
  int32_t time = 0;
  int32_t hints = 0;
  int32_t mistakes = 0;
};

// The bonus for a count of hints or of wrong clicks.
int32_t CountBonus(int32_t count);
// The bonus for the seconds a timed level took.
int32_t TimeBonus(int32_t seconds);
TLevelBonuses LevelBonuses(const TLevelCounts& counts, bool timed, bool won);

}  // namespace corvellane
