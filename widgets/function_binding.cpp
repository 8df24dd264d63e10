#include "widgets/function_binding.h"

#include <optional>
#include <string>

#include "persistence/number_text.h"
#include "persistence/object_io.h"

namespace corvellane {

namespace {

constexpr int kVariables = 0;
constexpr int kParameters = 1;

// A property value as a real; none for empty, null and non-numeric values.
std::optional<double> RealOf(const Variant& value) {
  if (value.IsEmptyOrNull()) return std::nullopt;
  if (value.IsText()) return ParseFloat(value.ToText());
  return value.ToFloat();
}

}  // namespace

void TFunctionBinding::Load(IHierStorage* node) {
  if (!node || node->GetChildCount("function_widget") == 0) return;
  if (Ref<IFunction> function = QueryInterface<IFunction>(CreateFromChild(node, "function_widget")))
    SetFunction(function);
}

void TFunctionBinding::Save(IHierStorage* node) {
  if (function_) SaveChild(function_.get(), node, "function_widget");
}

void TFunctionBinding::SetFunction(Ref<IFunction> function) {
  Unbind();
  function_ = std::move(function);
}

void TFunctionBinding::Bind() {
  if (!function_) return;
  function_->Unprepare();
  function_->Prepare(nullptr);
}

void TFunctionBinding::Unbind() {
  if (function_) function_->Unprepare();
}

void TFunctionBinding::Release() {
  Unbind();
  if (auto persist = QueryInterface<IPersistObject>(function_)) persist->Cleanup();
  function_ = nullptr;
}

void TFunctionBinding::ResetCycle(IPropertyObject& widget) {
  if (!function_) return;
  Push(widget, kVariables);
  Push(widget, kParameters);
  function_->RunPreparation();
  Pull(widget);
}

void TFunctionBinding::EvaluateCycle(IPropertyObject& widget) {
  if (!function_) return;
  Push(widget, kVariables);
  Push(widget, kParameters);
  function_->Calculate();
  Pull(widget);
}

void TFunctionBinding::Push(IPropertyObject& widget, int col) {
  Ref<IParamSpace> space = function_->GetParamSpace();
  const int cells = space->GetMatrix()->ColumnLength(col);
  for (int row = 0; row < cells; ++row) {
    const std::string name = function_->GetCellName(col, row);
    if (name.empty()) continue;
    if (std::optional<double> value = RealOf(widget.GetProperty(name)))
      space->SetCellValue(col, row, static_cast<float>(*value));
  }
}

void TFunctionBinding::Pull(IPropertyObject& widget) {
  for (int row = 0; row < function_->ResultCount(); ++row) {
    const std::string name = function_->GetCellName(kVariables, row);
    if (!name.empty()) widget.SetProperty(name, Variant(static_cast<double>(function_->GetResult(row))));
  }
}

}  // namespace corvellane
