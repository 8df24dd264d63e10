#include "scenarios/action_def.h"

#include <algorithm>

#include "engine/random_source.h"
#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TActionDef::Properties() {
  using A = TActionDef;
  using Table = TPropertyTableOf<A>;
  static const TPropertyTable table = Table(TPropertyObject::Properties())
                                          .Int("state", &A::state_, 0, Table::Always())
                                          .Int("probability", &A::weight_, 0, Table::Always())
                                          .Int("duration", &A::duration_, 0, Table::Always())
                                          .Int("nextstate", &A::next_state_, 0, Table::Always())
                                          .Text("widgetname", &A::widget_name_, "", Table::Always());
  return table;
}

void TActionDef::Init() {
  TPropertyObject::Init();
  SetStorageName("actiondef");
  SetTypeName("");
}

void TActionDefCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("actiondefs");
  SetItemElementName("actiondef");
  SetItemClass<TActionDef>();
}

int64_t TActionDefCollection::TotalWeight(int32_t state) {
  int64_t total = 0;
  for (int i = 0; i < Count(); ++i)
    if (Ref<IActionDef> a = GetAction(Variant(i)); a && a->GetState() == state) total += std::max(a->GetWeight(), 0);
  return total;
}

Ref<IActionDef> TActionDefCollection::PickAction(int32_t state, int64_t r) {
  Ref<IActionDef> first;
  const int64_t total = TotalWeight(state);
  for (int i = 0; i < Count(); ++i) {
    Ref<IActionDef> a = GetAction(Variant(i));
    if (!a || a->GetState() != state) continue;
    if (!first) first = a;
    // Each action owns exactly `weight` values of r: [sum before, sum before + weight).
    const int64_t weight = std::max(a->GetWeight(), 0);
    if (r < weight) return a;
    r -= weight;
  }
  return total == 0 ? first : nullptr;
}

Ref<IActionDef> TActionDefCollection::ChooseAction(int32_t state) {
  const int64_t total = TotalWeight(state);
  if (total <= 0) return PickAction(state, 0);
  // The random source draws 32 bits at a time; a total beyond that is
  // scaled so that every value of [0, total) stays reachable in proportion.
  const uint64_t bound = static_cast<uint64_t>(total);
  int64_t r = 0;
  if (bound <= UINT32_MAX) {
    r = GlobalRandom().Uniform(static_cast<uint32_t>(bound));
  } else {
    const uint64_t high = GlobalRandom().Uniform(UINT32_MAX);
    const uint64_t low = GlobalRandom().Uniform(UINT32_MAX);
    r = static_cast<int64_t>(((high << 32) | low) % bound);
  }
  return PickAction(state, r);
}

}  // namespace corvellane
