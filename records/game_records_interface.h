// game_records_interface.h: IGameRecords, the player records the game keeps,
// as the screens that change them reach them.
//
// The game (game/game.h) owns the players' profiles, the high-score tables
// and the level records; the story screens find them through the game
// they belong to:
//
//   Ref<IGameRecords> records = QueryInterface<IGameRecords>(GetScreenOwner());
//   Ref<IUserProfile> player = records ? records->GetUserProfiles()->GetCurrentProfile() : nullptr;
//
// Each may be none (a game without records, or before they are loaded).
#pragma once

#include "persistence/object.h"
#include "records/high_scores_interface.h"
#include "records/level_records_interface.h"
#include "records/user_profile_interface.h"

namespace corvellane {

struct IGameRecords : virtual IObject {
  virtual Ref<IUserProfileCollection> GetUserProfiles() = 0;
  virtual Ref<IHighScores> GetHighScores() = 0;
  virtual Ref<ILevelRecords> GetLevelRecords() = 0;
};

}  // namespace corvellane
