// record_table.h: one high-score table, its records sorted by score.
//
// A table holds at most "max_records" records, highest score first, each
// created from the table's record structure. It remembers which record was
// entered or updated last, so that the grid can mark it.
//
//   auto table = CreateObject<TRecordTable>(
//       "name=0\\max_records=10\\record_structure={param=Score\\param=Player}");
//   auto params = CreateObject<TParamCollection>("\\Score=1200\\Player=Ann");
//   table->SubmitRecord(params.get());   // true: entered
//   table->GetLastIndex();               // where Ann's record now stands
//
// Order of equal scores: a new record goes below every record with the same
// score. A full table takes a new score only when it beats the lowest one,
// which then drops out.
//
// A player keeps one record per table through SubmitRecord: a better score
// updates it; a score that does not beat it changes nothing, so a weaker
// game never wipes out a player's best. Fixed records ("Const" = "yes", the
// ones shipped with the game) are never updated.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/params.h"
#include "records/record_collection.h"

namespace corvellane {

struct IRecordTable : virtual INamedObject {
  virtual Ref<IRecordCollection> GetRecords() = 0;
  // Position of the record entered or updated last; -1 when none.
  virtual int GetLastIndex() = 0;
  virtual void ResetLastIndex() = 0;
  // Whether a score would get into the table.
  virtual bool CanEnter(int32_t score) = 0;
  // A new record from the given fields ("Score" decides); none when the
  // score does not enter.
  virtual Ref<IRecord> AddRecord(IParamCollection* params) = 0;
  // AddRecord, unless the player already has a record that is not fixed.
  virtual Ref<IRecord> AddPlayerRecord(IParamCollection* params) = 0;
  // Enters the player's result: updates his record when the score beats
  // it, else adds one. True when the table changed.
  virtual bool SubmitRecord(IParamCollection* params) = 0;
  virtual void ClearRecords() = 0;
};

class TRecordTable : public TPersistObject, public virtual IRecordTable {
 public:
  void Init() override;
  // "name", "record_structure" (a parameter string), "max_records" (10 when
  // it is not a number; without it the table keeps nothing).
  void SetParam(std::string_view key, std::string_view value) override;

  Ref<IRecordCollection> GetRecords() override { return records_; }
  int GetLastIndex() override { return last_index_; }
  void ResetLastIndex() override { last_index_ = -1; }
  bool CanEnter(int32_t score) override;
  Ref<IRecord> AddRecord(IParamCollection* params) override;
  Ref<IRecord> AddPlayerRecord(IParamCollection* params) override;
  bool SubmitRecord(IParamCollection* params) override;
  void ClearRecords() override;

  int GetMaxRecords() const { return max_records_; }
  // Adds the records of a stored table ("records" child) to those present,
  // keeping the highest; no record is marked afterwards.
  void LoadRecords(IHierStorage* node);
  // The name and the records.
  void SaveProperties(IHierStorage* node) override;

 private:
  Ref<IRecord> CreateRecord() const;
  // Appends, sorts, marks and trims.
  void FileRecord(const Ref<IRecord>& record);
  // Sorts by score, highest first; false when it was in order already.
  bool Sort();
  Ref<IRecord> FindPlayerRecord(std::string_view player);

  std::string record_structure_;
  int max_records_ = 0;
  int last_index_ = -1;
  Ref<TRecordCollection> records_;
};

}  // namespace corvellane
