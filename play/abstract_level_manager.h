// abstract_level_manager.h: TAbstractLevelManager, what every level manager
// shares: the targets and their counts, the scene's widgets built from the
// generated object lists, the activation effect of a find and its points,
// and the record of what was found.
//
//   TAbstractLevelManager
//    ├ TSingleSceneLevelManager → THiddenShapesLevelManager, THiddenNamesLevelManager,
//    │                            THiddenPartsLevelManager, TFindPlacesLevelManager
//    └ TDoubleSceneLevelManager → TFindIdenticalLevelManager
//
// A mode is fixed by its rules: the object type of its targets, the scene
// parameter that lists what was found ("ho_names_discovered"...) and the
// widget factory that animates a find ("gamefield_find_obj_offset"...).
//
// Building a scene side (a story scene with its definition, the widget
// group it goes into and its left shift): the side's story scene is
// prepared through the owner (generated when it never was), then each list
// of the mode (TListSpec) is walked. Every entry of a list is an object at
// a location ("vase/l2"). An entry counts as found when it is in the
// list's discovered list or is a special part (a hidden part whose only
// location is "spec"): a found entry of the mode's type counts to the
// total, and its start effect makes the scene look as it did after the
// find. An entry not found gets its widget (CreateSceneObject) and, when
// its object is of the mode's type, becomes a target.
//
// A find (ClickObject on a target) runs the find factory (into the
// animation group, named after the widget, with the flight's end from the
// panel), stops the widget catching clicks and runs the activation effect:
// the points of the find (FindPoints of the time since the last find) shown
// by "focus_object_find_score" and added to the score, and the object's
// "onactivation_factory". When the find animation is over the screen calls
// ObjectActivated, which records the find (Discover) and, after the last
// target, wins the level, once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/object.h"
#include "play/game_managers_owner_interface.h"
#include "play/level_manager_interface.h"
#include "play/panel_manager_interface.h"

namespace corvellane {

// One scene as a level plays it.
struct TSceneSide {
  Ref<IUGDScene> scene;
  Ref<ISceneDef> def;
  TPlayGroup group = TPlayGroup::Objects;
  // Scene x minus shift is the x in the group.
  int32_t shift = 0;
  // Only objects within the half's 512-pixel window are built (find identical).
  bool windowed = false;
  // "objects_group", "left_part/objects_group"...
  std::string_view group_path;
};

// How one generated list is built.
struct TListSpec {
  std::string_view names_key;       // "ho_names"
  std::string_view discovered_key;  // "ho_names_discovered"; empty: nothing is found yet
  // Targets of the list get panel items (all lists but the hidden parts in the scene).
  bool panel_entries = true;
  // The list only fills the panel (the complete objects and parts of hidden parts).
  bool panel_only = false;
  // Widgets at every location of the object, hidden where none is placed (find places).
  bool all_locations = false;
};

class TAbstractLevelManager : public TNamedObject, public virtual ILevelManager, public virtual ISceneDefOwner {
 public:
  void SetOwner(IGameManagersOwner* owner) override;
  void ReleaseScenes() override;
  void OnIdle() override {}
  int32_t GetRemaining() override { return remaining_; }
  int32_t GetTotal() override { return total_; }
  void ResetDiscovered(IUGDScene* scene) override;
  std::string GetDiscovered(IUGDScene* scene) override;
  bool IsTarget(ISceneObjectDef* object) override;
  IResourceEngine* GetSceneResourceManager() override;

  TSceneObjectType GetMode() const { return mode_; }
  bool IsShowFound() const { return show_found_; }
  bool IsFinishFound() const { return finish_found_; }
  // The targets not found yet, in the order they were built.
  std::vector<Ref<ISceneObjectDef>> Targets() const;

 protected:
  struct TModeRules {
    TSceneObjectType mode;
    std::string_view discovered_key;
    std::string_view find_factory;
  };
  explicit TAbstractLevelManager(const TModeRules& rules);

  // Records a find of a target: the panel marks it found, the entry joins
  // the scene's discovered list, the target is cleared. False for an object
  // that is no target (left).
  virtual bool Discover(IUGDScene* scene, ISceneObjectDef* object, ISceneObjectLocation* location);
  // A click on an object that is no target.
  virtual void OnWrongObject(IWidget* widget) {}
  // The lists the mode builds on a side, in order.
  virtual std::vector<TListSpec> ListsOf(const TSceneSide& side) const = 0;

  // ---- Scenes ----
  // The task's scene named by the parameter, and its definition owned by this
  // manager; false (and a warning) when either is missing.
  bool OpenSide(TSceneSide& side, std::string_view scene_param);
  void ReleaseSide(TSceneSide& side);
  // The definition's show factories ("a;b") into the side's group.
  void RunShowFactoriesOf(const TSceneSide& side, const std::string& names);
  // Prepares the side's story scene and builds its lists; false when it
  // cannot be prepared.
  bool BuildSide(const TSceneSide& side);
  // The screen factory's widget into the background group; false when none.
  bool AddBackground(std::string_view factory, IParamCollection* params);
  // After the sides are built: false (and a warning) for a level without
  // targets; a level whose targets were all found before is won at once.
  bool FinishSetup();

  // ---- Finds ----
  struct TFindClick {
    IWidget* widget = nullptr;
    Ref<ISceneObjectDef> object;
    Ref<ISceneObjectLocation> location;
    TPoint point;
  };
  // The owner's object and location of a scene object widget.
  bool Resolve(IWidget* widget, TFindClick& click);
  // The find factory's widget into the animation group; false when the
  // factory made none (the find is then recorded at once by the caller).
  bool RunFindFactory(std::string_view factory, const TFindClick& click, std::string_view group_path);
  // The activation effect of a click (with points) into the side's group.
  void ActivateClicked(const TSceneSide& side, const TFindClick& click, bool with_points);
  // The widget's find is recorded; `use` takes it out of the panel.
  void CompleteFind(IWidget* widget, bool found, bool use, ISceneObjectDef* object);
  // Tells the owner the level is won, the first time no target is left.
  void CheckWon();
  // The last location of the object under the point, not yet in the
  // scene's discovered list.
  Ref<ISceneObjectLocation> LocationAt(ISceneObjectDef* object, TPoint point, IUGDScene* scene);
  std::string DiscoveredList(IUGDScene* scene) const;

  IGameManagersOwner* owner_ = nullptr;
  Ref<IPanelManager> panel_;
  TSceneObjectType mode_;
  std::string discovered_key_;
  std::string find_factory_;
  std::string score_factory_ = "focus_object_find_score";
  bool show_found_ = false;
  bool finish_found_ = false;

 private:
  struct TActivation {
    TPoint point;
    IWidget* widget = nullptr;  // the clicked widget, or none at level start
    ISceneObjectLocation* location = nullptr;
    bool with_points = false;
  };

  void BuildList(const TSceneSide& side, const TListSpec& list, std::vector<Ref<IWidget>>& started);
  void AddFoundEntry(const TSceneSide& side, const TListSpec& list, ISceneObjectDef& object,
                     ISceneObjectLocation* location, std::vector<Ref<IWidget>>& started);
  void AddOpenEntry(const TSceneSide& side, const TListSpec& list, ISceneObjectDef& object,
                    ISceneObjectLocation& location);
  void AddHiddenPlaces(const TSceneSide& side, ISceneObjectDef& object, ISceneObjectLocation* placed);
  bool InWindow(const TSceneSide& side, const ISceneObjectDef& object, const ISceneObjectLocation& location) const;
  Ref<IWidget> Activate(const TSceneSide& side, ISceneObjectDef& object, const TActivation& how);
  void ShowFindPoints(ISceneObjectDef& object, TPoint point);
  void AddTarget(ISceneObjectDef& object);

  std::vector<Ref<ISceneObjectDef>> targets_;
  int32_t remaining_ = 0;
  int32_t total_ = 0;
  bool decided_ = false;
};

// A special part: a hidden part whose only location is "spec"; it is in
// place from the start.
bool IsSpecialPart(ISceneObjectDef& object);

}  // namespace corvellane
