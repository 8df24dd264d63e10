#include "particles/particle_program.h"

#include "persistence/number_text.h"
#include "persistence/object_io.h"

namespace corvellane {

std::optional<double> NumberOf(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Bool:
    case Variant::Kind::Int:
    case Variant::Kind::Float: return value.ToFloat();
    case Variant::Kind::Text: return ParseFloat(value.ToText());
    default: return std::nullopt;
  }
}

void TParticleProgram::Load(IHierStorage* node) {
  Release();
  space_ = CreateAndLoadChild<TParamSpace>(node, "paramspace");
  if (!space_) space_ = CreateObject<TParamSpace>();
  space_->LinkTo(nullptr);
  function_ = QueryInterface<IFunction>(CreateFromChild(node, "function"));
}

void TParticleProgram::Prepare(IFunctionOwner* function_owner) {
  if (!function_) return;
  function_->Unprepare();
  function_->Prepare(function_owner);
}

void TParticleProgram::Save(IHierStorage* node) {
  if (space_) SaveChild(space_.get(), node, "paramspace");
  if (auto persist = QueryInterface<IPersistObject>(function_)) SaveChild(persist.get(), node, "function");
}

void TParticleProgram::Attach() {
  if (!function_) return;
  function_->RunPreparation();
  functions_ = TParticleFunctions::Of(function_.get());
}

void TParticleProgram::Release() {
  functions_ = {};
  if (function_) {
    SetSurface(nullptr);
    function_->Unprepare();
    if (auto persist = QueryInterface<IPersistObject>(function_)) persist->Cleanup();
  }
  function_ = nullptr;
  if (space_) space_->Cleanup();
  space_ = nullptr;
}

void TParticleProgram::SetTime(int32_t ms) {
  if (function_) function_->SetArgument(0, static_cast<float>(ms));
}

bool TParticleProgram::WriteNumber(std::string_view name, const Variant& value) {
  const std::optional<double> number = NumberOf(value);
  if (!number) return false;
  if (function_) function_->SetValueByName(name, static_cast<float>(*number));
  return true;
}

void TParticleProgram::SetSurface(Ref<ISurface> surface) {
  if (!function_) return;
  if (Ref<IParamSpace> space = function_->GetParamSpace())
    SetCellObject(space->GetCellRefByName("surface"), std::move(surface));
}

std::optional<std::pair<int, int>> TParticleProgram::CellOf(std::string_view name) const {
  if (!space_) return std::nullopt;
  Ref<IParamDef> def = space_->GetParamDefs()->GetDefByName(name);
  if (!def) return std::nullopt;
  return std::make_pair(def->GetCol(), def->GetRow());
}

}  // namespace corvellane
