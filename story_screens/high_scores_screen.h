// high_scores_screen.h: TCorvellaneGameScreenHighScores
// ("CorvellaneGameScreenHighScores"), the two high-score tables, one per way
// of playing, shown one at a time in the grid "high_scores_grid"
// (story_screens/high_scores_grid_control.h).
//
// It opens on table 1 (the relaxed story); "button_classic" shows table 0
// (against the clock), "button_relax" table 1, and only the button of the
// other table is shown. "label_playmode" names the table shown with the
// text "%play_mode0%" or "%play_mode1%". After "GS_ClearHighScores" answered
// "button_yes", the tables are emptied, the shipped tables of the program
// folder are read again and saved, and the grid is drawn anew.
#pragma once

#include "screens/game_screen.h"
#include "records/high_scores_interface.h"
#include "story_screens/high_scores_grid_control.h"

namespace corvellane {

class TCorvellaneGameScreenHighScores : public TGameScreen {
 public:
  void SetOwner(IGameScreenOwner* owner) override;
  void ClearOwner() override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override;
  bool KeyEvent(const PlatformEvent& event) override;

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;

 private:
  Ref<IHighScores> HighScores();
  void ShowTable(int32_t table);

  Ref<THighScoresGridControl> grid_;
};

}  // namespace corvellane
