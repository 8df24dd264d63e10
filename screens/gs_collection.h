// gs_collection.h: TGSCollection, the catalogue of a game's screens.
//
// Loaded from the game definition's "gamescreens" element; each "gamescreen"
// child is created by its "type" (the screen class) and filed under its
// "name":
//
//   <gamescreens>
//     <gamescreen type="GameScreen" name="GS_Main"> <window .../> </gamescreen>
//   </gamescreens>
//
//   Ref<IGameScreenSlave> main = screens->GetScreen(Variant("GS_Main"));
#pragma once

#include "persistence/collections.h"
#include "widgets/game_screen_slave_interface.h"

namespace corvellane {

struct IGSCollection : virtual ICollection {
  // By position (integer) or name (text); none when absent or not a screen.
  virtual Ref<IGameScreenSlave> GetScreen(const Variant& key) = 0;
  // False when the name is taken.
  virtual bool AddScreen(Ref<IGameScreenSlave> screen) = 0;
};

class TGSCollection : public TTypedCreationPersistItemCollection, public virtual IGSCollection {
 public:
  void Init() override;
  Ref<IGameScreenSlave> GetScreen(const Variant& key) override;
  bool AddScreen(Ref<IGameScreenSlave> screen) override;
};

}  // namespace corvellane
