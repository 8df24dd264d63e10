// click_streaks.h: what a run of clicks earns or costs in a level: the
// success chain (quick finds in a row earn a bonus) and the wrong-click heat
// (many misses in a short time cost a minute of a timed level).
//
//   TSuccessChain chain;
//   if (const TChainBonus* bonus = chain.Success(now)) AddScore(bonus->points);   // 3rd, 6th, 9th, 12th find
//   chain.Tick(now);                        // every frame: 4 s without a click ends the chain
//
//   TWrongClickHeat heat;
//   if (heat.Miss() && timed) ... a penalty of kWrongClickPenaltyMs ...
//   heat.Cool(frame_ms);
//
// Chain: each find adds 1 to the count; the counts 3, 6, 9 and 12 earn the
// bonus of their row, and after the twelfth the count starts again. A wrong
// click, and 4 s without any click (find or miss), end the chain.
//
// Heat: each miss adds 2000; the heat falls by 1 per millisecond of play.
// Above 10000 it is the penalty, and the heat is 0 again, so six misses
// within two seconds cost a minute.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace corvellane {

struct TChainBonus {
  int32_t row;  // 1 to 4, the sound "sound_success_clicks_chain" + row
  int32_t chain_count;
  int32_t points;
  std::string_view text;  // the praise, a language-file key
};

inline constexpr std::array<TChainBonus, 4> kChainBonuses{{
    {1, 3, 300, "%PERFECT!%"},
    {2, 6, 700, "%GRAND!%"},
    {3, 9, 1200, "%EXCELLENT!%"},
    {4, 12, 2000, "%SUPER!%"},
}};

// A chain ends after this long without a click.
inline constexpr int32_t kChainTimeoutMs = 4000;

class TSuccessChain {
 public:
  // A find at screen time `now`; the bonus it earns, or none.
  const TChainBonus* Success(int32_t now);
  // A miss at screen time `now`: the chain ends (the click still counts as
  // the last click).
  void Miss(int32_t now);
  // The chain ends once 4 s have passed since the last click.
  void Tick(int32_t now);
  void Reset() { *this = TSuccessChain(); }

  int32_t Count() const { return count_; }
  // The screen time of the last find or miss; -1 for none (or a chain that timed out).
  int32_t LastClickTime() const { return last_click_time_; }

 private:
  int32_t count_ = 0;
  int32_t last_click_time_ = -1;
};

inline constexpr int32_t kWrongClickHeatMs = 2000;
inline constexpr int32_t kWrongClickHeatLimit = 10000;
inline constexpr int32_t kWrongClickPenaltyMs = 60000;

class TWrongClickHeat {
 public:
  // One more miss; true when the heat passed the limit (it is then 0 again).
  bool Miss();
  void Cool(int32_t frame_ms);
  void Reset() { heat_ = 0; }
  int32_t Heat() const { return heat_; }

 private:
  int32_t heat_ = 0;
};

}  // namespace corvellane
