#include "widgets/sound_widget.h"

#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TSoundWidget::Properties() {
  using W = TSoundWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TAbstractWidget::Properties())
          .Text("resourcename", &W::sound_name_, "", Table::Always())
          .Bool("loop", [](W& w) { return w.settings_.loop; }, [](W& w, bool on) { w.settings_.loop = on; }, false,
                Table::Never())
          .DataOnly()
          .Int("startdelaytime", [](W& w) { return w.GetSoundDelay(TDelay::Start); },
               [](W& w, int32_t ms) { w.SetSoundDelay(TDelay::Start, ms); }, 0, Table::Never())
          .LoadsWith([](W& w, const Variant& v) { w.settings_.start_delay = v.ToInt(); })
          .Int("cycledelaytime", [](W& w) { return w.GetSoundDelay(TDelay::Cycle); },
               [](W& w, int32_t ms) { w.SetSoundDelay(TDelay::Cycle, ms); }, 0, Table::Never())
          .LoadsWith([](W& w, const Variant& v) { w.settings_.cycle_delay = v.ToInt(); });
  return table;
}

void TSoundWidget::LoadProperties(IHierStorage* node) {
  TAbstractWidget::LoadProperties(node);
  // Usually the sound is a screen's or the game's, out of reach until the
  // widget is attached: the settings then wait for SetOwner.
  settings_pending_ = !ApplySettings();
  start_allowed_ = !IsPaused();
}

void TSoundWidget::SetOwner(IWidgetOwner* owner) {
  TAbstractWidget::SetOwner(owner);
  if (settings_pending_) settings_pending_ = !ApplySettings();
}

bool TSoundWidget::ApplySettings() {
  Ref<ISound> sound = FindSound(sound_name_);
  if (!sound) return false;
  if (settings_.loop) sound->SetLoop(true);
  if (settings_.start_delay != 0) SetSoundDelay(TDelay::Start, settings_.start_delay);
  if (settings_.cycle_delay != 0) SetSoundDelay(TDelay::Cycle, settings_.cycle_delay);
  return true;
}

int32_t TSoundWidget::GetSoundDelay(TDelay delay) {
  Ref<ISound> sound = FindSound(sound_name_);
  if (!sound) return 0;
  return delay == TDelay::Start ? sound->GetStartDelayMin() : sound->GetCycleDelayMin();
}

void TSoundWidget::SetSoundDelay(TDelay delay, int32_t ms) {
  Ref<ISound> sound = FindSound(sound_name_);
  if (!sound) return;
  if (delay == TDelay::Start) {
    sound->SetStartDelayMin(ms);
    sound->SetStartDelayMax(ms);
  } else {
    sound->SetCycleDelayMin(ms);
    sound->SetCycleDelayMax(ms);
  }
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

}  // namespace corvellane
