// play_hint.h: TPlayHint, the hint button of the play screen: when it is
// ready, what it points at, and the wait after each use.
//
// The play screen's "ui_group/hint_group" holds the button ("button_hint")
// and the three pictures of the arrow drawn over it ("image_hint_front",
// "image_hint_back", "image_hint_after"). The hint is ready once the time
// since the last hint reaches the recharge time: 500 ms of unpaused play
// after a level starts, then 30 s after the first use, 37 s after the
// second, 44 s and so on (each use adds 7 s). Only unpaused play counts:
// the screen advances the hint by the frame time of its clock step.
//
//   hint.Attach(screen, "ui_group/hint_group");
//   hint.StartLevel(paused);               // a level starts
//   hint.Advance(frame_ms);                // with the clock
//   hint.Update(paused, frame_ms);         // every frame: button state, arrow
//   std::string shown = hint.Use(paused);  // the button was clicked
//
// Ready: the button is enabled, the arrow shown at rest, "sound_hint_ready"
// plays (once per wait) and the "ps_star_circle" effect sparkles around the
// button. While the mouse rests on a ready button (its "image_selected" is
// shown) the arrow turns towards growing angles, a turn every 2 s, and stops
// when it points at the object the hint will show. The hint then points
// the object out: the "hint_scenario" widget flies an arrow to it, and the
// recharge display ("hint_activation") shows the wait.
//
// A hint without a candidate object does nothing: it is not counted and
// the wait stays as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/ref.h"
#include "play/game_managers_owner_interface.h"
#include "widgets/widget_interface.h"

namespace corvellane {

// Where the hint button's centre is on the screen; the arrow turns from there.
inline constexpr TPoint kHintButtonCentre{67, 724};
inline constexpr int32_t kFirstHintRechargeMs = 23000;
inline constexpr int32_t kFirstHintWaitMs = 500;
inline constexpr int32_t kHintRechargeMs = 30000;
inline constexpr int32_t kHintRechargeStepMs = 7000;
// The arrow turns a whole circle in this time while it looks for its object.
inline constexpr int32_t kHintArrowTurnMs = 2000;

// The direction from the hint button to a screen point, in degrees (0
// points right, angles grow counter-clockwise), in [0, 360).
double HintAngleTowards(TPoint target);

class TPlayHint {
 public:
  // Looks up the group, the button and the arrow's pictures.
  void Attach(IGameManagersOwner* owner, std::string_view group_path);
  void Detach();
  // The state of a new screen: no target, the standard recharge.
  void Reset();
  // A level starts: the first hint is ready after 500 ms of play.
  void StartLevel(bool paused);
  void SetFindPlaces(bool find_places) { find_places_ = find_places; }
  // The object carried from the panel, which the hint then points at.
  void SetCarried(Ref<ISceneObjectDef> carried) { carried_ = std::move(carried); }

  void Advance(int32_t frame_ms);
  void Update(bool paused, int32_t elapsed_ms);
  // The name of the widget the hint points at; empty when there is nothing
  // to show (no hint is then used).
  std::string Use(bool paused);
  // Pauses or resumes the recharge display with the level.
  void PauseDisplay(bool paused);

  bool IsReady() const;
  bool HasButton() const { return static_cast<bool>(button_); }
  int32_t Recharge() const { return recharge_; }
  int32_t SinceHint() const { return since_hint_; }

 private:
  void StartRechargeDisplay(bool paused);
  void ShowReadiness();
  void RunReadyEffect();
  void SteerArrow(int32_t elapsed_ms);
  void SetArrow(bool turning, double angle, bool restart_clock);
  // The direction towards the object the next hint will show (0 without one).
  double ComputeAngle();
  bool TargetStillFits();
  Ref<IWidget> AnimationChild(std::string_view name);
  void FinishAnimationChild(std::string_view name);
  void AddEffect(std::string_view factory, IParamCollection* params);

  IGameManagersOwner* owner_ = nullptr;
  Ref<IWidget> group_;
  Ref<IWidget> button_;
  Ref<IWidget> front_;
  Ref<IWidget> back_;
  Ref<IWidget> after_;

  int32_t recharge_ = kHintRechargeMs;
  int32_t since_hint_ = -1;
  bool ready_sound_due_ = false;
  double angle_ = 0.0;
  bool arrow_turning_ = false;
  bool find_places_ = false;
  Ref<ISceneObjectDef> carried_;
  std::string target_prefix_;
  Ref<IWidget> target_;
};

}  // namespace corvellane
