// ugd_task.h: TUGDTask and TUGDStage, the tasks of a case and the stages
// that group them.
//
//   <stage name="petals" completed="yes">
//     <params>...</params>
//     <tasks>
//       <task name="petals_1" tasktype="0"><params>...</params></task>
//     </tasks>
//   </stage>
//
// "completed" is written only when set; "tasktype" (TTaskType) always. Task
// parameters the program reads: "scenename" (and "scenename2" for the
// find-identical mode), "participant", "map_label_name", "given_time", and
// the results the play screen writes back ("scores", "task_time"...).
#pragma once

#include "story/story_collection.h"
#include "story/ugd_item.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TUGDTask : public TUGDItem, public virtual IUGDTask {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;

  bool GetCompleted() const override { return completed_; }
  void SetCompleted(bool completed) override { completed_ = completed; }
  int32_t GetTaskType() const override { return task_type_; }
  void SetTaskType(int32_t type) override { task_type_ = type; }
  Ref<IParamCollection> GetParams() override { return TUGDItem::GetParams(); }

 private:
  bool completed_ = false;
  int32_t task_type_ = 0;
};

class TUGDTaskCollection : public TStoryCollection<TUGDTask, IUGDTask> {
 public:
  TUGDTaskCollection() : TStoryCollection("tasks", "task") {}
};

class TUGDStage : public TUGDItem, public virtual IUGDStage {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  void Cleanup() override;
  // "tasks", after the parameters.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  bool GetCompleted() const override { return completed_; }
  void SetCompleted(bool completed) override { completed_ = completed; }
  Ref<IParamCollection> GetParams() override { return TUGDItem::GetParams(); }
  Ref<IUGDTaskCollection> GetTasks() override { return tasks_; }

 private:
  bool completed_ = false;
  Ref<TUGDTaskCollection> tasks_;
};

class TUGDStageCollection : public TStoryCollection<TUGDStage, IUGDStage> {
 public:
  TUGDStageCollection() : TStoryCollection("stages", "stage") {}
};

}  // namespace corvellane
