// step_loading_screens.h: loading screens that load (or unload) resources
// one item per frame, with a progress display, before play goes on.
//
//   "GameScreenSplashResourceLoad"      the open parameters "load_list" and
//                                       "unload_list" name resources (";"
//                                       between names): the unload list goes
//                                       first, at once, then one load a frame;
//                                       a name in both lists stays loaded
//   "GameScreenSplashResourceDefsLoad"  the open parameter "resource_defs" is
//                                       a resource definition list (a
//                                       level's pictures): one definition a
//                                       frame is (re)loaded
//
// Both are self-refreshing (self_refresh_screen.h): each opening starts from
// the screen's definition. Widgets by name: "progress" (its "position"
// follows the items done, 0 .. 1) and "image_loaded" (shown when done).
// While it loads, the screen's widgets advance by a share of "total_updates"
// ms per item (plus the time any show effect took), so an animation bound to
// the screen's clock ends with the last item. When everything is loaded the
// screen closes itself ("close_after_load" = "yes"), or hides "progress",
// shows "image_loaded" and closes on the first event "image_loaded" reports
// (a click on it, for a button).
//
//   <gamescreen type="GameScreenSplashResourceDefsLoad" name="GS_LevelLoading"
//               total_updates="400" close_after_load="yes"> <window> ...
//     <widget type="ProgressBarControl" name="progress" .../>
//   </window> </gamescreen>
//
//   params->SetNamedValue("resource_defs", Variant(scene->GetResourceDefs()));
//   owner->ShowScreen("GS_LevelLoading", params);   // ChildClosed when loaded
//
// Names the engine has no resource for are passed over; a "resource_defs"
// value that is no definition list means nothing to load.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/resource_definition.h"
#include "screens/self_refresh_screen.h"

namespace corvellane {

class TGameScreenSplashAbstractLoad : public TGameScreenSplashSelfRefresh {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  void Open(Ref<IParamCollection> parameters) override;
  void Advance(int32_t elapsed_ms) override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;

  int32_t ItemCount() const { return item_count_; }
  int32_t ItemsDone() const { return items_done_; }
  bool IsFinished() const { return finished_; }

 protected:
  // The items of this opening; called from Open after the base's.
  void SetItemCount(int32_t count) { item_count_ = count < 0 ? 0 : count; }
  virtual void LoadItem(int32_t index) = 0;
  // Before the first item: shares the time among the items.
  virtual void BeginItems();
  virtual void ReleaseWidgets();

 private:
  void LoadNextItem();
  void Finish();

  int32_t total_updates_ = 200;
  bool close_after_load_ = false;
  int32_t item_count_ = 0;
  int32_t items_done_ = 0;
  int32_t time_budget_ = 0;
  int32_t time_per_item_ = 0;
  bool finished_ = false;
  bool start_pending_ = false;
  Ref<IWidget> progress_;
  Ref<IWidget> loaded_;
};

class TGameScreenSplashResourceLoad : public TGameScreenSplashAbstractLoad {
 public:
  void Open(Ref<IParamCollection> parameters) override;

 protected:
  // Unloads what only the unload list names.
  void BeginItems() override;
  void LoadItem(int32_t index) override;

 private:
  std::vector<std::string> load_list_;
  std::vector<std::string> unload_list_;
};

class TGameScreenSplashResourceDefsLoad : public TGameScreenSplashAbstractLoad {
 public:
  void Open(Ref<IParamCollection> parameters) override;
  void Close() override;

 protected:
  void LoadItem(int32_t index) override;

 private:
  Ref<IResourceDefCollection> defs_;
};

}  // namespace corvellane
