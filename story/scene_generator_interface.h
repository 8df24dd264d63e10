// scene_generator_interface.h: the scene generator and what it asks of its
// owner (the play screen, or a trial owner: scene_trial.h).
//
// The generator decides, before a scene is first played, which objects
// appear in it and where, and writes its picks into the scene's parameters
// as object lists (";vase/l2;cup/l1;"). The owner makes the scene objects:
// CreateSceneObject finds or creates the object for one object definition at
// one location (the play screen: the widget named object + "_" + location),
// ResolveSceneObject tells which definition and location an object stands
// for, and ReleaseSceneObject takes back an object the generator made but
// did not place (a pick over its category's quota, a first pass that was
// started over), so no stray object is left in the scene.
//
//   auto generator = CreateObject<TCorvellaneSceneGenerator>();
//   generator->SetOwner(this);
//   bool ready = generator->GenerateScene(scene.get(), -1);   // the whole scene
//   generator->ClearOwner();
#pragma once

#include "persistence/object.h"
#include "story/scene_def_interface.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

struct ISceneGeneratorOwner : virtual IObject {
  virtual Ref<ISceneDefRefCollection> GetSceneDefRefs() = 0;
  virtual Ref<IUGDCase> GetCurrentCase() = 0;
  // None when the object cannot be made.
  virtual Ref<IObject> CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location) = 0;
  // False when the object is none the owner made.
  virtual bool ResolveSceneObject(IObject* scene_object, Ref<ISceneObjectDef>& object,
                                  Ref<ISceneObjectLocation>& location) = 0;
  virtual void ReleaseSceneObject(IObject* scene_object) = 0;
};

struct ISceneGenerator : virtual IObject {
  // A plain back link; ClearOwner forgets it.
  virtual void SetOwner(ISceneGeneratorOwner* owner) = 0;
  virtual void ClearOwner() = 0;
  // Drops every reference of the last run.
  virtual void ClearGenerator() = 0;
  // Mode below 0: the whole scene; 0 to 4: the lists of that task type.
  // Sets and returns the scene's "generated" flag.
  virtual bool GenerateScene(IUGDScene* scene, int mode) = 0;
};

}  // namespace corvellane
