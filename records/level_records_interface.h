// level_records_interface.h: ILevelRecords, the best result of every level
// as the game and the level statistics screen reach them.
//
//   Ref<ILevelRecords> records = game->GetLevelRecords();
//   Ref<ILevelRecord> level = records->SetLevelRecord(nullptr, "0", 7);
//   if (level && level->GetIntValue("Score", -1, false) < points) {
//     level->SetIntValue("Score", points);
//     level->SetTextValue("Scorename", player);
//   }
//   if (!records->SaveLevelRecords(engine)) { ... the old file is still there ... }
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/engine_interface.h"
#include "persistence/params.h"
#include "records/level_record_table_collection.h"

namespace corvellane {

struct ILevelRecords : virtual IObject {
  virtual Ref<ILevelRecordTableCollection> GetTables() = 0;
  // The named table's SetLevelRecord; none (and no change) for a table
  // that was not declared.
  virtual Ref<ILevelRecord> SetLevelRecord(IParamCollection* params, std::string_view table, int32_t level) = 0;
  // Adds the records of "records.dat": the settings folder's, or the
  // program folder's when the settings folder has none.
  virtual void LoadLevelRecords(IEngine* engine) = 0;
  // Writes "records.dat" into the settings folder; false when it could not
  // be written (the previous file is then untouched).
  virtual bool SaveLevelRecords(IEngine* engine) = 0;
};

}  // namespace corvellane
