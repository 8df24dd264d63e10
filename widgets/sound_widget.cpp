#include "widgets/sound_widget.h"

#include "persistence/value_access.h"

namespace corvellane {

void TSoundWidget::LoadProperties(IHierStorage* node) {
  TAbstractWidget::LoadProperties(node);
  sound_name_ = ReadText(node, "resourcename");
  settings_.loop = ReadBool(node, "loop", false);
  settings_.start_delay = ReadInt(node, "startdelaytime", 0);
  settings_.cycle_delay = ReadInt(node, "cycledelaytime", 0);
  // Usually the sound is a screen's or the game's, out of reach until the
  // widget is attached: the settings then wait for SetOwner.
  settings_pending_ = !ApplySettings();
  start_allowed_ = !IsPaused();
}

void TSoundWidget::SaveProperties(IHierStorage* node) {
  TAbstractWidget::SaveProperties(node);
  WriteText(node, "resourcename", sound_name_, true);
}

void TSoundWidget::SetOwner(IWidgetOwner* owner) {
  TAbstractWidget::SetOwner(owner);
  if (settings_pending_) settings_pending_ = !ApplySettings();
}

bool TSoundWidget::ApplySettings() {
  Ref<ISound> sound = FindSound(sound_name_);
  if (!sound) return false;
  if (settings_.loop) sound->SetLoop(true);
  if (settings_.start_delay != 0) {
    sound->SetStartDelayMin(settings_.start_delay);
    sound->SetStartDelayMax(settings_.start_delay);
  }
  if (settings_.cycle_delay != 0) {
    sound->SetCycleDelayMin(settings_.cycle_delay);
    sound->SetCycleDelayMax(settings_.cycle_delay);
  }
  return true;
}

void TSoundWidget::Advance(int32_t elapsed_ms) {
  TAbstractWidget::Advance(elapsed_ms);
  if (!start_allowed_ || phase_ != TSoundWidgetPhase::NotStarted) return;
  PlaySound(sound_name_, false, 0, 0);
  phase_ = TSoundWidgetPhase::Started;
}

void TSoundWidget::Restart() {
  TAbstractWidget::Restart();
  start_allowed_ = true;
  phase_ = TSoundWidgetPhase::NotStarted;
}

void TSoundWidget::Pause() {
  TAbstractWidget::Pause();
  StopSound(sound_name_);
  phase_ = TSoundWidgetPhase::Stopped;
}

void TSoundWidget::SetPaused(bool paused) {
  if (paused == IsPaused()) {
    TAbstractWidget::SetPaused(paused);
    return;
  }
  if (paused)
    Pause();
  else
    Restart();
}

std::optional<Variant> TSoundWidget::ReadDynamicProperty(std::string_view name) {
  if (name == "startdelaytime" || name == "cycledelaytime") {
    Ref<ISound> sound = FindSound(sound_name_);
    if (!sound) return Variant(0);
    return Variant(name == "startdelaytime" ? sound->GetStartDelayMin() : sound->GetCycleDelayMin());
  }
  return TAbstractWidget::ReadDynamicProperty(name);
}

bool TSoundWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  const bool start = name == "startdelaytime";
  if (!start && name != "cycledelaytime") return TAbstractWidget::WriteDynamicProperty(name, value);
  Ref<ISound> sound = FindSound(sound_name_);
  if (!sound) return true;
  const int32_t current = start ? sound->GetStartDelayMin() : sound->GetCycleDelayMin();
  const int32_t delay = value.ToInt(current);
  if (start) {
    sound->SetStartDelayMin(delay);
    sound->SetStartDelayMax(delay);
  } else {
    sound->SetCycleDelayMin(delay);
    sound->SetCycleDelayMax(delay);
  }
  return true;
}

}  // namespace corvellane
