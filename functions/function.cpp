#include "functions/function.h"

#include "functions/function_collection.h"
#include "functions/reentry_guard.h"
#include "persistence/object_io.h"

namespace corvellane {

namespace {

// Loading is single-threaded, like the rest of the object model.
int loading_depth = 0;

class LoadingDepthGuard {
 public:
  LoadingDepthGuard() { ++loading_depth; }
  ~LoadingDepthGuard() { --loading_depth; }
  LoadingDepthGuard(const LoadingDepthGuard&) = delete;
  LoadingDepthGuard& operator=(const LoadingDepthGuard&) = delete;
  bool TooDeep() const { return loading_depth > kMaxFunctionNesting; }
};

void CalculateIfAny(const Ref<IFunction>& function) {
  if (function) function->Calculate();
}

}  // namespace

void TFunction::Init() {
  TPersistObject::Init();
  SetStorageName("function");
  space_ = CreateObject<TParamSpace>();
}

void TFunction::Cleanup() {
  TReentryGuard guard(busy_);
  if (guard.Entered()) CleanupOwnParts();
}

void TFunction::CleanupOwnParts() {
  UnprepareOwnCells();
  // Taken out first: a preparation function may lead back here.
  Ref<IFunction> preparation = std::move(preparation_);
  if (auto persist = QueryInterface<IPersistObject>(preparation)) persist->Cleanup();
  space_->Cleanup();
  TPersistObject::Cleanup();
}

void TFunction::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  LoadChild(space_.get(), node, "paramspace");
  LoadingDepthGuard depth;
  if (!depth.TooDeep()) LoadNested(node);
}

void TFunction::LoadNested(IHierStorage* node) {
  Ref<TAbstractObject> created = CreateFromChild(node, "preparation_function");
  if (Ref<IFunction> function = QueryInterface<IFunction>(created)) preparation_ = function;
}

void TFunction::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  SaveChild(space_.get(), node, "paramspace");
  SaveNested(node);
}

void TFunction::SaveNested(IHierStorage* node) {
  if (preparation_) SaveChild(preparation_.get(), node, "preparation_function");
}

void TFunction::Prepare(IFunctionOwner* owner) {
  TReentryGuard guard(busy_);
  if (guard.Entered()) PrepareOwnCells(owner);
}

void TFunction::PrepareOwnCells(IFunctionOwner* owner) {
  Ref<IParamSpace> owner_space = owner ? owner->GetParamSpace() : nullptr;
  space_->LinkTo(owner_space.get());
  matrix_ = space_->GetMatrix();
  PrepareBeforeAndAfter();
}

void TFunction::PrepareBeforeAndAfter() {
  before_ = nullptr;
  after_ = nullptr;
  if (!preparation_) return;
  preparation_->Prepare(this);
  if (Ref<IFunctionCollection> subs = preparation_->GetSubFunctions()) {
    before_ = subs->GetFunctionByName("before");
    after_ = subs->GetFunctionByName("after");
    if (!before_ && !after_) before_ = preparation_;
  } else {
    before_ = preparation_;
  }
}

void TFunction::Unprepare() {
  TReentryGuard guard(busy_);
  if (guard.Entered()) UnprepareOwnCells();
}

void TFunction::UnprepareOwnCells() {
  if (preparation_) preparation_->Unprepare();
  space_->Unlink();
  matrix_ = std::make_shared<TParamMatrix>();
  before_ = nullptr;
  after_ = nullptr;
}

void TFunction::RunPreparation() {
  TReentryGuard guard(busy_);
  if (!guard.Entered()) return;
  RunBefore();
  PreparationHook();
  RunAfter();
}

void TFunction::RunBefore() { CalculateIfAny(before_); }

void TFunction::RunAfter() { CalculateIfAny(after_); }

Ref<IFunctionCollection> TFunction::GetSubFunctions() { return nullptr; }

std::string TFunction::GetCellName(int col, int row) {
  Ref<IParamDef> def = space_->GetParamDefs()->GetDefAtCell(col, row);
  return def ? def->GetName() : std::string();
}

std::string TFunction::GetCellSourceName(int col, int row) {
  Ref<IParamDef> def = space_->GetParamDefs()->GetDefAtCell(col, row);
  if (!def) return {};
  std::string out_name = def->GetOutName();
  return out_name.empty() ? def->GetName() : out_name;
}

}  // namespace corvellane
