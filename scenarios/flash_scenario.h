// flash_scenario.h: TFlashScenario ("flash_scenario"), a small timed tween
// of up to five properties of one other widget, and what comes after it.
//
//   <widget type="flash_scenario" name="fs_show_ok" linked_widget_name="button_ok"
//           duration="300" properties=";anchor_top;transparentlevel;" value=";inc:-40;255;"
//           show_on_start="yes" dead_on_end="no" mousestop="yes" z="10"
//           previos="button_cancel" next="fs_show_cancel;playsound:sound_click"/>
//
// It draws nothing. At its start (its first advance, or Restart) it finds
// its linked widget through its owner (a plain name is a sibling), reads
// each property's value there and works out the target (flash_track.h); it
// shows the widget with "show_on_start" and hides and pauses the widgets of
// its "previos" list. Each frame every property moves linearly from its
// start value to its target over the duration (flash_timing.h: fixed,
// random, or as long as a sound plays and then "extra" ms). At the end, and
// at once on a click when it is a mouse stop (it then takes clicks
// anywhere while running), the targets are set exactly, the widget is
// hidden with "hide_on_end", the scenario ends with "dead_on_end", and its
// "next" list runs: "closegamescreen" closes the screen, "showgamescreen:NAME"
// opens one, otherwise each item is shown, unpaused and restarted
// (typically the next scenario of a chain and the widget it moves);
// "rnd:a,b,c" picks one of the names, "playsound:S" and "stopsound:S" play
// and stop sounds. Pause ends it the same way.
//
// Without any duration (negative, no sound) the properties keep their start
// values until a click or Pause sets the targets: a tween is never driven
// away from its targets. Six or more properties, or lists of different
// lengths, make it idle: it only waits and runs its lists.
//
// By name: "duration", "maxincrementaldurationtime", "linked_widget_name",
// "actiontype" (0 linear, 1 idle), "properties" / "value" (the first
// track), "show_on_start", "hide_on_end", "previos", "next".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/mixer.h"
#include "scenarios/flash_timing.h"
#include "scenarios/flash_track.h"
#include "widgets/abstract_widget.h"

namespace corvellane {

enum class TFlashAction : int { Linear, Idle };

class TFlashScenario : public TAbstractWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Advance(int32_t elapsed_ms) override;
  void Restart() override;
  void Pause() override;
  int32_t GetZ() const override { return z_; }
  void SetZ(int32_t z) override { z_ = z; }
  bool IsMouseStop() const override { return mouse_stop_ && started_; }
  void SetMouseStop(bool on) override { mouse_stop_ = on; }
  Ref<IWidget> WidgetAtPos(TPoint point) override;
  bool HandleMouse(int32_t message, TPoint screen_point, uint32_t keys) override;

  bool IsStarted() const { return started_; }
  bool IsTimed() const { return timed_; }
  int32_t GetEffectiveDuration() const { return effective_duration_; }
  TFlashAction GetAction() const { return action_; }
  // Idle for this run: by data, by broken tracks or for want of a widget.
  bool IsTweening() const { return tweening_; }
  const std::vector<TFlashTrack>& Tracks() const { return tracks_; }

  virtual void StartFlash();
  virtual void FinishFlash();

 protected:
  Ref<IWidget> GetChild(const Variant& key) override { return linked_; }

 private:
  void StartTiming();
  void StartTracks();
  bool HasEnded();
  void Tween();
  void ApplyTargets();
  void RunNextList();
  // Shows (restarting) or hides (pausing) each widget of the list.
  void RunWidgetActions(const std::string& list, bool show);
  Ref<IWidget> ResolveAction(const std::string& item);
  void ReadTracks(IHierStorage* node);
  void WriteTracks(IHierStorage* node);

  std::string linked_name_;
  Ref<IWidget> linked_;
  TFlashAction action_ = TFlashAction::Linear;
  std::vector<TFlashTrack> tracks_;
  // False after too many properties or lists of different lengths.
  bool tracks_valid_ = true;
  // Whether this run moves the properties: linear, valid tracks, a widget.
  bool tweening_ = false;
  bool show_on_start_ = false;
  bool hide_on_end_ = false;
  bool dead_on_end_ = false;
  int32_t effective_duration_ = 0;
  TFlashTiming timing_;
  bool mouse_stop_ = false;
  bool pressed_ = false;
  bool started_ = false;
  bool timed_ = false;
  ChannelHandle sound_handle_ = 0;
  int32_t z_ = 0;
  std::string previous_list_;
  std::string next_list_;
  bool running_next_list_ = false;
};

}  // namespace corvellane
