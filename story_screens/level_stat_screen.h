// level_stat_screen.h: TCorvellaneGameScreenLevelStat
// ("CorvellaneGameScreenLevelStat"), the statistics shown over the play
// screen after every level, won or lost.
//
// The play screen opens it with the level's results:
//
//   ShowScreen("GS_LevelStat", {"tasktype": 0, "complete": true, "scores": 12400, "time": 45,
//                               "hints_used": 0, "success_clicks": 9, "wrong_clicks": 2,
//                               "participant": "marguerite", "scenename": "flower_shop",
//                               "object_names": ";vase_l2;cup_l1;"});
//
// "scores" is the story total after the level, before the bonuses. The
// screen fills its rows (time, level points, hints, mistakes, the level's
// total and the story's), adds the bonuses of level_bonuses.h to the story
// total, draws a story picture that fits the kind of task (the participant's
// card with the objects found, the two portraits, the gift, the ending) and,
// for a won level, enters the result in the high scores and the level
// records and saves them with the player's story. Its buttons close it by
// their action type; it sends no result.
//
// Widgets, each optional: "label_title_level_complete",
// "label_title_level_failed", "label_total_scores", "total_scores",
// "label_level_time", "level_time", "level_time_scores",
// "label_level_scores", "level_scores", "level_hints", "level_hints_scores",
// "level_mistakes", "level_mistakes_scores", "all_scores" (with its caption
// "label_all_scores"), and the group
// "specific_part_group" that holds the story picture. Factories:
// "ho_specific_part" (a participant's card), "obj_in_frame" (one object),
// "io_specific_part" (two portraits), "hp_specific_part" (the gift),
// "do_specific_part" (the ending), "loose_task_specific_part" (a lost level).
//
// Sound behaviour beyond the rows: the results of one decided level are
// entered once, however often the screen is shown with them; a parameter
// missing or no number closes the screen at once and changes nothing; with a
// trace open (story_screens/play_trace.h) the line "level_stat" tells the
// bonuses and the total, and "records_saved" each time the records are.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "screens/game_screen.h"
#include "story/category_interface.h"
#include "story/scene_def_interface.h"
#include "story/user_game_data_interface.h"
#include "story_screens/level_bonuses.h"

namespace corvellane {

// The results the play screen hands over.
struct TLevelResults {
  int32_t task_type = 0;
  bool complete = false;
  int32_t scores = 0;
  int32_t seconds = 0;
  int32_t hints = 0;
  int32_t success_clicks = 0;
  int32_t wrong_clicks = 0;
};

// The seven results, or none when one is missing or no number.
std::optional<TLevelResults> ReadLevelResults(IParamCollection* parameters);

class TCorvellaneGameScreenLevelStat : public TGameScreen {
 public:
  static constexpr size_t kCategoryRows = 5;

  void SetOwner(IGameScreenOwner* owner) override;
  void ClearOwner() override;
  void Advance(int32_t elapsed_ms) override;

  int32_t Total() const { return total_; }
  int32_t LevelPoints() const { return level_points_; }

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;

 private:
  void ReadGameValues();
  bool ShowStatistics(IParamCollection* parameters);
  void ShowRow(std::string_view name, bool visible);
  void ShowNumber(std::string_view name, int32_t value);
  int32_t BonusIfShown(std::string_view name, int32_t bonus);
  void EnterRecords();
  void TraceStatistics(const TLevelBonuses& bonuses);

  // The story picture (level_stat_picture.cpp).
  void BuildStoryPicture(IParamCollection* parameters);
  void AddPortrait(const std::string& participant_name);
  void AddObjectPictures(const std::string& scene_name, const std::string& object_names);
  void AddTwoPortraits(IParamCollection* parameters);
  void AddGift(IParamCollection* parameters);
  void AddEnding();
  void AddLostLevelPicture();
  void AddToStoryGroup(Ref<IWidget> widget);
  Ref<IUGDParticipant> Participant(const std::string& name);
  Ref<ISceneObjectDefCollection> SceneObjects(const std::string& scene_name);

  int32_t copy_ = 0;
  int32_t level_ = 1;
  int32_t level_points_ = 0;
  int32_t total_ = 0;
  TLevelResults results_;
  Ref<IUserGameData> story_;
  Ref<IUGDCase> case_;
  Ref<ICategoryCollection> categories_;
  Ref<ISceneDefRefCollection> scene_refs_;
  Ref<IWidget> story_group_;
  std::array<std::string, kCategoryRows> category_names_;
  // The results last entered: the same level shown again is not entered twice.
  Ref<IParamCollection> entered_;
  // Opened without readable results: closing as soon as the game lets it.
  bool close_unread_ = false;
};

}  // namespace corvellane
