// ugd_item.h: TUGDItem, the base of the story's cases, stages, tasks and
// scenes: a named object with free parameters in a "params" child.
//
//   <task name="petals_1" tasktype="0">
//     <params><param name="scenename" value="flower_shop"/></params>
//   </task>
//
// "params" is written only when it holds a parameter.
#pragma once

#include "persistence/object.h"
#include "persistence/params.h"

namespace corvellane {

class TUGDItem : public TPropertyObject {
 public:
  void Init() override;
  void Cleanup() override { params_->ClearItems(); }
  // "params", after the table.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  Ref<IParamCollection> GetParams() { return params_; }

 protected:
  // Subclasses name their element in Init; no "type" is written.
  void SetElement(std::string_view element);

 private:
  Ref<TParamCollection> params_;
};

}  // namespace corvellane
