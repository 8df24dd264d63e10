#include "story/ugd_task.h"

#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TUGDTask::Properties() {
  using T = TUGDTask;
  using Table = TPropertyTableOf<T>;
  static const TPropertyTable table = Table(TPropertyObject::Properties())
                                          .Bool("completed", &T::completed_, false)
                                          .Int("tasktype", &T::task_type_, 0, Table::Always());
  return table;
}

void TUGDTask::Init() {
  TUGDItem::Init();
  SetElement("task");
}

const TPropertyTable& TUGDStage::Properties() {
  using S = TUGDStage;
  static const TPropertyTable table =
      TPropertyTableOf<S>(TPropertyObject::Properties()).Bool("completed", &S::completed_, false);
  return table;
}

void TUGDStage::Init() {
  TUGDItem::Init();
  SetElement("stage");
  tasks_ = CreateObject<TUGDTaskCollection>();
}

void TUGDStage::Cleanup() {
  tasks_->Cleanup();
  TUGDItem::Cleanup();
}

void TUGDStage::LoadProperties(IHierStorage* node) {
  TUGDItem::LoadProperties(node);
  LoadStoryChild(*tasks_, node);
}

void TUGDStage::SaveProperties(IHierStorage* node) {
  TUGDItem::SaveProperties(node);
  SaveStoryChild(*tasks_, node);
}

}  // namespace corvellane
