#include "story/scene_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/random_source.h"
#include "persistence/localization.h"
#include "persistence/log.h"
#include "persistence/number_text.h"
#include "story/object_list.h"

namespace corvellane {

namespace {

using TListKind = TCorvellaneSceneGenerator::TListKind;
using Type = TSceneObjectType;

constexpr TListKind kHiddenObjects{Type::HiddenObject, "ho_names", "ho_count", true, false, true, true, false};
constexpr TListKind kIdenticalObjects{Type::IdenticalObject, "io_names", "io_count", true, true, false, true, false};
constexpr TListKind kCompleteObjects{Type::CompleteObject, "co_names", "", true, false, false, true, true};
constexpr TListKind kHiddenParts{Type::HiddenPart, "hp_names", "", true, false, false, true, false};
constexpr TListKind kObjectsToPlace{Type::ObjectToPlace, "do_names", "do_count", false, false, false, false, false};
constexpr TListKind kDecorations{Type::Decoration, "d_names", "d_count", true, false, false, true, false};
constexpr TListKind kFixedDecorations{Type::FixedDecoration, "i_names", "", false, false, false, false, false};

constexpr int kBalancedCategories = 5;
constexpr int kMostPerCategory = 8;

// Names that would break the ";object/location;" lists.
bool FitsInList(std::string_view name) { return !name.empty() && name.find_first_of(";/") == std::string_view::npos; }

bool FilterApplies(std::string_view filter) { return !IsEmptyList(filter); }

}  // namespace

struct TCorvellaneSceneGenerator::TRun {
  const TListKind& kind;
  std::string filter;
  std::string case_list;
  std::vector<std::string> entries;
  std::vector<std::string> first_generation;
  int distinct = 0;
  int32_t wanted = 0;
  bool limit = false;
  bool balanced = false;
  std::vector<std::string> categories;
  std::array<int, kBalancedCategories> quotas{};
  std::array<int, kBalancedCategories> counts{};
  int run_counter = 0;
  std::string scene_list{kEmptyList};
  std::string new_case_list{kEmptyList};
  int32_t placed = 0;
  // The objects the owner made in this pass, and whether each was placed.
  std::vector<std::pair<Ref<IObject>, bool>> made;

  bool CaseListEmpty() const { return IsEmptyList(case_list); }
  bool Succeeded() const { return (!limit && placed > 0) || placed == wanted; }
};

void TCorvellaneSceneGenerator::ClearGenerator() {
  scene_ = nullptr;
  case_ = nullptr;
  participant_ = nullptr;
  def_ = nullptr;
}

bool TCorvellaneSceneGenerator::GenerateScene(IUGDScene* scene, int mode) {
  Ref<ISceneDefRefCollection> refs = owner_ ? owner_->GetSceneDefRefs() : nullptr;
  if (!scene || !refs) return false;
  scene_ = Ref<IUGDScene>(scene);
  case_ = owner_->GetCurrentCase();
  Ref<ISceneDefRef> ref = refs->Get(Variant(scene->GetName()));
  if (!ref) ref = refs->Get(Variant(ListParam(scene->GetParams().get(), "scenename")));
  def_ = ref ? ref->OpenSceneDef() : nullptr;
  // An unreadable definition (already logged) would give an empty scene that
  // cannot be won: the scene stays ungenerated instead.
  if (!def_ || !def_->IsLoadedFromFile()) return false;
  participant_ = nullptr;
  if (case_ && case_->GetParticipants()->Count() > 0)
    participant_ = case_->GetParticipants()->Get(Variant(scene->GetParticipantName()));
  const std::string filter = participant_ ? participant_->GetCategories() : std::string();
  const bool generated = mode < 0 ? GenerateWhole(filter) : GenerateMode(mode, filter);
  scene->SetGenerated(generated);
  return generated;
}

bool TCorvellaneSceneGenerator::GenerateWhole(const std::string& filter) {
  if (scene_->GetFirstDateScene()) {
    const bool placed = PickList(kObjectsToPlace, {});
    PickDecorations({});
    return placed;
  }
  if (!participant_) {
    // Every list is picked; any one of them makes a scene to play.
    const bool hidden = PickList(kHiddenObjects, {});
    const bool identical = PickList(kIdenticalObjects, {});
    const bool parts = PickParts({});
    const bool to_place = PickList(kObjectsToPlace, {});
    PickDecorations({});
    return hidden || identical || parts || to_place;
  }
  const bool hidden = PickList(kHiddenObjects, filter);
  const bool identical = PickList(kIdenticalObjects, filter);
  const bool parts = participant_->IsClient() ? PickParts(filter) : true;
  PickDecorations(filter);
  return hidden && identical && parts;
}

bool TCorvellaneSceneGenerator::GenerateMode(int mode, const std::string& filter) {
  switch (static_cast<TTaskType>(mode)) {
    case TTaskType::HiddenShapes:
    case TTaskType::HiddenNames: return PickList(kHiddenObjects, filter);
    case TTaskType::FindIdentical: return PickList(kIdenticalObjects, filter);
    case TTaskType::HiddenParts: return PickParts(filter);
    case TTaskType::FindPlaces: return PickList(kObjectsToPlace, {});
  }
  return false;
}

bool TCorvellaneSceneGenerator::PickParts(const std::string& filter) {
  return PickList(kCompleteObjects, filter) && PickList(kHiddenParts, filter);
}

void TCorvellaneSceneGenerator::PickDecorations(const std::string& filter) {
  PickList(kDecorations, filter + std::string(kEmptyList));
  PickList(kFixedDecorations, {});
}

bool TCorvellaneSceneGenerator::PickList(const TListKind& kind, const std::string& filter) {
  TRun run{kind};
  run.filter = kind.filtered ? filter : std::string();
  if (kind.remembered_per_case && case_) run.case_list = ListParam(case_->GetParams().get(), kind.names_key);
  bool succeeded = RunPass(run, kind.balanced);
  if (run.balanced && run.limit && run.placed < run.wanted) {
    // The quotas left the count unmet: once more, without them.
    for (auto& [made, placed] : run.made) placed = false;
    ReleaseUnplaced(run);
    succeeded = RunPass(run, false);
  }
  ReleaseUnplaced(run);
  WriteLists(run);
  return succeeded;
}

bool TCorvellaneSceneGenerator::RunPass(TRun& run, bool balanced) {
  run.entries.clear();
  run.first_generation.clear();
  run.distinct = 0;
  run.scene_list = kEmptyList;
  run.new_case_list = kEmptyList;
  run.placed = 0;
  run.run_counter = 0;
  BuildCandidates(run);
  SetWanted(run);
  run.categories = SplitList(run.filter);
  run.balanced = balanced && run.limit && static_cast<int>(run.categories.size()) == kBalancedCategories;
  if (run.balanced) SetQuotas(run);
  std::string entry;
  while (!run.entries.empty() && (!run.limit || run.placed < run.wanted) && TakeEntry(run, entry))
    PlaceEntry(run, entry);
  return run.Succeeded();
}

void TCorvellaneSceneGenerator::BuildCandidates(TRun& run) {
  Ref<ISceneObjectDefCollection> objects = def_->GetObjectDefs();
  for (int i = 0; i < objects->Count(); ++i) {
    Ref<ISceneObjectDef> object = objects->Get(Variant(i));
    if (!object || object->GetObjectType() != static_cast<int32_t>(run.kind.type)) continue;
    const std::string name = object->GetName();
    if (!run.CaseListEmpty() && !ListHas(run.case_list, name)) continue;
    if (FilterApplies(run.filter) && !ListHas(run.filter, object->GetCategory())) continue;
    if (run.kind.type == Type::HiddenObject && Localize(object->GetCaption()).empty()) continue;
    Ref<ISceneObjectLocationCollection> places = object->GetLocations();
    // Hidden objects with many places are chosen more often.
    const int repeat = run.kind.type == Type::HiddenObject ? places->Count() / 2 + 1 : 1;
    const size_t before = run.entries.size();
    for (int p = 0; p < places->Count(); ++p) {
      const std::string place = places->Get(Variant(p))->GetName();
      if (!FitsInList(name) || !FitsInList(place)) {
        LogWarning("scene \"" + def_->GetName() + "\": object \"" + name + "\" at \"" + place +
                   "\" has a name that cannot stand in an object list; it is never placed");
        continue;
      }
      run.entries.insert(run.entries.end(), repeat, name + "/" + place);
    }
    if (run.entries.size() == before) continue;
    ++run.distinct;
    if (object->GetFirstGeneration()) run.first_generation.push_back(run.entries.back());
  }
}

void TCorvellaneSceneGenerator::SetWanted(TRun& run) {
  run.limit = false;
  if (run.kind.count_key.empty()) {
    run.wanted = static_cast<int32_t>(run.entries.size());
    return;
  }
  int32_t asked = CountParam(scene_->GetParams().get(), run.kind.count_key);
  if (asked == 0 && run.kind.remembered_per_case && case_) asked = CountParam(case_->GetParams().get(), run.kind.count_key);
  if (asked <= 0) {
    run.wanted = 0;
    return;
  }
  // Never more than the scene can give, or the list could not succeed.
  const int available = run.kind.one_place_per_object ? run.distinct : static_cast<int>(run.entries.size());
  run.limit = true;
  run.wanted = std::min(asked, static_cast<int32_t>(available));
}

void TCorvellaneSceneGenerator::SetQuotas(TRun& run) {
  int sum = 0;
  for (int j = 0; j < kBalancedCategories - 1; ++j) {
    const int share = (run.wanted - sum) / (kBalancedCategories - j) + static_cast<int>(GlobalRandom().Uniform(2));
    run.quotas[j] = std::min(kMostPerCategory, share);
    sum += run.quotas[j];
  }
  run.quotas[kBalancedCategories - 1] = run.wanted - sum;
  run.counts.fill(0);
}

bool TCorvellaneSceneGenerator::TakeEntry(TRun& run, std::string& entry) {
  while (!run.first_generation.empty()) {
    const std::string first = std::move(run.first_generation.back());
    run.first_generation.pop_back();
    auto found = std::find(run.entries.begin(), run.entries.end(), first);
    if (found == run.entries.end()) continue;
    entry = *found;
    run.entries.erase(found);
    return true;
  }
  if (run.entries.empty()) return false;
  const size_t index =
      run.kind.last_first ? run.entries.size() - 1 : GlobalRandom().Uniform(static_cast<uint32_t>(run.entries.size()));
  entry = run.entries[index];
  run.entries.erase(run.entries.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

void TCorvellaneSceneGenerator::PlaceEntry(TRun& run, const std::string& entry) {
  Ref<ISceneObjectDef> object = def_->GetObjectDefs()->Get(Variant(ObjectOfEntry(entry)));
  Ref<ISceneObjectLocation> place = object ? object->GetLocations()->Get(Variant(LocationOfEntry(entry))) : nullptr;
  if (!place) return;
  const bool special = place->GetName() == kSpecialLocation;
  if (special && object->GetLocations()->Count() > 1) return;
  Ref<IObject> made = owner_->CreateSceneObject(object.get(), place.get());
  if (!made) return;
  run.made.emplace_back(made, false);
  Ref<ISceneObjectDef> made_object;
  Ref<ISceneObjectLocation> made_place;
  if (!owner_->ResolveSceneObject(made.get(), made_object, made_place) || !made_object || !made_place) return;
  if (run.kind.one_place_per_object && !special)
    DropOtherPlaces(run, object->GetName());
  else if (!run.kind.one_place_per_object && object->GetLocations()->Count() > 1)
    CountRun(run, *object);
  if (run.balanced && OverQuota(run, *made_object)) return;
  run.scene_list += made_object->GetName() + "/" + made_place->GetName() + ";";
  if (run.kind.remembered_per_case && run.CaseListEmpty()) run.new_case_list += made_object->GetName() + ";";
  run.made.back().second = true;
  ++run.placed;
}

void TCorvellaneSceneGenerator::DropOtherPlaces(TRun& run, const std::string& object) {
  std::erase_if(run.entries, [&](const std::string& entry) { return ObjectOfEntry(entry) == object; });
}

void TCorvellaneSceneGenerator::CountRun(TRun& run, ISceneObjectDef& object) {
  ++run.run_counter;
  if (run.wanted <= 0) return;
  const int still_wanted = run.wanted - run.placed;
  const int remaining = static_cast<int>(run.entries.size());
  const int places = object.GetLocations()->Count();
  const bool enough =
      remaining > still_wanted || run.run_counter >= places ||
      (remaining > 0 &&
       run.run_counter >= static_cast<int>(std::nearbyint(static_cast<double>(places) * still_wanted / remaining)));
  if (!enough) return;
  if (places > run.run_counter) DropOtherPlaces(run, object.GetName());
  run.run_counter = 0;
}

bool TCorvellaneSceneGenerator::OverQuota(TRun& run, ISceneObjectDef& object) {
  auto found = std::find(run.categories.begin(), run.categories.end(), object.GetCategory());
  if (found == run.categories.end()) return false;
  const size_t j = static_cast<size_t>(found - run.categories.begin());
  return ++run.counts[j] > run.quotas[j];
}

void TCorvellaneSceneGenerator::ReleaseUnplaced(TRun& run) {
  auto placed = [&](IObject* object) {
    return std::any_of(run.made.begin(), run.made.end(),
                       [&](const auto& made) { return made.second && made.first.get() == object; });
  };
  for (const auto& [object, was_placed] : run.made)
    if (!was_placed && !placed(object.get())) owner_->ReleaseSceneObject(object.get());
  std::erase_if(run.made, [](const auto& made) { return !made.second; });
}

void TCorvellaneSceneGenerator::WriteLists(TRun& run) {
  if (run.kind.remembered_per_case && run.CaseListEmpty() && case_ && run.placed > 0) {
    case_->GetParams()->SetNamedValue(run.kind.names_key, Variant(run.new_case_list));
    case_->GetParams()->SetNamedValue(run.kind.count_key, Variant(FormatInt(run.placed)));
  }
  scene_->GetParams()->SetNamedValue(run.kind.names_key, Variant(run.scene_list));
}

std::string TCorvellaneSceneGenerator::ListParam(IParamCollection* params, std::string_view key) {
  return params ? params->GetNamedValue(key, Variant(kEmptyList)).ToText() : std::string(kEmptyList);
}

int32_t TCorvellaneSceneGenerator::CountParam(IParamCollection* params, std::string_view key) {
  return params ? params->GetNamedValue(key, Variant(0)).ToInt(0) : 0;
}

}  // namespace corvellane
