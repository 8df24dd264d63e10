// scene_trial.h: TSceneTrialOwner, a scene generator owner without a screen.
//
// The play screen makes widgets for the generator's picks; a trial owner
// makes small TScenePick objects instead, so the story can ask whether a
// task's scenes can supply its objects (task_scenes.h) and the content
// checker can generate every scene of the story without drawing anything.
// It keeps the picks it handed out and not yet got back, which is what a
// scene would show.
//
//   auto owner = MakeRef<TSceneTrialOwner>(refs, story_case);
//   auto generator = CreateObject<TCorvellaneSceneGenerator>();
//   generator->SetOwner(owner.get());
//   generator->GenerateScene(scene.get(), -1);
//   owner->LiveObjects();   // "vase/l2", "cup/l1"...
#pragma once

#include <string>
#include <vector>

#include "persistence/object.h"
#include "story/scene_generator_interface.h"

namespace corvellane {

// One object at one location, as a trial owner makes it.
class TScenePick : public TAbstractObject {
 public:
  TScenePick(Ref<ISceneObjectDef> object, Ref<ISceneObjectLocation> location)
      : object_(std::move(object)), location_(std::move(location)) {}
  const Ref<ISceneObjectDef>& Object() const { return object_; }
  const Ref<ISceneObjectLocation>& Location() const { return location_; }
  // "object/location".
  std::string Entry() const;

 private:
  Ref<ISceneObjectDef> object_;
  Ref<ISceneObjectLocation> location_;
};

class TSceneTrialOwner : public TAbstractObject, public virtual ISceneGeneratorOwner {
 public:
  TSceneTrialOwner(Ref<ISceneDefRefCollection> refs, Ref<IUGDCase> story_case)
      : refs_(std::move(refs)), case_(std::move(story_case)) {}

  Ref<ISceneDefRefCollection> GetSceneDefRefs() override { return refs_; }
  Ref<IUGDCase> GetCurrentCase() override { return case_; }
  Ref<IObject> CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location) override;
  bool ResolveSceneObject(IObject* scene_object, Ref<ISceneObjectDef>& object,
                          Ref<ISceneObjectLocation>& location) override;
  void ReleaseSceneObject(IObject* scene_object) override;

  // The entries of the picks handed out and not released, in order made.
  std::vector<std::string> LiveObjects() const;

 private:
  Ref<ISceneDefRefCollection> refs_;
  Ref<IUGDCase> case_;
  std::vector<Ref<TScenePick>> live_;
};

}  // namespace corvellane
