// level_records.h: TLevelRecords, the per-level best results the game keeps.
//
// The tables come from creation parameters, one "level_record_table" item
// per table (product::DefaultLevelRecordTables()); "records.dat" holds the
// records, enciphered with the level-record key. Its root element is named
// "highscores", like the high-score file's, and is not checked on reading:
//
//   <highscores><levelrecordtables>
//     <levelrecordtable name="0"><levelrecords>
//       <levelrecord name="7"><params><param name="Score" value="5400"/></params></levelrecord>
//     </levelrecords></levelrecordtable>
//   </levelrecordtables></highscores>
//
// Loading adds to the records present; a damaged file in the settings folder
// is kept aside and leaves the tables as they were (record_file.h).
//
//   auto records = CreateObject<TLevelRecords>(product::DefaultLevelRecordTables());
//   records->LoadLevelRecords(engine);
//   records->SetLevelRecord(nullptr, "1", 3)->SetIntValue("time", 95);
//   records->SaveLevelRecords(engine);
#pragma once

#include <string_view>

#include "persistence/object.h"
#include "records/level_records_interface.h"
#include "records/record_file.h"

namespace corvellane {

class TLevelRecords : public TPersistObject, public virtual ILevelRecords {
 public:
  void Init() override;
  // "level_record_table": a table created from the value (a parameter string).
  void SetParam(std::string_view key, std::string_view value) override;
  void Cleanup() override { tables_->Cleanup(); }

  Ref<ILevelRecordTableCollection> GetTables() override { return tables_; }
  Ref<ILevelRecord> SetLevelRecord(IParamCollection* params, std::string_view table, int32_t level) override;
  void LoadLevelRecords(IEngine* engine) override;
  bool SaveLevelRecords(IEngine* engine) override;

  // The root's name, then the first "levelrecordtables" child.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

 private:
  Ref<TLevelRecordTableCollection> tables_;
  // From the creation parameters "file" and "cryptkey"; without a file
  // nothing is read or written.
  RecordFile file_;
};

}  // namespace corvellane
