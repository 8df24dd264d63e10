// user_game_data.h: TUserGameData, one player's progress through the story,
// kept as the data text of the player's profile (records/user_profile.h).
//
//   <usergamedata currentcase0="bert" scores0="1200" Level0="12"
//                 currentcase1="marguerite" scores1="0" Level1="1">
//     <cases0><case name="marguerite" completed="yes">...</case>...</cases0>
//     <cases1>...</cases1>
//   </usergamedata>
//
// The same form is the scenario of a new player
// ("data\ini\scenarios\default.ini", story_progress.h StartNewStory). "currentcase", "scores" and
// "Level" of both copies are always written (defaults: empty, 0 and 1), a
// "cases" child only when the copy has a case.
//
//   auto story = CreateObject<TUserGameData>();
//   story->AttachAndLoad(profiles.get(), profile.get());
//   story->SelectCopy(1);
//   ... CompleteTask(*story, ...) ...
//   story->SaveToProfile();
//   story->Detach();
//
// A data text that does not parse is logged and leaves the story empty.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "story/ugd_case.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TUserGameData : public TPropertyObject, public virtual IUserGameData {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  void Cleanup() override;
  // The copies' "cases0" and "cases1", after the table.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void AttachAndLoad(IUserProfileCollection* profiles, IUserProfile* profile) override;
  void Detach() override;
  bool SaveToProfile() override;
  void LoadCopy(IHierStorage* cases, int copy) override;
  int GetSelectedCopy() const override { return selected_; }
  void SelectCopy(int copy) override;
  int32_t GetLevel() const override { return copies_[selected_].level; }
  void SetLevel(int32_t level) override { copies_[selected_].level = level; }
  std::string GetCurrentCaseName() const override { return copies_[selected_].current_case; }
  void SetCurrentCaseName(std::string_view name) override { copies_[selected_].current_case = std::string(name); }
  Ref<IUGDCaseCollection> GetCases() override { return copies_[selected_].cases; }
  int32_t GetScores() const override { return copies_[selected_].scores; }
  void SetScores(int32_t scores) override { copies_[selected_].scores = scores; }
  std::string SaveToText() override;

 private:
  struct TCopy {
    Ref<TUGDCaseCollection> cases;
    std::string current_case;
    int32_t scores = 0;
    int32_t level = 1;
  };
  // Back to a story without cases, at the defaults.
  void Reset();

  std::array<TCopy, kStoryCopies> copies_;
  int selected_ = 0;
  IUserProfileCollection* profiles_ = nullptr;
  IUserProfile* profile_ = nullptr;
};

}  // namespace corvellane
