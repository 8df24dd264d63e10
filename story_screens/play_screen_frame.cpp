// The play screen's frame: covers fading, the clock, the score counting up,
// the hint.
#include <algorithm>

#include "shell/formatting.h"
#include "story_screens/play_screen.h"
#include "story_screens/widget_ops.h"

namespace corvellane {

namespace {

constexpr int32_t kLoadingFadeStep = 30;
constexpr int32_t kBlackScreenFadeStep = 40;
// The last ten seconds of a timed level: the time text pulses.
constexpr int32_t kAccentTimeMs = 10000;
constexpr int32_t kBlinkStep = 7;

}  // namespace

void TCorvellaneGameScreenGame::Advance(int32_t elapsed_ms) {
  TGameScreen::Advance(elapsed_ms);
  screen_time_ = screen_time_ > INT32_MAX - std::max(elapsed_ms, 0) ? INT32_MAX : screen_time_ + std::max(elapsed_ms, 0);
  Fades();
  ClockStep(elapsed_ms);
  AddScore(0);
  hint_.Update(paused_, elapsed_ms);
}

void TCorvellaneGameScreenGame::Fades() {
  if (paused_) return;
  if (loading_screen_ && loading_screen_->IsVisible()) {
    const int32_t level = loading_screen_->GetTransparentLevel();
    if (level <= kLoadingFadeStep) {
      loading_screen_->SetVisible(false);
    } else {
      loading_screen_->SetTransparentLevel(level - kLoadingFadeStep);
    }
  }
  if (!black_screen_ || !black_screen_->IsVisible()) return;
  const int32_t level = black_screen_->GetTransparentLevel();
  if (input_blocked_) {
    black_screen_->SetTransparentLevel(std::min(255, level + kBlackScreenFadeStep));
  } else if (level - kBlackScreenFadeStep <= 0) {
    black_screen_->SetTransparentLevel(0);
    black_screen_->SetVisible(false);
  } else {
    black_screen_->SetTransparentLevel(level - kBlackScreenFadeStep);
  }
}

void TCorvellaneGameScreenGame::AdvanceClock(int32_t ms) { ClockStep(ms); }

void TCorvellaneGameScreenGame::ClockStep(int32_t ms) {
  if (paused_) return;
  const TClockStep step = clock_.Step(ms);
  if (step.ran_out) LoseLevel();
  chain_.Tick(screen_time_);
  heat_.Cool(step.frame_time);
  hint_.Advance(step.frame_time);
  if (timed_) ShowClock();
}

void TCorvellaneGameScreenGame::ShowClock() {
  const int32_t seconds = std::max(0, clock_.Clock() / 1000);
  SetWidgetProperty(time_text_.get(), "text", Variant(FormatMinSec(seconds)));
  BlinkTimeText();
  auto turn = [](IWidget* hand, int32_t angle) {
    if (hand && hand->GetProperty("angle").ToInt(-1) != angle) hand->SetProperty("angle", Variant(angle));
  };
  turn(second_hand_.get(), (seconds * 6 + 180) % 360);
  turn(minute_hand_.get(), (seconds / 10 + 180) % 360);
}

// From 255 the text pulses down to 3 and back up, 7 a frame, once the last
// ten seconds have begun; "sound_accent_time" marks their beginning.
void TCorvellaneGameScreenGame::BlinkTimeText() {
  if (!time_text_) return;
  if (blink_step_ == 0) {
    if (clock_.Clock() >= kAccentTimeMs) return;
    blink_step_ = kBlinkStep;
    time_text_->PlaySound("sound_accent_time", false, 100, 0);
    return;
  }
  const int32_t level = time_text_->GetTransparentLevel();
  if (level < kBlinkStep || level > 255 - kBlinkStep) blink_step_ = -blink_step_;
  time_text_->SetTransparentLevel(std::clamp(level + blink_step_, 0, 255));
}

void TCorvellaneGameScreenGame::AddScore(int32_t points) {
  if (judging_click_) click_points_ += std::max(points, 0);
  score_.Add(points);
  if (!score_.Step()) return;
  ShowScore();
  PlayWindowSound("sound_add_scores");
}

void TCorvellaneGameScreenGame::ShowScore() {
  SetWidgetProperty(score_text_.get(), "text", Variant(FormatIntWithSeparators(score_.Displayed())));
}

void TCorvellaneGameScreenGame::SetLevelPaused(bool paused) {
  if (locked_) return;
  // A decided level stays still until it is left or played again.
  if (!paused && decided_) return;
  if (paused != paused_ && level_running_) TraceEvent(paused ? "pause" : "resume");
  paused_ = paused;
  ShowWidget(obscuring_.get(), show_obscuring_ && paused);
  hint_.PauseDisplay(paused);
}

void TCorvellaneGameScreenGame::SetInputBlocked(bool blocked) {
  input_blocked_ = blocked;
  if (!blocked || !black_screen_ || black_screen_->IsVisible()) return;
  black_screen_->SetTransparentLevel(0);
  black_screen_->SetVisible(true);
}

}  // namespace corvellane
