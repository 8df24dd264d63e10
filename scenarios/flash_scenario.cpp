#include "scenarios/flash_scenario.h"

#include <algorithm>

#include "engine/engine_interface.h"
#include "engine/random_source.h"
#include "persistence/param_string.h"
#include "persistence/property_table.h"
#include "persistence/value_access.h"
#include "widgets/event_handler_interface.h"
#include "widgets/game_screen_owner_interface.h"
#include "widgets/game_screen_slave_interface.h"
#include "widgets/input_messages.h"

namespace corvellane {

namespace {

// Sets the flag for as long as it lives.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~TFlagScope() { flag_ = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& flag_;
};

constexpr std::string_view kActionNames = "/linear/idle";

bool IsButtonDown(int32_t message) {
  return message == kMouseLeftDown || message == kMouseRightDown || message == kMouseMiddleDown;
}

bool IsButtonUp(int32_t message) {
  return message == kMouseLeftUp || message == kMouseRightUp || message == kMouseMiddleUp;
}

std::string_view Head(std::string_view item) { return item.substr(0, item.find(':')); }

std::string_view Tail(std::string_view item) {
  const size_t colon = item.find(':');
  return colon == std::string_view::npos ? std::string_view() : item.substr(colon + 1);
}

}  // namespace

const TPropertyTable& TFlashScenario::Properties() {
  using S = TFlashScenario;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table =
      Table(TAbstractWidget::Properties())
          .Text("linked_widget_name", &S::linked_name_)
          .Custom(
              "duration", [](S& s) { return Variant(s.timing_.duration); },
              [](S& s, const Variant& v) {
                s.timing_.duration = v.ToInt(s.timing_.duration);
                return true;
              },
              [](S& s, IHierStorage* node) { s.timing_ = ParseFlashTiming(ReadText(node, "duration", "-1")); },
              [](S& s, IHierStorage* node) {
                const std::string text = FormatFlashTiming(s.timing_);
                WriteText(node, "duration", text, text != "-1");
              })
          .Int("maxincrementaldurationtime", [](S& s) { return s.timing_.extra; },
               [](S& s, int32_t ms) { s.timing_.extra = ms; }, 0)
          .NameOnly()
          .Enum("actiontype", kActionNames, &S::action_, &S::action_, TFlashAction::Linear)
          .Custom(
              "properties",
              [](S& s) { return s.tracks_.empty() ? Variant(std::string()) : Variant(s.tracks_[0].property); },
              [](S& s, const Variant& v) {
                if (s.tracks_.empty()) s.tracks_.emplace_back();
                s.tracks_[0].property = v.ToText();
                return true;
              },
              [](S& s, IHierStorage* node) { s.ReadTracks(node); }, [](S& s, IHierStorage* node) { s.WriteTracks(node); })
          .Custom(
              "value", [](S& s) { return s.tracks_.empty() ? Variant() : s.tracks_[0].Target(); },
              [](S& s, const Variant& v) {
                if (s.tracks_.empty()) s.tracks_.emplace_back();
                s.tracks_[0].spec = v.ToText();
                return true;
              },
              nullptr, nullptr)
          .Bool("show_on_start", &S::show_on_start_, false)
          .Bool("hide_on_end", &S::hide_on_end_, false)
          .Bool("dead_on_end", &S::dead_on_end_, false)
          .DataOnly()
          .Bool("mousestop", &S::mouse_stop_, false)
          .DataOnly()
          .Text("previos", &S::previous_list_)
          .Text("next", &S::next_list_)
          .Int("z", &S::z_, 0)
          .DataOnly();
  return table;
}

void TFlashScenario::ReadTracks(IHierStorage* node) {
  tracks_valid_ = ParseFlashTracks(ReadText(node, "properties"), ReadText(node, "value"), tracks_);
}

void TFlashScenario::WriteTracks(IHierStorage* node) {
  if (action_ != TFlashAction::Linear) return;
  const std::string properties = FlashPropertiesText(tracks_);
  const std::string values = FlashValuesText(tracks_);
  WriteText(node, "properties", properties, !properties.empty() && properties != ";");
  WriteText(node, "value", values, !values.empty() && values != ";");
}

void TFlashScenario::Cleanup() {
  linked_ = nullptr;
  TAbstractWidget::Cleanup();
}

void TFlashScenario::SetOwner(IWidgetOwner* owner) {
  TAbstractWidget::SetOwner(owner);
  linked_ = nullptr;
  started_ = false;
}

void TFlashScenario::ClearOwner() {
  linked_ = nullptr;
  TAbstractWidget::ClearOwner();
}

void TFlashScenario::StartTiming() {
  if (timing_.sound_mode) {
    if (sound_handle_ == 0) sound_handle_ = PlaySound(timing_.sound, false, 100, 0);
    if (sound_handle_ != 0) {
      effective_duration_ = timing_.extra;
      timed_ = false;
      return;
    }
    // The sound did not start: as if no sound had been named.
    timing_.extra = 0;
    timing_.sound_mode = false;
    effective_duration_ = timing_.duration;
    timed_ = timing_.duration >= 0;
    return;
  }
  effective_duration_ = timing_.duration;
  if (timing_.extra >= 1)
    effective_duration_ = timing_.duration + 1 + static_cast<int32_t>(GlobalRandom().Uniform(timing_.extra));
  timed_ = effective_duration_ >= 0;
}

void TFlashScenario::StartTracks() {
  tweening_ = false;
  if (linked_name_.empty()) return;
  IWidgetOwner* owner = GetOwner();
  linked_ = owner ? owner->FindWidget(linked_name_) : nullptr;
  if (!linked_) return;
  tweening_ = action_ == TFlashAction::Linear && tracks_valid_;
  if (tweening_)
    for (TFlashTrack& track : tracks_) track.Start(linked_->GetProperty(track.property));
  if (show_on_start_) linked_->SetVisible(true);
}

void TFlashScenario::StartFlash() {
  StartTiming();
  StartTracks();
  SetCurrentTime(0);
  if (!previous_list_.empty()) RunWidgetActions(previous_list_, false);
  pressed_ = false;
  started_ = true;
}

bool TFlashScenario::HasEnded() {
  if (timed_ && GetCurrentTime() >= effective_duration_) return true;
  if (!timing_.sound_mode) return false;
  IWidgetOwner* owner = GetOwner();
  IEngine* engine = owner ? owner->GetEngine() : nullptr;
  return !engine || !engine->IsSoundPlaying(sound_handle_);
}

void TFlashScenario::Advance(int32_t elapsed_ms) {
  TAbstractWidget::Advance(elapsed_ms);
  if (!started_) StartFlash();
  if (!HasEnded()) {
    Tween();
    return;
  }
  if (timing_.sound_mode && effective_duration_ > 0) {
    // The sound is over: wait that much longer.
    timing_.sound_mode = false;
    timed_ = true;
    effective_duration_ += GetCurrentTime();
    return;
  }
  Pause();
}

void TFlashScenario::Tween() {
  // Without a positive duration there is no way from start to target to
  // follow: the properties wait at their start values for the end.
  if (!tweening_ || !linked_ || effective_duration_ <= 0) return;
  for (const TFlashTrack& track : tracks_)
    linked_->SetProperty(track.property, track.ValueAt(GetCurrentTime(), effective_duration_));
}

void TFlashScenario::ApplyTargets() {
  if (!linked_) return;
  if (tweening_)
    for (const TFlashTrack& track : tracks_) linked_->SetProperty(track.property, track.Target());
  if (hide_on_end_) linked_->SetVisible(false);
}

void TFlashScenario::FinishFlash() {
  if (timing_.sound_mode) {
    StopSound(timing_.sound);
    effective_duration_ = 0;
    sound_handle_ = 0;
  }
  ApplyTargets();
  linked_ = nullptr;
  started_ = false;
  if (dead_on_end_) SetDead(true);
  RunNextList();
}

void TFlashScenario::RunNextList() {
  // A chain that comes back here while this list still runs (a scenario
  // that restarts itself, or a ring of them, with no duration) would
  // recurse without end: the inner call does nothing, the ring stops.
  if (running_next_list_) return;
  TFlagScope running(running_next_list_);
  if (next_list_ == "closegamescreen") {
    IWidgetOwner* owner = GetOwner();
    IEventHandler* handler = owner ? owner->GetEventHandler() : nullptr;
    IGameScreenOwner* screens = handler ? handler->GetScreenOwner() : nullptr;
    if (auto* screen = dynamic_cast<IGameScreenSlave*>(handler); screens && screen) screens->CloseScreen(screen, nullptr);
  } else if (next_list_.starts_with("showgamescreen")) {
    IWidgetOwner* owner = GetOwner();
    IEventHandler* handler = owner ? owner->GetEventHandler() : nullptr;
    if (IGameScreenOwner* screens = handler ? handler->GetScreenOwner() : nullptr)
      screens->ShowScreen(Tail(next_list_), nullptr);
  } else if (!next_list_.empty()) {
    RunWidgetActions(next_list_, true);
  }
}

Ref<IWidget> TFlashScenario::ResolveAction(const std::string& item) {
  IWidgetOwner* owner = GetOwner();
  if (item.find(':') == std::string::npos) return owner->FindWidget(item);
  const std::string_view head = Head(item);
  if (head == "rnd") {
    const std::vector<std::string> names = SplitParamItems(Tail(item), ',');
    if (names.empty()) return nullptr;
    return owner->FindWidget(names[GlobalRandom().Uniform(static_cast<uint32_t>(names.size()))]);
  }
  if (head == "playsound") PlaySound(Tail(item), false, 100, 0);
  if (head == "stopsound") StopSound(Tail(item));
  return nullptr;
}

void TFlashScenario::RunWidgetActions(const std::string& list, bool show) {
  if (!GetOwner()) return;
  for (const std::string& item : SplitParamItems(list, ';')) {
    Ref<IWidget> widget = ResolveAction(item);
    if (!widget) continue;
    widget->SetPaused(!show);
    if (show) widget->Restart();
    widget->SetVisible(show);
  }
}

void TFlashScenario::Restart() {
  StartFlash();
  TAbstractWidget::Restart();
}

void TFlashScenario::Pause() {
  if (!started_) StartFlash();
  TAbstractWidget::Pause();
  FinishFlash();
}

Ref<IWidget> TFlashScenario::WidgetAtPos(TPoint point) {
  if (mouse_stop_ && started_) return Ref<IWidget>(static_cast<IWidget*>(this));
  return nullptr;
}

bool TFlashScenario::HandleMouse(int32_t message, TPoint screen_point, uint32_t keys) {
  if (!mouse_stop_) return false;
  if (IsButtonDown(message)) pressed_ = true;
  else if (IsButtonUp(message) && pressed_ && started_) Pause();
  return false;
}

}  // namespace corvellane
