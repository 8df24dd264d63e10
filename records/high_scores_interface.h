// high_scores_interface.h: IHighScores, the high-score tables as the game,
// the statistics screen, the high-score screen and the grid reach them.
//
// Each operation on a table names it; a table the high scores do not hold
// answers false or none.
//
//   Ref<IHighScores> scores = game->GetHighScores();
//   auto result = CreateObject<TParamCollection>("\\Player=Ann\\Score=1200\\Level=3\\Const=no");
//   bool entered = scores->SubmitRecord(result.get(), "0");
//   if (!scores->SaveHighScores(engine)) { ... the old file is still there ... }
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/engine_interface.h"
#include "persistence/params.h"
#include "records/record_table_collection.h"

namespace corvellane {

struct IHighScores : virtual IObject {
  virtual Ref<IRecordTableCollection> GetTables() = 0;
  virtual bool CanEnter(int32_t score, std::string_view table) = 0;
  virtual Ref<IRecord> AddRecord(IParamCollection* params, std::string_view table) = 0;
  virtual Ref<IRecord> AddPlayerRecord(IParamCollection* params, std::string_view table) = 0;
  virtual bool SubmitRecord(IParamCollection* params, std::string_view table) = 0;
  // Empties every table.
  virtual void ClearAll() = 0;
  // No table marks a record any more.
  virtual void ResetLastIndexes() = 0;
  // Adds the records of "highscores.dat": the settings folder's, or the
  // program folder's (shipped) one when the settings folder has none or
  // `from_program_folder` is set.
  virtual void LoadHighScores(IEngine* engine, bool from_program_folder) = 0;
  // Writes "highscores.dat" into the settings folder; false when it could
  // not be written (the previous file is then untouched).
  virtual bool SaveHighScores(IEngine* engine) = 0;
};

}  // namespace corvellane
