#include "screens/options_screen.h"

#include <exception>

#include "engine/engine_interface.h"
#include "persistence/number_text.h"
#include "xml/ascii_case.h"

namespace corvellane {

void TGameScreenOptions::SetOwner(IGameScreenOwner* owner) {
  TGameScreen::SetOwner(owner);
  for (size_t i = 0; i < kSettings.size(); ++i) widgets_[i] = FindWidget(kSettings[i].widget);
}

void TGameScreenOptions::ClearOwner() {
  widgets_ = {};
  TGameScreen::ClearOwner();
}

Variant TGameScreenOptions::EngineParam(std::string_view name) {
  IEngine* engine = GetEngine();
  return engine ? engine->GetEngineParam(name) : Variant::Null();
}

void TGameScreenOptions::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  // The controls report what they are set to; that is no change of the player's.
  showing_ = true;
  for (size_t i = 0; i < kSettings.size(); ++i)
    if (widgets_[i]) ShowSetting(kSettings[i], *widgets_[i]);
  showing_ = false;
}

void TGameScreenOptions::ShowSetting(const Setting& setting, IWidget& widget) {
  const Variant value = EngineParam(setting.param);
  if (!setting.check_box) {
    // Not a number: the bar shows 0.
    if (!value.IsNull()) widget.SetProperty("position", Variant(ParseInt(value.ToText()).value_or(0)));
    return;
  }
  if (!value.IsNull()) widget.SetProperty("CheckBoxState", Variant(EqualsIgnoreAsciiCase(value.ToText(), "yes")));
  if (setting.available.empty()) return;
  const Variant available = EngineParam(setting.available);
  if (!available.IsNull()) widget.SetEnabled(!EqualsIgnoreAsciiCase(available.ToText(), "no"));
}

void TGameScreenOptions::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (!sender) return;
  const std::string name = sender->GetName();
  if (code == kWidgetEventClick && name == "button_close") CloseSelf();
  if (code == kWidgetEventClick && name == "button_highscores" && GetScreenOwner())
    GetScreenOwner()->ShowScreen("GS_HighScores", nullptr);
  if (showing_ || (code != kWidgetEventCheckBoxToggled && code != kWidgetEventTrackBarMoved)) return;
  for (size_t i = 0; i < kSettings.size(); ++i)
    if (widgets_[i].get() == sender) StoreSetting(kSettings[i], *sender);
}

void TGameScreenOptions::StoreSetting(const Setting& setting, IWidget& widget) {
  IGameScreenOwner* owner = GetScreenOwner();
  if (!owner) return;
  if (setting.check_box) {
    owner->SetGameParam(setting.param, Variant(widget.GetProperty("CheckBoxState").ToBool(false) ? "yes" : "no"));
    return;
  }
  owner->SetGameParam(setting.param, Variant(FormatInt(widget.GetProperty("position").ToInt(0))));
  // The player hears the new volume at once.
  if (setting.param == "SoundVolume") widget.PlaySound("sound_checksoundvolume", false, 100, 0);
}

bool TGameScreenOptions::KeyEvent(const PlatformEvent& event) {
  const bool focused = TGameScreen::KeyEvent(event);
  if (DialogKeyOf(event) == TDialogKey::kNone) return focused;
  CloseSelf();
  return true;
}

}  // namespace corvellane
