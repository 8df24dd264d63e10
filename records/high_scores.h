// high_scores.h: THighScores, the set of high-score tables the game keeps.
//
// The tables and the shape of their records come from creation parameters,
// one "record_table" item per table (product::DefaultHighScoreTables());
// "highscores.dat" holds only the records, enciphered with the high-score
// key:
//
//   <highscores><recordtables>
//     <recordtable name="0"><records>
//       <record name="Record1"><params><param name="Score">1200</param>...</params></record>
//     </records></recordtable>
//   </recordtables></highscores>
//
// Stored tables that were not declared are skipped. Loading adds to the
// records present; a damaged file in the settings folder is kept aside and
// leaves the tables as they were (record_file.h).
//
//   auto scores = CreateObject<THighScores>(product::DefaultHighScoreTables());
//   scores->LoadHighScores(engine, false);
//   scores->SubmitRecord(result.get(), "1");
//   scores->SaveHighScores(engine);
#pragma once

#include <string_view>

#include "persistence/object.h"
#include "records/high_scores_interface.h"
#include "records/record_file.h"

namespace corvellane {

class THighScores : public TPersistObject, public virtual IHighScores {
 public:
  void Init() override;
  // "record_table": a table created from the value (a parameter string).
  void SetParam(std::string_view key, std::string_view value) override;
  void Cleanup() override;

  Ref<IRecordTableCollection> GetTables() override { return tables_; }
  bool CanEnter(int32_t score, std::string_view table) override;
  Ref<IRecord> AddRecord(IParamCollection* params, std::string_view table) override;
  Ref<IRecord> AddPlayerRecord(IParamCollection* params, std::string_view table) override;
  bool SubmitRecord(IParamCollection* params, std::string_view table) override;
  void ClearAll() override;
  void ResetLastIndexes() override;
  void LoadHighScores(IEngine* engine, bool from_program_folder) override;
  bool SaveHighScores(IEngine* engine) override;

  // The records of every declared table found under "recordtables".
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

 private:
  Ref<IRecordTable> Table(std::string_view name);
  template <class F>
  void ForEachTable(F&& visit);

  Ref<TRecordTableCollection> tables_;
  // From the creation parameters "file" and "cryptkey"; without a file
  // nothing is read or written.
  RecordFile file_;
};

}  // namespace corvellane
