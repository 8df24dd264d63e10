// panel_manager_interface.h: IPanelManager, what the object panel shows in
// each play mode, and IItemListPanel, the panel widget that holds it.
//
// Below the scene the play screen shows the object panel ("obj_list_panel",
// item_list_panel_widget.h): the list of what the player still has to find.
// A panel manager of the task's mode fills it, one item (a widget of the
// panel) per entry, and runs each item's life: shown, found, hidden, gone,
// with the items after it closing the gap.
//
//   Ref<IPanelManager> panel = QueryInterface<IPanelManager>(CreateNamed("PanelManagerHiddenShapes", "Panel"));
//   screen_panel->SetPanelManager(panel);     // the panel widget owns it
//   panel->SetupPanel(screen, -1);            // reads the mode's layout
//   panel->AddPanelItem(vase);                // the level manager adds its targets
//   ...
//   panel->MarkFound(vase);                   // a find
//   panel->UseObject(vase);                   // its flight into the panel ended
//   ...
//   panel->ClearPanel();
//
// Type names (task types 0 to 4): "PanelManagerHiddenShapes",
// "PanelManagerHiddenNames", "PanelManagerFindIdentical",
// "PanelManagerHiddenParts", "PanelManagerFindPlaces".
//
// Only objects whose items are in view (IsShown) count as targets: an item
// waiting beyond the panel's visible width comes into view when items before
// it have gone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/params.h"
#include "persistence/variant.h"
#include "story/scene_def_interface.h"
#include "widgets/widget_interface.h"

namespace corvellane {

struct IGameManagersOwner;
struct IPanelManager;

// The object panel widget as its panel manager sees it.
struct IItemListPanel : virtual IWidget {
  // The panel owns its manager; a previous one is cleared (ClearPanel).
  virtual void SetPanelManager(Ref<IPanelManager> manager) = 0;
  virtual Ref<IPanelManager> GetPanelManager() = 0;
  // CreatePanelWidget with "name", "item_source", "left", "top", "width", "height".
  virtual Ref<IWidget> CreatePanelItem(std::string_view name, std::string_view item_source,
                                       std::string_view factory_name, int32_t height, int32_t width, int32_t top,
                                       int32_t left) = 0;
  // A widget of the panel's factory added as its child, replacing a child of
  // the same name; none when no factory makes one.
  virtual Ref<IWidget> CreatePanelWidget(std::string_view factory_name, IParamCollection* params) = 0;
};

struct IPanelManager : virtual INamedObject {
  // Takes the owner's object panel (a plain back link), makes room for
  // `size` items (20 when negative) and reads the mode's layout.
  virtual void SetupPanel(IGameManagersOwner* owner, int32_t size) = 0;
  // Finishes every item widget, forgets the items and the panel.
  virtual void ClearPanel() = 0;
  virtual void AddPanelItem(ISceneObjectDef* object) = 0;
  // Mirrors the newest item like the object at its location.
  virtual void ApplyLocation(ISceneObjectLocation* location) = 0;
  // "endposx", "endposy": where on the screen the object's item is.
  virtual void SetFlyTarget(ISceneObjectDef* object, IParamCollection* params) = 0;
  // The mode's reaction to a find.
  virtual void MarkFound(ISceneObjectDef* object) = 0;
  // One object of the entry is found; true when it was the entry's last.
  virtual bool UseObject(ISceneObjectDef* object) = 0;
  // One object of the item is carried by the player.
  virtual void ShowTakenOut(IWidget* item_widget) = 0;
  // One step of the item life cycle; true while something is pending.
  virtual bool UpdatePanel() = 0;
  // The item is busy (moved by a scenario or carried).
  virtual void SetTaken(IWidget* item_widget, bool taken) = 0;
  // Whether the item, `offset` pixels further right, lies within the visible width.
  virtual void UpdateShown(IWidget* item_widget, int32_t offset) = 0;
  virtual bool IsShown(ISceneObjectDef* object) = 0;
  virtual Ref<IWidget> GetItemWidget(ISceneObjectDef* object) = 0;
  // The item's object, or its twin (find identical) when `second`.
  virtual Ref<ISceneObjectDef> GetItemObject(IWidget* item_widget, bool second) = 0;
  // A property of the object's item widget; without an item 1 for "zoom",
  // "zoomx", "zoomy" and 0 for anything else.
  virtual Variant GetItemValue(ISceneObjectDef* object, std::string_view property) = 0;
  // The other object of a find-identical pair.
  virtual Ref<ISceneObjectDef> GetTwin(ISceneObjectDef* object) = 0;
  virtual bool ItemsCatchClicks() = 0;
  virtual bool ItemsCanBeTaken() = 0;
  // Shows again every item in view that still stands for objects.
  virtual void ShowAll() = 0;
  virtual void SetCapacity(int32_t size) = 0;
  // Where the object's flight into the panel ends (x, y, screen space); the
  // flight time may grow by what the panel does meanwhile.
  virtual void PrepareFly(ISceneObjectDef* object, int32_t& flight_time, int32_t& x, int32_t& y) = 0;
  // The item's object and count; the answer is whether it is shown.
  virtual bool GetItemInfo(IWidget* item_widget, Ref<ISceneObjectDef>& object, int32_t& count) = 0;
  // Names for the level statistics (hidden parts: ";" + complete object + ";").
  virtual std::string GetObjectNames() = 0;
};

}  // namespace corvellane
