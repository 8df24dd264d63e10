// scene_generator.h: TCorvellaneSceneGenerator, which fills a story scene
// with objects from its scene definition.
//
// For every kind of object it builds the candidates (the definition's objects
// of that type, at each of their locations, filtered by the categories the
// scene's person likes), picks as many as the scene's count parameter asks
// for, and writes the list into the scene's parameters:
//
//   list                type  filter  names key  count key  places per object
//   hidden objects       0    yes     ho_names   ho_count   one
//   identical objects    1    yes     io_names   io_count   one (kept per case)
//   complete objects     3    yes     co_names   -          one (last first)
//   hidden parts         2    yes     hp_names   -          one
//   objects to place     4    no      do_names   do_count   one or more
//   decorations          5    yes     d_names    d_count    one
//   fixed decorations    6    no      i_names    -          all
//
// A list without a count key places every candidate; a count of 0 or below
// is no limit. Objects marked "first_generation" are placed before the random
// picks. Hidden objects for a person with exactly five categories are spread
// over them by random quotas (at most 8 each); when the quotas leave the
// count unmet the list is picked once more without them. The identical
// objects of the first scene of a case are remembered in the case ("io_names",
// "io_count") and reused by its later scenes.
//
// The count asked for is cut down to what the scene can give: the number of
// distinct objects for lists of one place per object, the number of places
// otherwise, so a scene with fewer objects than asked still fills. A scene
// definition that cannot be read generates nothing (false), never an empty
// scene. Every choice draws from the engine's one random source
// (engine/random_source.h), so a seed repeats a generation.
#pragma once

#include <string>
#include <string_view>

#include "persistence/object.h"
#include "story/scene_generator_interface.h"

namespace corvellane {

class TCorvellaneSceneGenerator : public TAbstractObject, public virtual ISceneGenerator {
 public:
  // How one list is picked (the table above).
  struct TListKind {
    TSceneObjectType type;
    std::string_view names_key;
    std::string_view count_key;  // empty: every candidate
    bool filtered;
    bool remembered_per_case;
    bool balanced;
    bool one_place_per_object;
    bool last_first;
  };

  void SetOwner(ISceneGeneratorOwner* owner) override { owner_ = owner; }
  void ClearOwner() override { owner_ = nullptr; }
  void ClearGenerator() override;
  bool GenerateScene(IUGDScene* scene, int mode) override;

 private:
  struct TRun;

  bool GenerateWhole(const std::string& filter);
  bool GenerateMode(int mode, const std::string& filter);
  bool PickParts(const std::string& filter);
  void PickDecorations(const std::string& filter);
  bool PickList(const TListKind& kind, const std::string& filter);
  bool RunPass(TRun& run, bool balanced);
  void BuildCandidates(TRun& run);
  void SetWanted(TRun& run);
  void SetQuotas(TRun& run);
  bool TakeEntry(TRun& run, std::string& entry);
  void PlaceEntry(TRun& run, const std::string& entry);
  void DropOtherPlaces(TRun& run, const std::string& object);
  void CountRun(TRun& run, ISceneObjectDef& object);
  bool OverQuota(TRun& run, ISceneObjectDef& object);
  void ReleaseUnplaced(TRun& run);
  void WriteLists(TRun& run);
  std::string ListParam(IParamCollection* params, std::string_view key);
  int32_t CountParam(IParamCollection* params, std::string_view key);

  ISceneGeneratorOwner* owner_ = nullptr;
  Ref<IUGDScene> scene_;
  Ref<IUGDCase> case_;
  Ref<IUGDParticipant> participant_;
  Ref<ISceneDef> def_;
};

}  // namespace corvellane
