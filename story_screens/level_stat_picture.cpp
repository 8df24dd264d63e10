// The story picture of the level statistics screen: what the level meant
// for the case, by the kind of task just played.
//
//   hidden shapes, hidden names  the participant's card and the objects found
//                                under the categories the participant likes
//   find identical               the two portraits side by side, and the objects
//   hidden parts                 the gift the pieces made
//   find places                  the case's ending
//   a lost level                 the case's word of encouragement
#include <algorithm>
#include <cmath>

#include "engine/random_source.h"
#include "records/record_value.h"
#include "story/object_list.h"
#include "story_screens/level_stat_screen.h"
#include "story_screens/widget_ops.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

namespace {

// The rows of object pictures, one per category of the participant.
constexpr int32_t kRowLeft = 80;
constexpr int32_t kRowTop = 208;
constexpr int32_t kRowHeight = 92;
constexpr int32_t kRowStep = 42;
constexpr int32_t kRowWidth = 336;
constexpr int32_t kMiddleRow = 2;
// Where an object picture grows to when the player points at it.
constexpr int32_t kZoomCentreX = 500;
constexpr int32_t kZoomCentreY = 300;
// The gift is centred here.
constexpr int32_t kGiftCentre = 250;

int32_t RandomBetween(int32_t low, int32_t high) {
  return low + static_cast<int32_t>(GlobalRandom().Uniform(static_cast<uint32_t>(high - low + 1)));
}

// The name of the object in a list entry ("vase/l2" -> "vase").
std::string ObjectOfEntry(const std::string& entry) { return entry.substr(0, entry.find('/')); }

}  // namespace

void TCorvellaneGameScreenLevelStat::BuildStoryPicture(IParamCollection* parameters) {
  if (!story_group_) return;
  category_names_ = {};
  RemoveAllChildren(story_group_.get());
  if (!case_ || !case_->GetParams() || !case_->GetParticipants()) return;
  const std::string scene = ParamText(parameters, "scenename", ";");
  const std::string objects = ParamText(parameters, "object_names", ";");
  if (!results_.complete) return AddLostLevelPicture();
  switch (results_.task_type) {
    case 0:
    case 1:
      if (const std::string participant = ParamText(parameters, "participant", ""); !participant.empty())
        AddPortrait(participant);
      AddObjectPictures(scene, objects);
      break;
    case 2:
      AddTwoPortraits(parameters);
      AddObjectPictures(scene, objects);
      break;
    case 3: AddGift(parameters); break;
    case 4: AddEnding(); break;
    default: break;
  }
}

void TCorvellaneGameScreenLevelStat::AddToStoryGroup(Ref<IWidget> widget) {
  if (widget && story_group_ && story_group_->GetWidgets()) story_group_->GetWidgets()->Add(std::move(widget));
}

Ref<IUGDParticipant> TCorvellaneGameScreenLevelStat::Participant(const std::string& name) {
  if (!case_ || name.empty()) return nullptr;
  Ref<IUGDParticipantCollection> participants = case_->GetParticipants();
  return participants ? participants->Get(Variant(name)) : nullptr;
}

Ref<ISceneObjectDefCollection> TCorvellaneGameScreenLevelStat::SceneObjects(const std::string& scene_name) {
  if (!scene_refs_ || scene_name.empty() || scene_name == ";") return nullptr;
  Ref<ISceneDefRef> ref = scene_refs_->Get(Variant(scene_name));
  Ref<ISceneDef> scene = ref ? ref->OpenSceneDef() : nullptr;
  return scene ? scene->GetObjectDefs() : nullptr;
}

void TCorvellaneGameScreenLevelStat::AddPortrait(const std::string& participant_name) {
  Ref<IUGDParticipant> participant = Participant(participant_name);
  if (!participant) return;
  Ref<TParamCollection> params = MakeParams({{"avatar", participant->GetAvatar()},
                                             {"frame_num", RandomBetween(0, 4)},
                                             {"frame_angle", RandomBetween(-5, 6)},
                                             {"caption", participant->GetDisplayCaption()},
                                             {"description", participant->GetDescription()}});
  if (categories_) {
    const std::vector<std::string> pieces = SplitList(";" + participant->GetCategories() + ";");
    // Only five rows fit under the card; a sixth category has none.
    for (size_t n = 0; n < pieces.size() && n < kCategoryRows; ++n) {
      Ref<ICategory> category = categories_->Get(Variant(pieces[n]));
      if (!category) continue;
      params->SetNamedValue("category" + std::to_string(n), Variant(category->GetCaption()));
      category_names_[n] = category->GetName();
    }
  }
  AddToStoryGroup(MakeFromFactory(GetWindowWidget().get(), "ho_specific_part", params.get()));
}

void TCorvellaneGameScreenLevelStat::AddObjectPictures(const std::string& scene_name,
                                                      const std::string& object_names) {
  const std::vector<std::string> pieces = SplitList(object_names);
  Ref<ISceneObjectDefCollection> objects = SceneObjects(scene_name);
  if (pieces.empty() || !objects || objects->Count() == 0) return;
  const int32_t k = static_cast<int32_t>(pieces.size());
  const bool by_category = std::any_of(category_names_.begin(), category_names_.end(),
                                       [](const std::string& name) { return !name.empty(); });
  std::array<int32_t, kCategoryRows> offsets{};
  int32_t step = kRowStep;
  if (!by_category) {
    offsets[kMiddleRow] = k <= 8 ? 170 - 21 * k : 2;
    if (k >= 9) step = kRowWidth / k;
  }
  std::array<Ref<IWidget>, kCategoryRows> last{};
  for (const std::string& piece : pieces) {
    Ref<ISceneObjectDef> object = objects->Get(Variant(ObjectOfEntry(piece)));
    if (!object) continue;
    int32_t row = kMiddleRow;
    if (by_category) {
      auto it = std::find(category_names_.begin(), category_names_.end(), object->GetCategory());
      // An object of none of the participant's categories has no row.
      if (object->GetCategory().empty() || it == category_names_.end()) continue;
      row = static_cast<int32_t>(it - category_names_.begin());
    }
    Ref<TParamCollection> params = MakeParams({});
    object->FillWidgetParams("", params.get());
    params->SetNamedValue("caption", Variant(object->GetCaption()));
    const double longer = std::max(object->GetWidth(), object->GetHeight());
    const double shorter = std::max(1, std::min(object->GetWidth(), object->GetHeight()));
    const double zoom =
        longer <= 0 ? 1.0 : std::min((longer / shorter < 1.4 ? 38.0 : 48.0) / longer, 1.0);
    params->SetNamedValue("zoom", Variant(zoom));
    params->SetNamedValue("zoom2", Variant(std::min(zoom * 3.2, 1.0)));
    const int32_t left = kRowLeft + offsets[row];
    offsets[row] += step;
    const int32_t top = kRowTop + kRowHeight * row;
    params->SetNamedValue("anchor_left", Variant(left));
    params->SetNamedValue("anchor_top", Variant(top));
    params->SetNamedValue("shiftleft", Variant(kZoomCentreX - left));
    params->SetNamedValue("shifttop", Variant(kZoomCentreY - top));
    Ref<IWidget> picture = MakeFromFactory(GetWindowWidget().get(), "obj_in_frame", params.get());
    if (!picture) continue;
    AddToStoryGroup(picture);
    last[row] = picture;
  }
  for (const Ref<IWidget>& widget : last)
    if (widget) widget->SetProperty("maskwidget", Variant("image_normal"));
}

void TCorvellaneGameScreenLevelStat::AddTwoPortraits(IParamCollection* parameters) {
  Ref<IUGDParticipant> second = Participant(ParamText(parameters, "participant2", ""));
  Ref<IUGDParticipant> first = Participant(ParamText(parameters, "participant", ""));
  if (!first || !second) return;
  IParamCollection* story = case_->GetParams().get();
  Ref<TParamCollection> params = MakeParams({{"avatar1", second->GetAvatar()},
                                             {"avatar2", first->GetAvatar()},
                                             {"frame_num", ParamText(story, "identical_frame_num", "01")},
                                             {"stat_story", ParamText(story, "stat_identical_story", "")}});
  AddToStoryGroup(MakeFromFactory(GetWindowWidget().get(), "io_specific_part", params.get()));
}

void TCorvellaneGameScreenLevelStat::AddGift(IParamCollection* parameters) {
  const std::string story = ParamText(case_->GetParams().get(), "stat_gift_story", "");
  const std::string scene = ParamText(parameters, "scenename", ";");
  const std::string object_names = ParamText(parameters, "object_names", ";");
  if (story.empty() || scene.empty() || object_names == ";") return;
  Ref<ISceneObjectDefCollection> objects = SceneObjects(scene);
  if (!objects) return;
  // The pieces make one gift: the picture of the last one stands for it.
  Ref<IWidget> gift;
  for (const std::string& piece : SplitList(object_names)) {
    Ref<ISceneObjectDef> object = objects->Get(Variant(ObjectOfEntry(piece)));
    if (!object) continue;
    Ref<TParamCollection> params = MakeParams({});
    object->FillWidgetParams("", params.get());
    params->SetNamedValue("anchor_left", Variant(kGiftCentre - object->GetWidth() / 2));
    params->SetNamedValue("anchor_top", Variant(kGiftCentre - object->GetHeight() / 2));
    params->SetNamedValue("stat_story", Variant(story));
    if (Ref<IWidget> made = MakeFromFactory(GetWindowWidget().get(), "hp_specific_part", params.get())) gift = made;
  }
  AddToStoryGroup(gift);
}

void TCorvellaneGameScreenLevelStat::AddEnding() {
  IParamCollection* story_params = case_->GetParams().get();
  const std::string story = ParamText(story_params, "stat_final_story", "");
  const std::string image = ParamText(story_params, "case_final_image", "");
  if (story.empty() || image.empty()) return;
  Ref<TParamCollection> params = MakeParams({{"image", image},
                                             {"frame_num", ParamText(story_params, "case_final_frame_num", "01")},
                                             {"fillcolor", ParamText(story_params, "case_final_text_color", "$FF000000")},
                                             {"stat_story", story}});
  AddToStoryGroup(MakeFromFactory(GetWindowWidget().get(), "do_specific_part", params.get()));
}

// A lost level: the case's word for the pair, so the picture is never empty.
void TCorvellaneGameScreenLevelStat::AddLostLevelPicture() {
  const std::string story = ParamText(case_->GetParams().get(), "stat_identical_story", "");
  Ref<TParamCollection> params = MakeParams({{"stat_story", story}});
  AddToStoryGroup(MakeFromFactory(GetWindowWidget().get(), "loose_task_specific_part", params.get()));
}

}  // namespace corvellane
