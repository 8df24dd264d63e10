// eval_function.h: TEvalFunction ("function_eval"), a function whose
// calculation is a small program of expressions over its own cells.
//
//   <function type="function_eval">
//     <paramspace><paramdefs>
//       <paramdef name="anchor_left" col="0"/>         <!-- the owner's -->
//       <paramdef name="currenttime" col="1"/>
//       <paramdef name="amplitude" col="2" static="yes" value="20"/>
//     </paramdefs></paramspace>
//     <expression>
//       // sway around x = 100, once a second
//       anchor_left := 100 + amplitude*sin(currenttime*2*pi/1000)
//     </expression>
//   </function>
//
// Prepare links the cells as every function does, then declares each
// named cell to the evaluator as a variable bound to the cell's storage and
// compiles the lines. Calculate runs them; ":=" writes a cell, and so the
// owner's value when the cell aliases it. A line that does not compile, or
// a math error while calculating (division by zero, overflow), leaves the
// function inert until it is prepared again; it then calculates nothing.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "functions/expression_parser.h"
#include "functions/function.h"

namespace corvellane {

class TEvalFunction : public TFunction {
 public:
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void Prepare(IFunctionOwner* owner) override;
  void Unprepare() override;
  void Calculate() override;

  const std::string& GetExpression() const { return expression_; }
  // Takes effect at the next Prepare.
  void SetExpression(std::string text) { expression_ = std::move(text); }
  // Prepared with every line compiled, and no math error since.
  bool IsCompiled() const { return compiled_; }

 private:
  void Compile();
  void DeclareCells(expr::TExpressionParser& parser);
  void Discard();

  std::string expression_;
  std::unique_ptr<expr::TExpressionParser> parser_;
  // The cells the compiled steps read and write, held while compiled.
  std::vector<TCellRef> cells_;
  // Stand-ins for named cells without storage: they read 0 at every
  // calculation, whatever an expression wrote into them.
  std::deque<float> empty_cells_;
  bool compiled_ = false;
};

}  // namespace corvellane
