// The statistics rows, the bonuses and the records of the level statistics
// screen. The story picture is level_stat_picture.cpp.
#include "story_screens/level_stat_screen.h"

#include "persistence/log.h"
#include "shell/lower_case.h"
#include "records/game_records_interface.h"
#include "records/record_value.h"
#include "shell/formatting.h"
#include "story/story_progress.h"
#include "story_screens/play_trace.h"
#include "story_screens/widget_ops.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

namespace {

constexpr int32_t kLevelScoresTop = 210;
constexpr int32_t kRelaxedLevelScoresTop = 245;

// "yes"/"no", "true"/"false", 1/0 and booleans; none for anything else.
std::optional<bool> FlagValue(const Variant& value) {
  if (value.kind() == Variant::Kind::Bool) return value.ToBool();
  if (std::optional<int32_t> number = IntegerValue(value)) return *number != 0;
  const std::string text = ToLowerAscii(value.ToText());
  if (text == "yes" || text == "true") return true;
  if (text == "no" || text == "false") return false;
  return std::nullopt;
}

}  // namespace

std::optional<TLevelResults> ReadLevelResults(IParamCollection* parameters) {
  if (!parameters) return std::nullopt;
  Ref<IParam> complete = parameters->GetParam(Variant("complete"));
  std::optional<bool> won = complete ? FlagValue(complete->GetParamValue()) : std::nullopt;
  std::optional<int32_t> type = ParamInteger(parameters, "tasktype");
  std::optional<int32_t> scores = ParamInteger(parameters, "scores");
  std::optional<int32_t> seconds = ParamInteger(parameters, "time");
  std::optional<int32_t> hints = ParamInteger(parameters, "hints_used");
  std::optional<int32_t> successes = ParamInteger(parameters, "success_clicks");
  std::optional<int32_t> mistakes = ParamInteger(parameters, "wrong_clicks");
  if (!won || !type || !scores || !seconds || !hints || !successes || !mistakes) return std::nullopt;
  return TLevelResults{*type, *won, *scores, *seconds, *hints, *successes, *mistakes};
}

// ---- Attaching ----

void TCorvellaneGameScreenLevelStat::SetOwner(IGameScreenOwner* owner) {
  story_group_ = FindWidget("specific_part_group");
  TGameScreen::SetOwner(owner);
}

void TCorvellaneGameScreenLevelStat::ClearOwner() {
  TGameScreen::ClearOwner();
  RemoveAllChildren(story_group_.get());
  story_group_ = nullptr;
  story_ = nullptr;
  case_ = nullptr;
  categories_ = nullptr;
  scene_refs_ = nullptr;
  entered_ = nullptr;
}

// ---- Opening ----

void TCorvellaneGameScreenLevelStat::Advance(int32_t elapsed_ms) {
  TGameScreen::Advance(elapsed_ms);
  if (close_unread_) close_unread_ = !CloseSelf();
}

void TCorvellaneGameScreenLevelStat::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  copy_ = 0;
  level_ = 1;
  level_points_ = total_ = 0;
  results_ = {};
  ReadGameValues();
  if (!ShowStatistics(parameters)) return;
  BuildStoryPicture(parameters);
  // A level is entered once: the same results shown again change nothing.
  if (results_.complete && parameters && entered_.get() != parameters) {
    entered_ = Ref<IParamCollection>(parameters);
    EnterRecords();
  }
}

void TCorvellaneGameScreenLevelStat::ReadGameValues() {
  IGameScreenOwner* game = GetScreenOwner();
  story_ = game ? game->GetGameParam("UserGameData").ToObject<IUserGameData>() : nullptr;
  case_ = nullptr;
  if (story_ && story_->GetCases() && story_->GetCases()->Count() > 0) {
    case_ = CurrentCase(*story_);
    copy_ = story_->GetSelectedCopy();
    level_ = story_->GetLevel();
  }
  categories_ = game ? game->GetGameParam("Categories").ToObject<ICategoryCollection>() : nullptr;
  scene_refs_ = game ? game->GetGameParam("SceneDefRefs").ToObject<ISceneDefRefCollection>() : nullptr;
}

bool TCorvellaneGameScreenLevelStat::ShowStatistics(IParamCollection* parameters) {
  std::optional<TLevelResults> results = ReadLevelResults(parameters);
  if (!results) {
    LogWarning("the level statistics were opened without the level's results; they close again");
    // Not while the game is still opening it: it closes with its first frame.
    close_unread_ = true;
    return false;
  }
  close_unread_ = false;
  results_ = *results;
  const bool won = results_.complete;
  const bool timed = copy_ != 1;
  ShowRow("label_title_level_complete", won);
  ShowRow("label_title_level_failed", !won);
  ShowRow("label_total_scores", won);
  ShowRow("total_scores", won);

  for (std::string_view name : {"label_level_time", "level_time", "level_time_scores"}) ShowRow(name, timed);
  SetWidgetProperty(FindWidget("level_time").get(), "text", Variant(FormatMinSec(results_.seconds)));
  const TLevelBonuses bonuses =
      LevelBonuses({results_.seconds, results_.hints, results_.wrong_clicks}, timed, won);
  ShowNumber("level_time_scores", bonuses.time);

  if (story_) level_points_ = results_.scores - story_->GetScores();
  for (std::string_view name : {"label_level_scores", "level_scores"}) {
    if (Ref<IWidget> row = FindWidget(name)) row->SetAnchorTop(timed ? kLevelScoresTop : kRelaxedLevelScoresTop);
    ShowRow(name, won);
  }
  ShowNumber("level_scores", level_points_);
  ShowNumber("level_hints", results_.hints);
  ShowNumber("level_hints_scores", bonuses.hints);
  ShowNumber("level_mistakes", results_.wrong_clicks);
  ShowNumber("level_mistakes_scores", bonuses.mistakes);

  const int32_t bonus_sum = BonusIfShown("level_time_scores", bonuses.time) +
                            BonusIfShown("level_hints_scores", bonuses.hints) +
                            BonusIfShown("level_mistakes_scores", bonuses.mistakes);
  ShowNumber("total_scores", level_points_ + bonus_sum);
  total_ = results_.scores + bonus_sum;
  if (story_) story_->SetScores(total_);
  ShowNumber("all_scores", total_);
  ShowRow("all_scores", won);
  ShowRow("label_all_scores", won);
  TraceStatistics(bonuses);
  return true;
}

void TCorvellaneGameScreenLevelStat::ShowRow(std::string_view name, bool visible) {
  if (Ref<IWidget> widget = FindWidget(name)) widget->SetVisible(visible);
}

void TCorvellaneGameScreenLevelStat::ShowNumber(std::string_view name, int32_t value) {
  SetWidgetProperty(FindWidget(name).get(), "text", Variant(FormatIntWithSeparators(value)));
}

// A bonus the screen cannot show is not given.
int32_t TCorvellaneGameScreenLevelStat::BonusIfShown(std::string_view name, int32_t bonus) {
  return FindWidget(name) ? bonus : 0;
}

// ---- Records ----

void TCorvellaneGameScreenLevelStat::EnterRecords() {
  Ref<IGameRecords> records = QueryInterface<IGameRecords>(GetScreenOwner());
  Ref<IUserProfileCollection> profiles = records ? records->GetUserProfiles() : nullptr;
  Ref<ILevelRecords> level_records = records ? records->GetLevelRecords() : nullptr;
  Ref<IUserProfile> player = profiles ? profiles->GetCurrentProfile() : nullptr;
  if (!profiles || !level_records || !player) return;
  IEngine* engine = GetEngine();
  const std::string table = std::to_string(copy_);
  if (Ref<IHighScores> high_scores = records->GetHighScores()) {
    Ref<TParamCollection> entry =
        MakeParams({{"Player", player->GetName()}, {"Score", total_}, {"Level", level_}, {"Const", "no"}});
    if (high_scores->SubmitRecord(entry.get(), table)) player->GetParams()->SetNamedValue("ShowHighScores", Variant("yes"));
    high_scores->SaveHighScores(engine);
  }
  if (Ref<ILevelRecord> record = level_records->SetLevelRecord(nullptr, table, level_)) {
    if (record->GetIntValue("Score", -1, false) < level_points_) {
      record->SetIntValue("Score", level_points_);
      record->SetTextValue("Scorename", player->GetName());
    }
    const int32_t best_time = record->GetIntValue("time", -1, false);
    if (best_time < 0 || best_time > results_.seconds) {
      record->SetIntValue("time", results_.seconds);
      record->SetTextValue("timename", player->GetName());
    }
    level_records->SaveLevelRecords(engine);
  }
  // The story goes into the profile with its new total, then the profiles
  // are written: the bonuses are the player's even if the game ends here.
  if (!story_ || !story_->SaveToProfile()) profiles->SaveProfiles(engine);
  if (PlayTraceOn())
    WritePlayTrace(TPlayTraceLine("records_saved").Text("player", player->GetName()).Int("total", total_));
}

void TCorvellaneGameScreenLevelStat::TraceStatistics(const TLevelBonuses& bonuses) {
  if (!PlayTraceOn()) return;
  WritePlayTrace(TPlayTraceLine("level_stat")
                     .Bool("complete", results_.complete)
                     .Int("copy", copy_)
                     .Int("level", level_)
                     .Int("level_points", level_points_)
                     .Int("time_bonus", bonuses.time)
                     .Int("hints_bonus", bonuses.hints)
                     .Int("mistakes_bonus", bonuses.mistakes)
                     .Int("total", total_));
}

}  // namespace corvellane
