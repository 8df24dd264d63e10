// options_screen.h: TGameScreenOptions ("GameScreenOptions"), the options
// page: full screen, wide screen, hints and the two volumes.
//
// Widgets by name, each optional:
//   "checkbox_screenmode"      "FullScreenMode"  (disabled while "IsAvailableWindowedMode" is "no")
//   "checkbox_widescreenmode"  "WideScreenMode"  (disabled while "IsAvailableWideScreenMode" is "no")
//   "checkbox_showhints"       "ShowHints"
//   "trackbar_soundvolume"     "SoundVolume"     (plays its "sound_checksoundvolume" when moved)
//   "trackbar_musicvolume"     "MusicVolume"
//   "button_close", "button_highscores" (opens "GS_HighScores")
// Opening shows the engine's values; every change is given to the game at
// once (SetGameParam: the engine switches the display or the volume, and
// the options store keeps the persisted ones), there is nothing to apply or
// revert. Escape and Enter close the page.
//
//   <gamescreen type="GameScreenOptions" name="GS_Options"> <window> ...
//     <widget type="CheckBoxControl" name="checkbox_screenmode" .../>
//     <widget type="TrackBarControl" name="trackbar_musicvolume" min="0" max="100" .../>
//   </window> </gamescreen>
#pragma once

#include <array>
#include <string_view>

#include "screens/game_screen.h"

namespace corvellane {

class TGameScreenOptions : public TGameScreen {
 public:
  void SetOwner(IGameScreenOwner* owner) override;
  void ClearOwner() override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  bool KeyEvent(const PlatformEvent& event) override;

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;

 private:
  struct Setting {
    std::string_view widget;
    std::string_view param;
    std::string_view available;  // empty: always available
    bool check_box;
  };
  static constexpr std::array<Setting, 5> kSettings{{
      {"checkbox_showhints", "ShowHints", "", true},
      {"checkbox_screenmode", "FullScreenMode", "IsAvailableWindowedMode", true},
      {"checkbox_widescreenmode", "WideScreenMode", "IsAvailableWideScreenMode", true},
      {"trackbar_soundvolume", "SoundVolume", "", false},
      {"trackbar_musicvolume", "MusicVolume", "", false},
  }};

  void ShowSetting(const Setting& setting, IWidget& widget);
  void StoreSetting(const Setting& setting, IWidget& widget);
  Variant EngineParam(std::string_view name);

  std::array<Ref<IWidget>, kSettings.size()> widgets_;
  bool showing_ = false;
};

}  // namespace corvellane
