// saved_records.h: the high scores and level records a run of the game left
// in its settings folder, deciphered and read back by the game's own record
// classes.
//
//   Ref<THighScores> scores = ReadSavedHighScores(settings);
//   Ref<IRecordCollection> timed = scores->GetTables()->GetTable(Variant("0"))->GetRecords();
//   Ref<TLevelRecords> levels = ReadSavedLevelRecords(settings);
//
// A file that is not there gives empty tables.
#pragma once

#include <filesystem>

#include "records/high_scores.h"
#include "records/level_records.h"

namespace corvellane::testing {

Ref<THighScores> ReadSavedHighScores(const std::filesystem::path& settings);
Ref<TLevelRecords> ReadSavedLevelRecords(const std::filesystem::path& settings);

}  // namespace corvellane::testing
