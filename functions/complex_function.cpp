#include "functions/complex_function.h"

#include "functions/reentry_guard.h"
#include "persistence/object_io.h"

namespace corvellane {

void TComplexFunction::Init() {
  TFunction::Init();
  functions_ = CreateObject<TFunctionCollection>();
}

void TComplexFunction::Cleanup() {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  functions_->ForEachFunction([](IFunction& f) {
    if (auto* persist = dynamic_cast<IPersistObject*>(&f)) persist->Cleanup();
  });
  functions_->Cleanup();
  CleanupOwnParts();
}

void TComplexFunction::LoadNested(IHierStorage* node) {
  TFunction::LoadNested(node);
  LoadChild(functions_.get(), node, "functions");
}

void TComplexFunction::SaveNested(IHierStorage* node) {
  TFunction::SaveNested(node);
  SaveChild(functions_.get(), node, "functions");
}

void TComplexFunction::Prepare(IFunctionOwner* owner) {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  PrepareOwnCells(owner);
  functions_->ForEachFunction([this](IFunction& f) { f.Prepare(this); });
}

void TComplexFunction::Unprepare() {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  functions_->ForEachFunction([](IFunction& f) { f.Unprepare(); });
  UnprepareOwnCells();
}

void TComplexFunction::RunPreparation() {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  RunBefore();
  functions_->ForEachFunction([](IFunction& f) { f.RunPreparation(); });
  PreparationHook();
  RunAfter();
}

void TComplexFunction::Calculate() {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  functions_->ForEachFunction([](IFunction& f) { f.Calculate(); });
}

}  // namespace corvellane
