// ugd_case.h: TUGDCase, one case of the story: a client to be paired, the
// people, scenes, stages and map labels of the case.
//
//   <case name="bert" currentstage="dawn" completed="yes">
//     <params><param name="completed" value="no"/>...</params>
//     <participants>...</participants>
//     <scenes>...</scenes>
//     <stages>...</stages>
//     <map_labels>...</map_labels>
//   </case>
//
// "generated" and "completed" are written only when set; each child only
// when it holds something. The parameters "io_names" and "io_count" are the
// generator's memory of the case's identical objects; "completed" (a
// parameter, unlike the flag) says whether the pairs book was shown.
#pragma once

#include <string>
#include <string_view>

#include "story/story_collection.h"
#include "story/ugd_item.h"
#include "story/ugd_map_label.h"
#include "story/ugd_participant.h"
#include "story/ugd_scene.h"
#include "story/ugd_task.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TUGDCase : public TUGDItem, public virtual IUGDCase {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  void Cleanup() override;
  // The four collections, after the parameters.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  bool GetGenerated() const override { return generated_; }
  void SetGenerated(bool generated) override { generated_ = generated; }
  bool GetCompleted() const override { return completed_; }
  void SetCompleted(bool completed) override { completed_ = completed; }
  std::string GetCurrentStageName() const override { return current_stage_; }
  void SetCurrentStageName(std::string_view name) override { current_stage_ = std::string(name); }
  Ref<IUGDStageCollection> GetStages() override { return stages_; }
  Ref<IUGDParticipantCollection> GetParticipants() override { return participants_; }
  Ref<IParamCollection> GetParams() override { return TUGDItem::GetParams(); }
  Ref<IUGDSceneCollection> GetScenes() override { return scenes_; }
  Ref<IUGDMapTaskLabelCollection> GetMapLabels() override { return map_labels_; }

 private:
  std::string current_stage_;
  bool generated_ = false;
  bool completed_ = false;
  Ref<TUGDParticipantCollection> participants_;
  Ref<TUGDSceneCollection> scenes_;
  Ref<TUGDStageCollection> stages_;
  Ref<TUGDMapTaskLabelCollection> map_labels_;
};

class TUGDCaseCollection : public TStoryCollection<TUGDCase, IUGDCase> {
 public:
  TUGDCaseCollection() : TStoryCollection("cases", "case") {}
};

}  // namespace corvellane
