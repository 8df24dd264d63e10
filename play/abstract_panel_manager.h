// abstract_panel_manager.h: TAbstractPanelManager, what every panel manager
// shares: the items, their life cycle and the panel's layout values.
//
// The modes build on it (panel_manager_interface.h lists them):
//
//   TAbstractPanelManager
//    ├ TAnimHideDiscoveredPanelManeger      used-up items play a hide animation
//    │  ├ TZoomItemsPanelManager            pictures scaled to fit a box
//    │  │  ├ TOneRowOfVarWidthItemsPanelManager → THiddenShapesPanelManager, TFindPlacesPanelManager
//    │  │  └ TFindIdenticalPanelManager
//    │  └ TFixedSizeColumnsPanelManager → THiddenNamesPanelManager
//    └ TFixedPlacedItemsPanelManager → THiddenPartsPanelManager
//
// A mode says which layout values it reads (ReadLayout), where a new item
// goes (AddPanelItem), how the items close a gap (CloseGap) and whether an
// item fits the visible width (Fits); the life cycle is the same for all.
// One step per panel update (UpdatePanel), only while something is pending:
//
//   1. while an item is busy (moved by a scenario, carried), nothing happens;
//   2. else the first item hiding is removed: its widget is finished, the
//      gap closes and every item that moved is animated there (the move
//      factory, starting 200 ms later plus 0..139 ms per item);
//   3. else the first item waiting to hide starts hiding;
//   4. else nothing is pending any more.
//
// Layout values that are missing or no numbers are reported once, naming
// the panel and the key; such a panel creates no items (the objects it
// should show are then no targets).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/object.h"
#include "play/game_managers_owner_interface.h"
#include "play/panel_item.h"
#include "play/panel_manager_interface.h"

namespace corvellane {

class TAbstractPanelManager : public TNamedObject, public virtual IPanelManager {
 public:
  void SetupPanel(IGameManagersOwner* owner, int32_t size) override;
  void ClearPanel() override;
  void ApplyLocation(ISceneObjectLocation* location) override;
  void SetFlyTarget(ISceneObjectDef* object, IParamCollection* params) override;
  void MarkFound(ISceneObjectDef* object) override {}
  bool UseObject(ISceneObjectDef* object) override;
  void ShowTakenOut(IWidget* item_widget) override;
  bool UpdatePanel() override;
  void SetTaken(IWidget* item_widget, bool taken) override;
  void UpdateShown(IWidget* item_widget, int32_t offset) override;
  bool IsShown(ISceneObjectDef* object) override;
  Ref<IWidget> GetItemWidget(ISceneObjectDef* object) override;
  Ref<ISceneObjectDef> GetItemObject(IWidget* item_widget, bool second) override;
  Variant GetItemValue(ISceneObjectDef* object, std::string_view property) override;
  Ref<ISceneObjectDef> GetTwin(ISceneObjectDef* object) override;
  bool ItemsCatchClicks() override { return items_catch_clicks_; }
  bool ItemsCanBeTaken() override { return items_can_be_taken_; }
  void ShowAll() override;
  void SetCapacity(int32_t size) override;
  void PrepareFly(ISceneObjectDef* object, int32_t& flight_time, int32_t& x, int32_t& y) override;
  bool GetItemInfo(IWidget* item_widget, Ref<ISceneObjectDef>& object, int32_t& count) override;
  std::string GetObjectNames() override { return {}; }

  // For tests and the play screen's checks: the entries in panel order.
  const std::vector<TPanelItem>& Items() const { return items_; }
  bool IsLayoutReady() const { return layout_ready_; }
  int32_t GetVisibleWidth() const { return visible_width_; }

 protected:
  // The mode's layout values and factories; false (after a warning) when
  // one is missing, and the panel then shows nothing.
  virtual bool ReadLayout() = 0;
  // Moves the places of the items after `removed` (which has left `items`
  // at `index`) as the mode's add type says.
  virtual void CloseGap(std::vector<TPanelItem>& items, size_t index, const TPanelItem& removed) const {}
  // Whether an item at `x` (in the panel) fits the visible width.
  virtual bool Fits(const TPanelItem& item, int32_t x) const;
  // The entry's text for a new count (hidden names, find places).
  virtual void ShowCount(TPanelItem& item, int32_t count) {}
  // Starts the hide of a used-up item; it is removed at the next step.
  virtual void StartHide(TPanelItem& item) { item.hiding = true; }
  // The extra parameters of a move scenario (columns: the start and the
  // change of column).
  virtual void AddMoveParams(const TPanelItem& item, TPoint from, IParamCollection& params) const {}
  // The flight time an earlier item's removal adds (hidden shapes).
  virtual int32_t RemovalDelay(const TPanelItem& removed) const { return 0; }
  // How long after its flight a found item starts to go (hidden shapes: 200 ms).
  virtual int32_t HideAfterFlight() const { return 0; }

  // Reads the keys in order into the fields; false and a warning naming the
  // first key that is missing or no number.
  bool ReadLayoutValues(std::span<const std::string_view> keys, std::span<int32_t* const> fields);
  // A new item for the object: its widget from the factory at that place
  // and size (the picture's), zoomed, catching clicks when the mode says so,
  // shown when it fits. None when the layout is not ready.
  TPanelItem* AppendItem(ISceneObjectDef* object, std::string_view factory, TPoint place, int32_t width,
                         int32_t height, double zoom);
  TPanelItem* FindItem(const ISceneObjectDef* object);
  TPanelItem* FindItem(const IWidget* widget);
  TPanelItem* FindItemByName(std::string_view object_name);
  // Puts the item's widget at its place.
  static void PlaceWidget(TPanelItem& item);
  // The panel's clock (ms).
  int32_t PanelTime();
  // A screen point of the panel's space.
  TPoint ToScreen(TPoint panel_point);
  ChannelHandle PlayPanelSound(std::string_view name);
  // The items as they will be once those that hide before `deadline` have
  // gone (in the order they go), the item at `index` excluded from going.
  std::vector<TPanelItem> ItemsAfterRemovals(size_t index, int32_t deadline, int32_t& extra_time) const;

  IGameManagersOwner* owner_ = nullptr;
  IItemListPanel* panel_ = nullptr;
  std::vector<TPanelItem> items_;

  TPoint start_;
  int32_t interval_ = 0;
  int32_t visible_width_ = 0;
  int32_t add_type_ = 0;
  int32_t move_speed_ = 0;
  int32_t max_height_ = 0;
  int32_t max_width_ = 0;
  std::string create_factory_;
  std::string move_factory_;
  std::string hide_factory_;

  bool pending_ = false;
  bool suppress_move_sound_ = false;
  bool items_catch_clicks_ = false;
  bool items_can_be_taken_ = false;
  bool layout_ready_ = false;

 private:
  bool AnyBusy() const;
  void RemoveItem(size_t index);
  // Slides a moved item to its new place: the move scenario, or at once
  // when the screen has no such factory.
  void AnimateMove(TPanelItem& item, TPoint from, int32_t delay);
  void Reset();
};

}  // namespace corvellane
