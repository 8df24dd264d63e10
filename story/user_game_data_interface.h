// user_game_data_interface.h: the player's story progress as the map, play
// and statistics screens see it.
//
// The story is a sequence of cases (one client each), a case is played in
// stages, a stage is a set of tasks, and a task is one level in a scene of
// the case. TUserGameData (user_game_data.h) keeps two independent copies of
// it, 0 (against the clock) and 1 (at leisure); every accessor acts on the
// selected copy. story_progress.h holds the rules that move through it.
//
// Object lists in scene and case parameters are texts such as ";vase/l2;cup/l1;"
// (object_list.h); the empty list is ";".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/params.h"
#include "persistence/storage.h"
#include "records/user_profile_interface.h"
#include "story/story_collection.h"

namespace corvellane {

// The play mode of a task ("tasktype").
enum class TTaskType : int32_t {
  HiddenShapes = 0,
  HiddenNames = 1,
  FindIdentical = 2,
  HiddenParts = 3,
  FindPlaces = 4,
};

struct IUGDTask : virtual INamedObject {
  virtual bool GetCompleted() const = 0;
  virtual void SetCompleted(bool completed) = 0;
  virtual int32_t GetTaskType() const = 0;
  virtual void SetTaskType(int32_t type) = 0;
  virtual Ref<IParamCollection> GetParams() = 0;
};
using IUGDTaskCollection = IStoryCollection<IUGDTask>;

struct IUGDStage : virtual INamedObject {
  virtual bool GetCompleted() const = 0;
  virtual void SetCompleted(bool completed) = 0;
  virtual Ref<IParamCollection> GetParams() = 0;
  virtual Ref<IUGDTaskCollection> GetTasks() = 0;
};
using IUGDStageCollection = IStoryCollection<IUGDStage>;

struct IUGDScene : virtual INamedObject {
  virtual bool GetGenerated() const = 0;
  virtual void SetGenerated(bool generated) = 0;
  virtual std::string GetParticipantName() const = 0;
  virtual void SetParticipantName(std::string_view name) = 0;
  virtual bool GetFirstDateScene() const = 0;
  virtual void SetFirstDateScene(bool first_date) = 0;
  virtual Ref<IParamCollection> GetParams() = 0;
};
using IUGDSceneCollection = IStoryCollection<IUGDScene>;

struct IUGDParticipant : virtual INamedObject {
  // The person's name as shown: the language file's
  // "%participant_caption_pattern%" with "participant_name" and
  // "participant_age" set; worked out once and kept until the next load.
  virtual std::string GetDisplayCaption() = 0;
  virtual void SetDisplayCaption(std::string_view caption) = 0;
  virtual std::string GetCaption() const = 0;
  virtual std::string GetAge() const = 0;
  virtual std::string GetDescription() const = 0;
  virtual void SetDescription(std::string_view description) = 0;
  virtual std::string GetAvatar() const = 0;
  virtual void SetAvatar(std::string_view avatar) = 0;
  virtual bool IsClient() const = 0;
  virtual void SetClient(bool client) = 0;
  virtual bool IsIdealMatch() const = 0;
  virtual void SetIdealMatch(bool ideal_match) = 0;
  virtual std::string GetCategories() const = 0;
  virtual void SetCategories(std::string_view categories) = 0;
};
using IUGDParticipantCollection = IStoryCollection<IUGDParticipant>;

struct IUGDMapTaskLabel : virtual INamedObject {
  // "anchor_left", "anchor_top", "resourcename", "resourceleft",
  // "resourcetop", "width", "height" for the map screen's label widget.
  virtual void WriteLabelParams(IParamCollection* params) = 0;
  // Overwrites x and y with the selected position where it is set.
  virtual void GetSelectedPosition(int32_t& x, int32_t& y) const = 0;
};
using IUGDMapTaskLabelCollection = IStoryCollection<IUGDMapTaskLabel>;

struct IUGDCase : virtual INamedObject {
  virtual bool GetGenerated() const = 0;
  virtual void SetGenerated(bool generated) = 0;
  virtual bool GetCompleted() const = 0;
  virtual void SetCompleted(bool completed) = 0;
  virtual std::string GetCurrentStageName() const = 0;
  virtual void SetCurrentStageName(std::string_view name) = 0;
  virtual Ref<IUGDStageCollection> GetStages() = 0;
  virtual Ref<IUGDParticipantCollection> GetParticipants() = 0;
  virtual Ref<IParamCollection> GetParams() = 0;
  virtual Ref<IUGDSceneCollection> GetScenes() = 0;
  virtual Ref<IUGDMapTaskLabelCollection> GetMapLabels() = 0;
};
using IUGDCaseCollection = IStoryCollection<IUGDCase>;

inline constexpr int kStoryCopies = 2;

struct IUserGameData : virtual IObject {
  // Remembers the profile list and the profile, and loads the profile's data
  // text (plain back links, forgotten by Detach).
  virtual void AttachAndLoad(IUserProfileCollection* profiles, IUserProfile* profile) = 0;
  virtual void Detach() = 0;
  // Writes everything into the profile's data text and has the profile list
  // saved; false when nothing is attached or the list could not be saved.
  virtual bool SaveToProfile() = 0;
  // Replaces the cases of copy `copy` with the "case" children of the node
  // (none: no cases).
  virtual void LoadCopy(IHierStorage* cases, int copy) = 0;
  virtual int GetSelectedCopy() const = 0;
  // Copies other than 0 and 1 are not selected.
  virtual void SelectCopy(int copy) = 0;
  virtual int32_t GetLevel() const = 0;
  virtual void SetLevel(int32_t level) = 0;
  virtual std::string GetCurrentCaseName() const = 0;
  virtual void SetCurrentCaseName(std::string_view name) = 0;
  virtual Ref<IUGDCaseCollection> GetCases() = 0;
  virtual int32_t GetScores() const = 0;
  virtual void SetScores(int32_t scores) = 0;
  // The whole progress as the text of a "usergamedata" document.
  virtual std::string SaveToText() = 0;
};

}  // namespace corvellane
