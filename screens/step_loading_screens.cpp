#include "screens/step_loading_screens.h"

#include <algorithm>

#include "engine/engine_interface.h"
#include "engine/resource.h"
#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

// The names of a ";" list, trimmed, without empty ones.
std::vector<std::string> SplitNames(std::string_view list) {
  std::vector<std::string> names;
  while (!list.empty()) {
    const size_t end = std::min(list.find(';'), list.size());
    std::string_view name = list.substr(0, end);
    while (!name.empty() && static_cast<unsigned char>(name.front()) <= ' ') name.remove_prefix(1);
    while (!name.empty() && static_cast<unsigned char>(name.back()) <= ' ') name.remove_suffix(1);
    if (!name.empty()) names.emplace_back(name);
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return names;
}

Variant OpenParam(IParamCollection* parameters, std::string_view name) {
  Ref<IParam> param = parameters ? parameters->GetParam(Variant(name)) : nullptr;
  return param ? param->GetParamValue() : Variant::Null();
}

void HideWidget(IWidget& widget) {
  widget.SetVisible(false);
  widget.Pause();
}

}  // namespace

// --- Step by step -------------------------------------------------------------

void TGameScreenSplashAbstractLoad::LoadProperties(IHierStorage* node) {
  TGameScreenSplashSelfRefresh::LoadProperties(node);
  total_updates_ = ReadInt(node, "total_updates", 200);
  total_updates_ = std::max(ReadInt(node, "TotalUpdates", total_updates_), 0);
  close_after_load_ = ReadBool(node, "close_after_load", false);
}

void TGameScreenSplashAbstractLoad::SaveProperties(IHierStorage* node) {
  TGameScreenSplashSelfRefresh::SaveProperties(node);
  WriteInt(node, "total_updates", total_updates_, total_updates_ != 200);
  WriteBool(node, "close_after_load", close_after_load_, close_after_load_);
}

void TGameScreenSplashAbstractLoad::Open(Ref<IParamCollection> parameters) {
  TGameScreenSplashSelfRefresh::Open(std::move(parameters));
  items_done_ = 0;
  item_count_ = 0;
  progress_ = FindWidget("progress");
  loaded_ = FindWidget("image_loaded");
  if (progress_) progress_->SetProperty("position", Variant(0.0));
  time_budget_ = total_updates_;
  time_per_item_ = time_budget_;
  finished_ = false;
  start_pending_ = true;
}

void TGameScreenSplashAbstractLoad::BeginItems() {
  // Whole milliseconds per item, rounded down: the last item's share takes
  // the rest, so no step ever turns the widgets' clocks back.
  if (item_count_ > 0) time_per_item_ = time_budget_ / item_count_;
  start_pending_ = false;
}

void TGameScreenSplashAbstractLoad::Advance(int32_t elapsed_ms) {
  if (IsOpening()) time_budget_ = SaturatingAdd(time_budget_, std::max(elapsed_ms, 0));
  if (start_pending_) BeginItems();
  if (items_done_ < item_count_) {
    LoadNextItem();
  } else if (!finished_) {
    Finish();  // this frame does not advance
  } else {
    TGameScreenSplashSelfRefresh::Advance(elapsed_ms);
  }
}

void TGameScreenSplashAbstractLoad::LoadNextItem() {
  LoadItem(items_done_);
  ++items_done_;
  if (progress_) progress_->SetProperty("position", Variant(double(items_done_) / item_count_));
  const int64_t step = items_done_ < item_count_ ? time_per_item_
                                                 : time_budget_ - int64_t{items_done_ - 1} * time_per_item_;
  TGameScreenSplashSelfRefresh::Advance(static_cast<int32_t>(std::clamp<int64_t>(step, 0, INT32_MAX)));
}

void TGameScreenSplashAbstractLoad::Finish() {
  finished_ = true;
  if (close_after_load_) {
    ReleaseWidgets();
    CloseSelf();
    return;
  }
  if (progress_) HideWidget(*progress_);
  if (loaded_) {
    loaded_->SetVisible(true);
    loaded_->Restart();
  }
  ReleaseWidgets();
}

void TGameScreenSplashAbstractLoad::ReleaseWidgets() {
  progress_ = nullptr;
  loaded_ = nullptr;
}

void TGameScreenSplashAbstractLoad::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (finished_ && sender && sender->GetName() == "image_loaded") CloseSelf();
}

// --- Resources by name --------------------------------------------------------

void TGameScreenSplashResourceLoad::Open(Ref<IParamCollection> parameters) {
  load_list_ = SplitNames(OpenParam(parameters.get(), "load_list").ToText());
  unload_list_ = SplitNames(OpenParam(parameters.get(), "unload_list").ToText());
  TGameScreenSplashAbstractLoad::Open(std::move(parameters));
  SetItemCount(static_cast<int32_t>(load_list_.size()));
}

void TGameScreenSplashResourceLoad::BeginItems() {
  TGameScreenSplashAbstractLoad::BeginItems();
  IEngine* engine = GetEngine();
  for (const std::string& name : unload_list_) {
    auto kept = std::find(load_list_.begin(), load_list_.end(), name);
    if (kept != load_list_.end()) {
      kept->clear();  // loaded already and wanted: left as it is
    } else if (Ref<IResource> resource = engine ? engine->GetResource(name) : nullptr) {
      resource->Unload();
    }
  }
}

void TGameScreenSplashResourceLoad::LoadItem(int32_t index) {
  IEngine* engine = GetEngine();
  const std::string& name = load_list_[size_t(index)];
  if (name.empty() || !engine) return;
  if (Ref<IResource> resource = engine->GetResource(name)) resource->Load();
}

// --- Resource definitions -------------------------------------------------------

void TGameScreenSplashResourceDefsLoad::Open(Ref<IParamCollection> parameters) {
  defs_ = OpenParam(parameters.get(), "resource_defs").ToObject<IResourceDefCollection>();
  TGameScreenSplashAbstractLoad::Open(std::move(parameters));
  SetItemCount(defs_ ? defs_->Count() : 0);
}

void TGameScreenSplashResourceDefsLoad::Close() {
  TGameScreenSplashAbstractLoad::Close();
  defs_ = nullptr;
}

void TGameScreenSplashResourceDefsLoad::LoadItem(int32_t index) {
  if (defs_) defs_->ReloadResource(Variant(index));
}

}  // namespace corvellane
