// text_vizualization_control.h: TControlTextVizualization
// ("control_text_vizualization"), texts that appear letter by letter.
//
// When started, each text-widget child is hidden and every character it
// shows is replaced by a letter widget from the factory
// "vizualization_letter", faded in by a widget from the factory
// "transparent_widget" (typically a scenario that raises the letter's
// opacity) that starts "letterdelaytime" ms after the previous letter's,
// the first "startdelaytime" ms after the start. Both factories get the
// parameters "name" (the character's position, from 1), "anchor_left",
// "anchor_top", "width", "height" (the character's box) and "text"
// (empty); the letter then gets its character as "text_utf8" and the fader
// the letter as "widget" and its start as a negative "currenttime". The
// widgets live in the child "letters_group".
//
// Once the last letter has started, or on a click, or on Notify(3), the
// letters go, the texts show whole and the control reports event 7
// (kWidgetEventTextFinished); a click after that reports event 8
// (kWidgetEventTextClickedAfterFinish): the player wants to go on.
//
//   <widget type="control_text_vizualization" name="story_text" visible="yes"
//           mousestop="yes" width="600" height="200" startdelaytime="300"
//           letterdelaytime="40" init_visualization="yes">
//     <widgetfactories> ... "vizualization_letter", "transparent_widget" ... </widgetfactories>
//     <widgets>
//       <widget type="text_widget" name="text_story" visible="yes" .../>
//       <widget type="group_widget" name="letters_group" z="1"/>
//     </widgets>
//   </widget>
//
// With "init_visualization" every Restart starts it again; writing
// "init_visualization" or "InitVizualization" by name starts it at once.
// "visualization_state" reads 0 (idle), 1 (running) or 2 (finished),
// "visualization_time" the control time at which the last letter starts.
#pragma once

#include <cstdint>

#include "controls/control_widget.h"

namespace corvellane {

enum class TVizualizationState : int32_t { kIdle = 0, kRunning = 1, kFinished = 2 };

class TControlTextVizualization : public TControlWidget {
 public:
  static constexpr int32_t kNotifyFinish = 3;

  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Restart() override;
  void Advance(int32_t elapsed_ms) override;
  void Notify(int32_t code, const Variant& value) override;
  bool MouseUp(TPoint point, uint32_t keys, TMouseButton button) override;

  void InitVisualization();
  void FinishVisualization();
  TVizualizationState GetState() const { return state_; }
  int32_t GetEndTime() const { return end_time_; }

 private:
  void ClearLetters();
  // The letters of one text child; answers the start time after them.
  int32_t SpellOut(IWidget& text, int index, int32_t start);
  // A letter and its fader for the character at position n (from 1).
  int32_t AddLetter(const std::string& character, const TRect& box, int index, int32_t n, int32_t start);

  int32_t start_delay_ = 0;
  int32_t letter_delay_ = 0;
  bool init_on_restart_ = false;
  Ref<IWidget> letters_;
  TVizualizationState state_ = TVizualizationState::kIdle;
  int32_t end_time_ = 0;
};

}  // namespace corvellane
