// ugd_scene.h: TUGDScene, one scene of a case as the story keeps it: whose
// scene it is, and the object lists the generator and the level managers
// write into its parameters.
//
//   <scene name="cafe" participant="bert" generated="yes">
//     <params>
//       <param name="ho_count" value="10"/>
//       <param name="ho_names" value=";cup/l1;vase/l2;"/>
//     </params>
//   </scene>
//
// "firstdatescene" and "generated" are written only when set. The parameter
// "scenename" names the scene definition when the scene's own name is none.
#pragma once

#include <string>
#include <string_view>

#include "story/story_collection.h"
#include "story/ugd_item.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TUGDScene : public TUGDItem, public virtual IUGDScene {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;

  bool GetGenerated() const override { return generated_; }
  void SetGenerated(bool generated) override { generated_ = generated; }
  std::string GetParticipantName() const override { return participant_; }
  void SetParticipantName(std::string_view name) override { participant_ = std::string(name); }
  bool GetFirstDateScene() const override { return first_date_; }
  void SetFirstDateScene(bool first_date) override { first_date_ = first_date; }
  Ref<IParamCollection> GetParams() override { return TUGDItem::GetParams(); }

 private:
  std::string participant_;
  bool first_date_ = false;
  bool generated_ = false;
};

class TUGDSceneCollection : public TStoryCollection<TUGDScene, IUGDScene> {
 public:
  TUGDSceneCollection() : TStoryCollection("scenes", "scene") {}
};

}  // namespace corvellane
