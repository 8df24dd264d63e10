// record.h: one entry of a high-score table.
//
// A record is a name and a small ordered set of parameters whose names come
// from the table's record structure, a parameter string with one "param" item
// per field:
//
//   auto record = CreateObject<TRecord>("param=Score\\param=Player");
//   record->GetParams()->SetNamedValue("Score", 1200);
//   record->GetScore();   // 1200; -1 when "Score" is missing or no number
//
// Every record created in a run is named "Record" + a process-wide counter
// (the first is "Record1"); a name read from a file replaces it.
//
// Stored form (element text holds the value; values read back as texts,
// references between percent signs expanded):
//
//   <record name="Record7"><params><param name="Score">1200</param>...</params></record>
//
// A value is written with its percent signs doubled, so whatever a player
// typed (a name like "100%") reads back exactly as it was saved; references
// in the shipped file ("%hs_name1%") are expanded as they load.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/params.h"

namespace corvellane {

struct IRecord : virtual INamedObject {
  virtual Ref<IParamCollection> GetParams() = 0;
  // "Score" as a whole number; -1 when missing or not a number.
  virtual int32_t GetScore() = 0;
};

class TRecord : public TPersistObject, public virtual IRecord {
 public:
  void Init() override;
  // "param" adds a field of that name (no value); other keys are the name's.
  void SetParam(std::string_view key, std::string_view value) override;

  Ref<IParamCollection> GetParams() override { return params_; }
  int32_t GetScore() override;

  // The stored name (when there is one), then the "params" child: only
  // fields the record already has are read, empty names are skipped.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  // The name the next created record will get ("Record" + counter), and
  // the same with the counter moved on past it.
  static std::string NextAutomaticName();
  static std::string TakeAutomaticName();

 private:
  void LoadField(IHierStorage* param_node);

  Ref<TParamCollection> params_;
};

}  // namespace corvellane
