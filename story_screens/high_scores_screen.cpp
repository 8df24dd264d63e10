#include "story_screens/high_scores_screen.h"

#include "records/game_records_interface.h"
#include "records/record_value.h"
#include "story_screens/widget_ops.h"

namespace corvellane {

namespace {

constexpr int32_t kTimedTable = 0;
constexpr int32_t kRelaxedTable = 1;

}  // namespace

void TCorvellaneGameScreenHighScores::SetOwner(IGameScreenOwner* owner) {
  TGameScreen::SetOwner(owner);
  grid_ = QueryInterface<THighScoresGridControl>(FindWidget("high_scores_grid"));
}

void TCorvellaneGameScreenHighScores::ClearOwner() {
  grid_ = nullptr;
  TGameScreen::ClearOwner();
}

Ref<IHighScores> TCorvellaneGameScreenHighScores::HighScores() {
  Ref<IGameRecords> records = QueryInterface<IGameRecords>(GetScreenOwner());
  return records ? records->GetHighScores() : nullptr;
}

void TCorvellaneGameScreenHighScores::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  ShowTable(kRelaxedTable);
}

void TCorvellaneGameScreenHighScores::ShowTable(int32_t table) {
  Ref<IHighScores> high_scores = HighScores();
  if (!grid_ || !high_scores) return;
  Ref<IRecordTableCollection> tables = high_scores->GetTables();
  grid_->SetRecordTable(tables ? tables->GetTable(Variant(table)) : nullptr);
  if (Ref<IWidget> classic = FindWidget("button_classic")) classic->SetVisible(table == kRelaxedTable);
  if (Ref<IWidget> relax = FindWidget("button_relax")) relax->SetVisible(table == kTimedTable);
  SetWidgetProperty(FindWidget("label_playmode").get(), "text_utf8",
                    Variant("%play_mode" + std::to_string(table) + "%"));
}

void TCorvellaneGameScreenHighScores::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (!sender || code != kWidgetEventClick) return;
  const std::string name = sender->GetName();
  if (name == "button_classic") ShowTable(kTimedTable);
  else if (name == "button_relax") ShowTable(kRelaxedTable);
}

void TCorvellaneGameScreenHighScores::ChildClosed(std::string_view name, Ref<IParamCollection> result) {
  TGameScreen::ChildClosed(name, result);
  if (name != "GS_ClearHighScores" || ParamText(result.get(), "Button", "") != "button_yes") return;
  Ref<IHighScores> high_scores = HighScores();
  if (!high_scores) return;
  high_scores->ClearAll();
  high_scores->LoadHighScores(GetEngine(), true);
  high_scores->SaveHighScores(GetEngine());
  if (grid_) grid_->SetChanged(true);
}

bool TCorvellaneGameScreenHighScores::KeyEvent(const PlatformEvent& event) {
  const bool focused = TGameScreen::KeyEvent(event);
  if (DialogKeyOf(event) != TDialogKey::kNone) CloseSelf();
  return focused;
}

}  // namespace corvellane
