#include "story/ugd_case.h"

#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TUGDCase::Properties() {
  using C = TUGDCase;
  static const TPropertyTable table = TPropertyTableOf<C>(TPropertyObject::Properties())
                                          .Text("currentstage", &C::current_stage_)
                                          .Bool("generated", &C::generated_, false)
                                          .Bool("completed", &C::completed_, false);
  return table;
}

void TUGDCase::Init() {
  TUGDItem::Init();
  SetElement("case");
  participants_ = CreateObject<TUGDParticipantCollection>();
  scenes_ = CreateObject<TUGDSceneCollection>();
  stages_ = CreateObject<TUGDStageCollection>();
  map_labels_ = CreateObject<TUGDMapTaskLabelCollection>();
}

void TUGDCase::Cleanup() {
  participants_->Cleanup();
  scenes_->Cleanup();
  stages_->Cleanup();
  map_labels_->Cleanup();
  TUGDItem::Cleanup();
}

void TUGDCase::LoadProperties(IHierStorage* node) {
  TUGDItem::LoadProperties(node);
  LoadStoryChild(*participants_, node);
  LoadStoryChild(*scenes_, node);
  LoadStoryChild(*stages_, node);
  LoadStoryChild(*map_labels_, node);
}

void TUGDCase::SaveProperties(IHierStorage* node) {
  TUGDItem::SaveProperties(node);
  SaveStoryChild(*participants_, node);
  SaveStoryChild(*scenes_, node);
  SaveStoryChild(*stages_, node);
  SaveStoryChild(*map_labels_, node);
}

}  // namespace corvellane
