// abstract_widget.h: TAbstractWidget, the base of every widget.
//
// A non-visual widget: owner link, clock and lifetime, pause, properties by
// name and path (with aliases, extra parameters and re-defined parameters),
// sounds. Visual widgets build on it (visual_widget.h).
//
// Data keys ("widget" element):
//   paused="yes"  transparentlevel="128"  currenttime="500"  timetolive="1000"
//   time_rate="0.5"  aliases="\show=visible\pos={anchor_left,anchor_top}"
//   extraparams="\score=10"  redefinedparams="\anchor_left=../slot/anchor_left"
//   <sounds> ... </sounds>   (sound definitions)
//   <function_widget type="..."> ... </function_widget>   (bound function)
//
// Properties are read and written by name; a name holding "/" is a path: the
// part before the first "/" names a widget (FindWidget) and the rest is
// asked of it. A name is looked up in this order: the class's dynamic names
// (ReadDynamicProperty, for names that are not fixed), its property table
// (property_table.h: every subclass adds its rows there), the extra params,
// the aliases, then "name" and "_object_guid". A value a class cannot apply
// (its setter throws) is no write, and so is a re-defined parameter that
// fails; each is logged with the widget's path.
//
//   widget->SetProperty("timetolive", 1000);
//   widget->Update(16);                         // scaled by "time_rate"
//   Variant v = widget->GetProperty("panel/caption/visible");
//
// Time: Update(dt) scales dt by the time rate (ties to even), then Advance
// adds it to the clock; once the clock reaches "timetolive" (when > 0) the
// widget is dead and its group removes it in the same frame.
//
// Bound function (function_binding.h): attaching the widget prepares it and
// runs its preparation and one calculation; every Advance calculates it
// again and Restart runs its preparation, each time pushing the widget's
// properties into its named cells and pulling its results back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/params.h"
#include "sound/sound_definitions.h"
#include "widgets/function_binding.h"
#include "widgets/widget_collection_interface.h"
#include "widgets/widget_interface.h"
#include "widgets/widget_owner_interface.h"

namespace corvellane {

class TAbstractWidget : public TPropertyObject, public virtual IWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  // ---- Properties (path, built-in names, extra params, aliases, base) ----
  Variant GetProperty(std::string_view name) override;
  void SetProperty(std::string_view name, const Variant& value) override;

  // ---- Place in the tree ----
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Invalidate() override { SetChanged(true); }
  IWidgetOwner* GetOwner() const override { return owner_; }
  Ref<IWidgetCollection> GetWidgets() override { return nullptr; }
  Ref<IWidget> FindWidget(std::string_view path) override;
  std::string GetPath() override;

  // ---- Time and life ----
  bool IsDead() const override { return dead_; }
  void SetDead(bool dead) override { dead_ = dead; }
  bool IsPaused() const override { return paused_; }
  void SetPaused(bool paused) override { paused_ = paused; }
  bool IsAdvanced() const override { return advanced_; }
  void SetAdvanced(bool advanced) override { advanced_ = advanced; }
  void Update(int32_t elapsed_ms) override;
  // Marks the widget advanced, runs its clock and ends its life when due.
  virtual void Advance(int32_t elapsed_ms);
  void Restart() override;
  void Resume() override { paused_ = false; }
  void Pause() override { paused_ = true; }
  int32_t GetCurrentTime() const { return current_time_; }
  // Moves the clock (the loaded start time stays as saved); an unchanged
  // value answers false and changes nothing, a new one marks the widget changed.
  bool SetCurrentTime(int32_t ms);
  int32_t GetTimeToLive() const { return time_to_live_; }
  void SetTimeToLive(int32_t ms) { time_to_live_ = ms; }
  double GetTimeRate() const { return time_rate_; }
  // Ignored unless finite.
  void SetTimeRate(double rate);

  // ---- Geometry: a non-visual widget has none ----
  bool IsVisible() const override { return false; }
  void SetVisible(bool visible) override {}
  int32_t GetZ() const override { return -1; }
  void SetZ(int32_t z) override {}
  double GetAnchorLeft() const override { return 0.0; }
  void SetAnchorLeft(double x) override {}
  double GetAnchorTop() const override { return 0.0; }
  void SetAnchorTop(double y) override {}
  TPoint ScreenToLocal(TPoint screen_point) override;
  double GetTop() override { return 0.0; }
  double GetLeft() override { return 0.0; }
  int32_t GetWidth() override { return 0; }
  int32_t GetHeight() override { return 0; }
  TRect GetRect() override;
  int32_t GetTransparentLevel() const override { return transparent_level_; }
  void SetTransparentLevel(int32_t level) override;

  void Draw(ISurface* surface, int32_t x, int32_t y) override {}
  Ref<ISurface> GetImage() override { return nullptr; }

  // ---- Controls and input: nothing in the base ----
  bool IsEnabled() const override { return false; }
  void SetEnabled(bool enabled) override {}
  bool IsTabStop() const override { return false; }
  void SetTabStop(bool tab_stop) override {}
  bool IsMouseStop() const override { return false; }
  void SetMouseStop(bool mouse_stop) override {}
  Ref<IWidget> WidgetAtPos(TPoint point) override;
  bool ContainsPoint(TPoint point, bool ignore_visibility) override;
  void CaptureLost() override {}
  void FocusLost() override {}
  void FocusGained() override {}
  bool HandleMouse(int32_t message, TPoint screen_point, uint32_t keys) override { return false; }
  bool HandleKey(int32_t message, int32_t key, uint32_t keys) override { return false; }

  // ---- Sounds ----
  ChannelHandle PlaySound(std::string_view name, bool override_settings, int32_t volume,
                          int32_t pan) override;
  void StopSound(std::string_view name) override;
  Ref<TSoundCollection> GetSounds() override { return sounds_; }
  Ref<ISound> FindSound(std::string_view name) override;

  void Notify(int32_t code, const Variant& value) override {}

  // ---- Dirty pass: the base only clears its per-frame flags ----
  void UpdateDirtyRegion(bool force_old, bool force_new) override;
  bool WasVisible() const override { return false; }
  bool IsChanged() const override { return changed_; }
  void SetChanged(bool changed) override { changed_ = changed; }
  bool IsInvalidated() const override { return invalidated_; }

  void Show(bool visible) override;
  void SetExtraParam(std::string_view name, const Variant& value) override;
  Ref<IParamCollection> GetExtraParams() const { return extra_params_; }
  const std::string& GetAliases() const { return aliases_; }
  const std::string& GetRedefinedParams() const { return redefined_params_; }
  const Ref<IFunction>& GetFunction() const { return function_.GetFunction(); }
  // Replaces the bound function; it is bound when the widget is attached.
  void SetFunction(Ref<IFunction> function) { function_.SetFunction(std::move(function)); }

 protected:
  // A child by key (integer: index, text: name); none for plain widgets.
  virtual Ref<IWidget> GetChild(const Variant& key) { return nullptr; }
  // Names whose meaning is not fixed (an effect's start parameters, which
  // shadow every other name): tried before the property table. None / false
  // when the name is not one of them.
  virtual std::optional<Variant> ReadDynamicProperty(std::string_view name);
  virtual bool WriteDynamicProperty(std::string_view name, const Variant& value);
  void SetInvalidated(bool invalidated) { invalidated_ = invalidated; }

 private:
  Variant ReadUnknownProperty(std::string_view name);
  void WriteUnknownProperty(std::string_view name, const Variant& value);
  void ApplyRedefinedParams();
  void LoadSounds(IHierStorage* node);

  bool changed_ = false;
  IWidgetOwner* owner_ = nullptr;
  bool dead_ = false;
  bool paused_ = false;
  bool advanced_ = false;
  int32_t transparent_level_ = 255;
  int32_t start_time_ = 0;
  int32_t current_time_ = 0;
  int32_t time_to_live_ = 0;
  double time_rate_ = 1.0;
  Ref<TSoundCollection> sounds_;
  TFunctionBinding function_;
  std::string aliases_;
  Ref<IParamCollection> extra_params_;
  std::string redefined_params_;
  bool invalidated_ = false;
};

}  // namespace corvellane
