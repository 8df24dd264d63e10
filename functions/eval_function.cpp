#include "functions/eval_function.h"

#include "functions/expression_error.h"
#include "functions/reentry_guard.h"
#include "persistence/storage.h"

namespace corvellane {

void TEvalFunction::Cleanup() {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  Discard();
  CleanupOwnParts();
}

void TEvalFunction::LoadProperties(IHierStorage* node) {
  TFunction::LoadProperties(node);
  expression_ = node->GetChildText("expression").ToText();
}

void TEvalFunction::SaveProperties(IHierStorage* node) {
  TFunction::SaveProperties(node);
  if (!expression_.empty()) node->SetChildText("expression", expression_);
}

void TEvalFunction::Prepare(IFunctionOwner* owner) {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  PrepareOwnCells(owner);
  Compile();
}

void TEvalFunction::Unprepare() {
  TReentryGuard guard(Busy());
  if (!guard.Entered()) return;
  Discard();
  UnprepareOwnCells();
}

void TEvalFunction::Compile() {
  Discard();
  // A fresh evaluator each time: variables it generated for a previous
  // preparation must not outlive the cells they sat beside.
  auto parser = std::make_unique<expr::TExpressionParser>();
  parser->SetDecimalSeparator('.');
  parser->SetArgumentSeparator(',');
  try {
    DeclareCells(*parser);
    if (!parser->AddExpressions(expression_) || parser->ExpressionCount() == 0) return Discard();
  } catch (const expr::EExpressionError&) {
    return Discard();
  }
  parser_ = std::move(parser);
  compiled_ = true;
}

void TEvalFunction::DeclareCells(expr::TExpressionParser& parser) {
  TParamMatrix& matrix = Matrix();
  for (int col = 0; col < matrix.ColumnCount(); ++col) {
    for (int row = 0; row < matrix.ColumnLength(col); ++row) {
      std::string name = GetCellName(col, row);
      if (name.empty()) continue;
      TCellRef cell = GetParamSpace()->GetCellRef(col, row);
      float* storage = cell ? cell.get() : &empty_cells_.emplace_back(0.0f);
      if (cell) cells_.push_back(std::move(cell));
      parser.DefineVariable(name, storage);
    }
  }
}

void TEvalFunction::Discard() {
  compiled_ = false;
  parser_.reset();
  cells_.clear();
  empty_cells_.clear();
}

void TEvalFunction::Calculate() {
  if (!compiled_) return;
  for (float& cell : empty_cells_) cell = 0.0f;
  try {
    parser_->EvaluateAll();
  } catch (const expr::EExpressionError&) {
    Discard();
  }
}

}  // namespace corvellane
