// level_record.h: the best results of one level in one play mode.
//
// A level record is named by the level number and holds an open set of
// parameters; the game keeps "Score" with "Scorename" and "time" with
// "timename" (who reached them).
//
//   record->GetIntValue("Score", -1, false);   // -1: none yet, nothing added
//   record->SetIntValue("Score", 5400);
//   record->SetTextValue("Scorename", "Ann");
//
// Stored form (parameters as in params.h, values read back as texts):
//
//   <levelrecord name="7"><params><param name="Score" value="5400"/>...</params></levelrecord>
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/params.h"

namespace corvellane {

struct ILevelRecord : virtual INamedObject {
  // Sets the parameter to the decimal text (added when missing).
  virtual void SetIntValue(std::string_view name, int32_t value) = 0;
  virtual void SetTextValue(std::string_view name, std::string_view value) = 0;
  // The parameter as a whole number; the fallback when it is no number or
  // missing (then first added with the fallback when `add_when_missing`).
  virtual int32_t GetIntValue(std::string_view name, int32_t fallback, bool add_when_missing) = 0;
  virtual std::string GetTextValue(std::string_view name, std::string_view fallback, bool add_when_missing) = 0;
  // The name as a level number; -1 when it is not one.
  virtual int32_t GetLevel() = 0;
  virtual Ref<IParamCollection> GetParams() = 0;
};

class TLevelRecord : public TPersistObject, public virtual ILevelRecord {
 public:
  void Init() override;

  void SetIntValue(std::string_view name, int32_t value) override;
  void SetTextValue(std::string_view name, std::string_view value) override;
  int32_t GetIntValue(std::string_view name, int32_t fallback, bool add_when_missing) override;
  std::string GetTextValue(std::string_view name, std::string_view fallback, bool add_when_missing) override;
  int32_t GetLevel() override;
  Ref<IParamCollection> GetParams() override { return params_; }

  // The name, then the first "params" child.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

 private:
  Ref<TParamCollection> params_;
};

}  // namespace corvellane
