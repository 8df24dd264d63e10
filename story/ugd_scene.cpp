#include "story/ugd_scene.h"

#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TUGDScene::Properties() {
  using S = TUGDScene;
  static const TPropertyTable table = TPropertyTableOf<S>(TPropertyObject::Properties())
                                          .Text("participant", &S::participant_)
                                          .Bool("firstdatescene", &S::first_date_, false)
                                          .Bool("generated", &S::generated_, false);
  return table;
}

void TUGDScene::Init() {
  TUGDItem::Init();
  SetElement("scene");
}

}  // namespace corvellane
