// sound_widget.h: TSoundWidget ("sound_widget"), a widget without a picture
// that plays a sound when it starts.
//
//   <widget type="sound_widget" name="sound_birds" resourcename="sound_birds"
//           loop="yes" startdelaytime="300" cycledelaytime="2000"/>
//
// "resourcename" names a sound definition found through FindSound: the
// widget's own sounds, its owners', the screen's or the game's. On the first
// advance that is allowed the sound plays through the engine; Restart (or
// unpausing through "paused") plays it again from the start, pausing stops
// it. "loop", "startdelaytime" and "cycledelaytime" are applied to the sound
// definition itself, which other users of that sound share (a delay of 0 in
// data leaves the definition's alone); they are not saved with the widget.
// By name, "startdelaytime" and "cycledelaytime" are the definition's delays:
// reading gives the minimum (0 without the sound), writing sets both bounds.
#pragma once

#include <cstdint>
#include <string>

#include "widgets/abstract_widget.h"

namespace corvellane {

enum class TSoundWidgetPhase : uint8_t { NotStarted = 0, Started = 1, Stopped = 3 };

class TSoundWidget : public TAbstractWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  // After the keys: the loaded settings go into the sound when it is found.
  void LoadProperties(IHierStorage* node) override;
  void SetOwner(IWidgetOwner* owner) override;

  void Advance(int32_t elapsed_ms) override;
  void Restart() override;
  void Pause() override;
  void SetPaused(bool paused) override;

  const std::string& GetSoundName() const { return sound_name_; }
  TSoundWidgetPhase GetPlayingPhase() const { return phase_; }

 private:
  // The loaded settings, waiting until the sound can be found.
  struct TSoundSettings {
    bool loop = false;
    int32_t start_delay = 0;
    int32_t cycle_delay = 0;
  };
  enum class TDelay { Start, Cycle };
  // True when the sound was found and the settings went into it.
  bool ApplySettings();
  // The definition's minimum delay, 0 without the sound.
  int32_t GetSoundDelay(TDelay delay);
  // Both bounds of the definition's delay; nothing without the sound.
  void SetSoundDelay(TDelay delay, int32_t ms);

  std::string sound_name_;
  TSoundWidgetPhase phase_ = TSoundWidgetPhase::NotStarted;
  bool start_allowed_ = true;
  TSoundSettings settings_;
  bool settings_pending_ = false;
};

}  // namespace corvellane
