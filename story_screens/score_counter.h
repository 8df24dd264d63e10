// score_counter.h: TScoreCounter, the score shown in the play screen's top
// bar, counting up towards the points won.
//
//   TScoreCounter score;
//   score.SetDisplayed(story_total);
//   score.Add(316);                 // a find: the points wait
//   while (score.Step()) ...        // every frame: show Displayed(), play the count sound
//
// Each frame moves some pending points into the displayed score. The step
// follows the square root of what is pending: it grows by 1 while its
// square is below the pending points and shrinks by 1 otherwise, so a large
// gain counts up fast and slows down at the end, and a small one ticks by.
// The step is kept from level to level (only a new counter starts it at 0).
//
// Total() is what the player has earned, counted or not: the score that
// goes into the story when the level ends.
#pragma once

#include <cstdint>

namespace corvellane {

class TScoreCounter {
 public:
  // Points never make the displayed score pass the 32-bit range.
  void Add(int32_t points);
  // One frame of counting; true when the displayed score changed.
  bool Step();

  int32_t Displayed() const { return displayed_; }
  void SetDisplayed(int32_t score) { displayed_ = score; }
  int32_t Pending() const { return pending_; }
  // Forgets the points not counted yet (a lost level keeps none of them).
  void DropPending() { pending_ = 0; }
  int32_t Total() const;
  int32_t CountStep() const { return count_step_; }

 private:
  int32_t displayed_ = 0;
  int32_t pending_ = 0;
  int32_t count_step_ = 0;
};

}  // namespace corvellane
