// action_def.h: TActionDef ("actiondef") and TActionDefCollection
// ("actiondefs"), the weighted action table of a state-machine widget.
//
//   <actiondefs>
//     <actiondef name="sit"   state="0" probability="3" duration="2000" nextstate="0" widgetname="cat_sit"/>
//     <actiondef name="blink" state="0" probability="1" duration="400"  nextstate="0" widgetname="cat_blink"/>
//     <actiondef name="doze"  state="0" probability="1" duration="3000" nextstate="1" widgetname="cat_doze"/>
//     <actiondef name="wake"  state="1" probability="1" duration="600"  nextstate="0" widgetname="cat_wake"/>
//   </actiondefs>
//
// In a state, each action is chosen with a chance proportional to its
// "probability": weights 1 and 3 give one in four and three in four.
// PickAction(state, r) visits the actions of the state in table order and
// answers the one whose share of [0, total) holds r; ChooseAction draws r
// from the program's random source. Actions of weight 0 (or less) are never
// chosen while the state has some positive weight; when it has none, the
// first action of the state is chosen. Every key is always written.
#pragma once

#include <cstdint>
#include <string>

#include "persistence/collections.h"
#include "persistence/object.h"

namespace corvellane {

struct IActionDef : virtual INamedObject {
  virtual int32_t GetState() const = 0;
  virtual std::string GetWidgetName() const = 0;
  virtual int32_t GetWeight() const = 0;
  virtual int32_t GetDuration() const = 0;
  virtual int32_t GetNextState() const = 0;
};

class TActionDef : public TPropertyObject, public virtual IActionDef {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;

  int32_t GetState() const override { return state_; }
  std::string GetWidgetName() const override { return widget_name_; }
  int32_t GetWeight() const override { return weight_; }
  int32_t GetDuration() const override { return duration_; }
  int32_t GetNextState() const override { return next_state_; }

 private:
  int32_t state_ = 0;
  int32_t weight_ = 0;
  int32_t duration_ = 0;
  int32_t next_state_ = 0;
  std::string widget_name_;
};

class TActionDefCollection : public TStaticCreationPersistItemCollection {
 public:
  void Init() override;

  Ref<IActionDef> GetAction(const Variant& key) { return GetItemAs<IActionDef>(key); }
  bool AddAction(Ref<IActionDef> action) { return AddItem(action); }
  // The sum of the positive weights of the state's actions (64 bits: no
  // table of weights can overflow it).
  int64_t TotalWeight(int32_t state);
  // The action whose share of [0, TotalWeight) holds r; none when r is
  // outside. With a total of 0 the first action of the state.
  Ref<IActionDef> PickAction(int32_t state, int64_t r);
  Ref<IActionDef> ChooseAction(int32_t state);
};

}  // namespace corvellane
