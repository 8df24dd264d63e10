#include "widgets/abstract_widget.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "engine/engine_interface.h"
#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/param_string.h"
#include "persistence/property_table.h"
#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"
#include "widgets/property_aliases.h"
#include "widgets/widget_path.h"
#include "widgets/window_interface.h"

namespace corvellane {

namespace {

// Aliases may name each other ("\a=b\b=a") or lead back to themselves
// through paths; resolution gives up beyond this depth instead of recursing
// without end.
constexpr int kMaxAliasDepth = 16;
int alias_depth = 0;

class AliasDepthGuard {
 public:
  AliasDepthGuard() { ++alias_depth; }
  ~AliasDepthGuard() { --alias_depth; }
  AliasDepthGuard(const AliasDepthGuard&) = delete;
  AliasDepthGuard& operator=(const AliasDepthGuard&) = delete;
  bool TooDeep() const { return alias_depth > kMaxAliasDepth; }
};

int32_t ClampLevel(int32_t level) { return std::clamp(level, 0, 255); }

// A value of a key=value list; braces keep a "\" inside it from splitting
// the item when the list is read back.
std::string ListValue(const std::string& value) {
  const bool needs_braces = value.find('\\') != std::string::npos ||
                            (!value.empty() && value.front() == '{' && value.back() == '}');
  return needs_braces ? "{" + value + "}" : value;
}

std::string ExtraParamsText(IParamCollection* params) {
  std::string text;
  for (int i = 0; params && i < params->Count(); ++i) {
    Ref<IParam> param = params->GetParam(Variant(i));
    if (param) text += "\\" + param->GetName() + "=" + ListValue(param->GetParamValue().ToText());
  }
  return text;
}

TPoint OwnerMousePos(TAbstractWidget& w) {
  IWidgetOwner* owner = w.GetOwner();
  return owner ? owner->GetMousePos() : TPoint{};
}

}  // namespace

// ---- Persistence ----

const TPropertyTable& TAbstractWidget::Properties() {
  using W = TAbstractWidget;
  // Geometry, visibility and the control flags mean nothing to a plain
  // widget; they are named here so that every widget answers them, and the
  // classes that keep them add the rows that load and save them.
  static const TPropertyTable table =
      TPropertyTableOf<W>(TPropertyObject::Properties())
          .Float("anchor_left", &W::GetAnchorLeft, &W::SetAnchorLeft, 0.0).NameOnly()
          .Float("anchor_top", &W::GetAnchorTop, &W::SetAnchorTop, 0.0).NameOnly()
          .Int("transparentlevel", &W::GetTransparentLevel, &W::SetTransparentLevel, 255)
          .Bool("dead", &W::IsDead, &W::SetDead, false).NameOnly()
          .Bool("paused", &W::IsPaused, &W::SetPaused, false)
          .Bool("visible", &W::IsVisible, &W::SetVisible, false).NameOnly()
          .Int("z", &W::GetZ, &W::SetZ, 0).NameOnly()
          .Computed("left", &W::GetLeft)
          .Computed("top", &W::GetTop)
          .Computed("width", &W::GetWidth)
          .Computed("height", &W::GetHeight)
          .Bool("enabled", &W::IsEnabled, &W::SetEnabled, false).NameOnly()
          .Bool("tabstop", &W::IsTabStop, &W::SetTabStop, false).NameOnly()
          .Bool("mousestop", &W::IsMouseStop, &W::SetMouseStop, false).NameOnly()
          // Data holds the start time, which is what is saved back; by name
          // the clock is read and moved. An unchanged clock is no write at
          // all: the name then reaches the extra params and aliases.
          .Custom(
              "currenttime", [](W& w) { return Variant(w.current_time_); },
              [](W& w, const Variant& v) { return w.SetCurrentTime(v.ToInt(w.current_time_)); },
              [](W& w, IHierStorage* node) { w.current_time_ = w.start_time_ = ReadInt(node, "currenttime", 0); },
              [](W& w, IHierStorage* node) { WriteInt(node, "currenttime", w.start_time_, w.start_time_ != 0); })
          .Int("timetolive", &W::GetTimeToLive, &W::SetTimeToLive, 0)
          .Float("time_rate", &W::GetTimeRate, &W::SetTimeRate, 1.0)
          .Computed("mouse_x", [](W& w) { return OwnerMousePos(w).x; })
          .Computed("mouse_y", [](W& w) { return OwnerMousePos(w).y; })
          .Computed("owner", [](W& w) { return Ref<IWidgetOwner>(w.GetOwner()); })
          .Computed("image", [](W& w) { return w.GetImage(); })
          .Text("aliases", &W::aliases_).DataOnly()
          .Custom(
              "extraparams", nullptr, nullptr,
              [](W& w, IHierStorage* node) {
                for (const ParamPair& pair : ParseParamString(ReadText(node, "extraparams")))
                  w.SetExtraParam(pair.key, Variant(pair.value));
              },
              [](W& w, IHierStorage* node) {
                const std::string extra = ExtraParamsText(w.extra_params_.get());
                WriteText(node, "extraparams", extra, !extra.empty());
              })
          .Text("redefinedparams", &W::redefined_params_).DataOnly();
  return table;
}

void TAbstractWidget::Init() {
  TPropertyObject::Init();
  SetStorageName("widget");
}

void TAbstractWidget::Cleanup() {
  extra_params_ = nullptr;
  if (sounds_) sounds_->Cleanup();
  sounds_ = nullptr;
  function_.Release();
  TPropertyObject::Cleanup();
}

void TAbstractWidget::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  LoadSounds(node);
  function_.Load(node);
}

void TAbstractWidget::LoadSounds(IHierStorage* node) {
  if (Ref<TSoundCollection> sounds = CreateAndLoadChild<TSoundCollection>(node, "sounds")) sounds_ = sounds;
}

void TAbstractWidget::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  if (sounds_ && sounds_->Count() > 0) SaveChild(sounds_.get(), node, "");
  function_.Save(node);
}

// ---- Properties ----

Variant TAbstractWidget::GetProperty(std::string_view name) {
  const PathHead path = SplitWidgetPath(name);
  if (!path.rest.empty()) {
    Ref<IWidget> target = FindWidget(path.head);
    return target ? target->GetProperty(path.rest) : Variant::Null();
  }
  if (std::optional<Variant> value = ReadDynamicProperty(name)) return *value;
  if (std::optional<Variant> value = GetPropertyTable().Read(*this, name)) return *value;
  return ReadUnknownProperty(name);
}

void TAbstractWidget::SetProperty(std::string_view name, const Variant& value) {
  const PathHead path = SplitWidgetPath(name);
  if (!path.rest.empty()) {
    if (Ref<IWidget> target = FindWidget(path.head)) target->SetProperty(path.rest, value);
    return;
  }
  bool handled = true;
  try {
    handled = WriteDynamicProperty(name, value) || GetPropertyTable().Write(*this, name, value);
  } catch (const std::exception& error) {
    // A value the class could not apply is a write that did not happen.
    LogWarning(GetPath() + ": property \"" + std::string(name) + "\" could not be set to \"" + value.ToText() +
               "\" (" + error.what() + "); ignored");
  }
  if (!handled) WriteUnknownProperty(name, value);
}

std::optional<Variant> TAbstractWidget::ReadDynamicProperty(std::string_view name) { return std::nullopt; }

bool TAbstractWidget::WriteDynamicProperty(std::string_view name, const Variant& value) { return false; }

Variant TAbstractWidget::ReadUnknownProperty(std::string_view name) {
  if (extra_params_ && extra_params_->Contains(name))
    return extra_params_->GetNamedValue(name, Variant::Null());
  if (aliases_.empty() || !HasAlias(aliases_, name)) return GetBaseProperty(name);
  AliasDepthGuard guard;
  std::optional<std::string> target = FindAliasValue(aliases_, name);
  if (guard.TooDeep() || !target || *target == name) return Variant::Null();
  return GetProperty(*target);
}

void TAbstractWidget::WriteUnknownProperty(std::string_view name, const Variant& value) {
  if (extra_params_ && extra_params_->Contains(name)) {
    extra_params_->SetNamedValue(name, value);
    return;
  }
  if (aliases_.empty() || !HasAlias(aliases_, name)) {
    SetBaseProperty(name, value);
    return;
  }
  AliasDepthGuard guard;
  std::optional<std::string> targets = FindAliasValue(aliases_, name);
  if (guard.TooDeep() || !targets) return;
  for (const std::string& target : SplitAliasTargets(*targets))
    if (target != name) SetProperty(target, value);
}

void TAbstractWidget::SetExtraParam(std::string_view name, const Variant& value) {
  if (!extra_params_) extra_params_ = CreateObject<TParamCollection>();
  extra_params_->SetNamedValue(name, value);
}

// ---- Place in the tree ----

void TAbstractWidget::SetOwner(IWidgetOwner* owner) {
  owner_ = owner;
  ApplyRedefinedParams();
  if (function_.GetFunction()) {
    function_.Bind();
    function_.ResetCycle(*this);
    function_.EvaluateCycle(*this);
  }
}

void TAbstractWidget::ClearOwner() {
  function_.Unbind();
  owner_ = nullptr;
}

void TAbstractWidget::ApplyRedefinedParams() {
  for (const ParamPair& pair : ParseParamString(redefined_params_)) {
    try {
      SetProperty(pair.key, GetProperty(pair.value));
    } catch (const std::exception& error) {
      // One broken entry must not keep the others from being applied.
      LogWarning(GetPath() + ": redefined parameter \"" + pair.key + "=" + pair.value + "\" could not be applied (" +
                 error.what() + "); skipped");
    }
  }
}

Ref<IWidget> TAbstractWidget::FindWidget(std::string_view path) {
  if (path.empty()) return Ref<IWidget>(static_cast<IWidget*>(this));
  const PathHead split = SplitWidgetPath(path);
  if (split.head == ".") return FindWidget(split.rest);
  if (split.head == "..") return owner_ ? owner_->FindWidget(split.rest) : nullptr;
  if (split.head == kWindowPathHead) {
    IWindow* window = owner_ ? owner_->GetWindow() : nullptr;
    return window ? window->FindWidget(split.rest) : nullptr;
  }
  Ref<IWidget> child = GetChild(Variant(split.head));
  if (!child || split.rest.empty()) return child;
  return child->FindWidget(split.rest);
}

std::string TAbstractWidget::GetPath() {
  std::string path = owner_ ? owner_->GetPath() : std::string();
  const std::string name = GetName();
  if (name.empty()) return path;
  return path.empty() ? name : path + "/" + name;
}

// ---- Time ----

void TAbstractWidget::Update(int32_t elapsed_ms) {
  if (time_rate_ != 1.0) elapsed_ms = RoundToPixel(elapsed_ms * time_rate_);
  Advance(elapsed_ms);
}

void TAbstractWidget::Advance(int32_t elapsed_ms) {
  advanced_ = true;
  current_time_ = SaturatingAdd(current_time_, elapsed_ms);
  if (time_to_live_ > 0 && current_time_ >= time_to_live_) SetDead(true);
  function_.EvaluateCycle(*this);
}

void TAbstractWidget::Restart() {
  current_time_ = 0;
  paused_ = false;
  function_.ResetCycle(*this);
  Advance(0);
}

bool TAbstractWidget::SetCurrentTime(int32_t ms) {
  if (ms == current_time_) return false;
  SetChanged(true);
  current_time_ = ms;
  return true;
}

void TAbstractWidget::SetTimeRate(double rate) {
  // A rate that is not a finite number would make every later time meaningless.
  if (std::isfinite(rate)) time_rate_ = rate;
}

void TAbstractWidget::Show(bool visible) {
  SetVisible(visible);
  SetPaused(!visible);
}

// ---- Geometry and hit-testing ----

TPoint TAbstractWidget::ScreenToLocal(TPoint screen_point) {
  return owner_ ? owner_->ChildScreenToLocal(screen_point) : screen_point;
}

TRect TAbstractWidget::GetRect() {
  // The size is added to the rounded position (not rounded again), so the
  // rectangle covers exactly the pixels Draw paints at that position.
  const int32_t left = RoundToPixel(GetLeft());
  const int32_t top = RoundToPixel(GetTop());
  return {left, top, SaturatingAdd(left, GetWidth()), SaturatingAdd(top, GetHeight())};
}

void TAbstractWidget::SetTransparentLevel(int32_t level) {
  level = ClampLevel(level);
  if (level == transparent_level_) return;
  transparent_level_ = level;
  SetChanged(true);
}

Ref<IWidget> TAbstractWidget::WidgetAtPos(TPoint point) {
  if (IsVisible() && IsMouseStop() && ContainsPoint(point, false))
    return Ref<IWidget>(static_cast<IWidget*>(this));
  return nullptr;
}

bool TAbstractWidget::ContainsPoint(TPoint point, bool ignore_visibility) {
  if (!IsVisible() && !ignore_visibility) return false;
  return RectContains(GetRect(), point);
}

// ---- Sounds ----

Ref<ISound> TAbstractWidget::FindSound(std::string_view name) {
  if (sounds_)
    if (Ref<ISound> own = sounds_->GetSound(Variant(name))) return own;
  return owner_ ? owner_->FindSound(name) : nullptr;
}

namespace {

// Plays the sound once at other settings and puts its own back afterwards,
// also when playing fails.
class SoundSettingsOverride {
 public:
  SoundSettingsOverride(ISound& sound, int32_t volume, int32_t pan)
      : sound_(sound), volume_(sound.GetVolume()), pan_(sound.GetPan()) {
    sound_.SetVolume(volume);
    sound_.SetPan(pan);
  }
  ~SoundSettingsOverride() {
    sound_.SetVolume(volume_);
    sound_.SetPan(pan_);
  }
  SoundSettingsOverride(const SoundSettingsOverride&) = delete;
  SoundSettingsOverride& operator=(const SoundSettingsOverride&) = delete;

 private:
  ISound& sound_;
  int32_t volume_;
  int32_t pan_;
};

}  // namespace

ChannelHandle TAbstractWidget::PlaySound(std::string_view name, bool override_settings, int32_t volume,
                                         int32_t pan) {
  Ref<ISound> sound = FindSound(name);
  IEngine* engine = owner_ ? owner_->GetEngine() : nullptr;
  if (!sound || !engine) return 0;
  if (!override_settings) return engine->PlaySoundSample(sound.get());
  SoundSettingsOverride once(*sound, volume, pan);
  return engine->PlaySoundSample(sound.get());
}

void TAbstractWidget::StopSound(std::string_view name) {
  Ref<ISound> sound = FindSound(name);
  IEngine* engine = owner_ ? owner_->GetEngine() : nullptr;
  if (sound && engine) engine->StopSoundByName(sound.get());
}

// ---- Dirty pass ----

void TAbstractWidget::UpdateDirtyRegion(bool force_old, bool force_new) {
  advanced_ = false;
  invalidated_ = false;
}

}  // namespace corvellane
