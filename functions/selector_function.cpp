#include "functions/selector_function.h"

#include "functions/cell_math.h"
#include "functions/reentry_guard.h"

namespace corvellane {

void TSelectorFunction::Calculate() {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  const int index = SelectIndex();
  if (index < 0 || index >= Functions().Count()) return;
  if (Ref<IFunction> selected = Functions().GetFunctionAt(index)) selected->Calculate();
}

int TFuncSelectorFunction::SelectIndex() {
  Ref<IFunction> chooser = Functions().GetFunctionAt(0);
  if (!chooser) return -1;
  chooser->Calculate();
  return chooser->ResultCount() > 0 ? TruncToInt(chooser->GetResult(0)) : -1;
}

int TConstSelectorFunction::SelectIndex() { return TruncToInt(Matrix().Get(2, 0)); }

}  // namespace corvellane
