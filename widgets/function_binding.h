// function_binding.h: a numeric function bound to a widget's properties.
//
// The function's results (column 0, its "variables") and arguments
// (column 1, its "parameters") are named after widget properties. Each
// cycle pushes the properties into the cells, runs the function and pulls
// the variables back into the properties, so a function whose variables
// are "anchor_left" or "transparentlevel" animates them, and one with a
// cell "currenttime" sees the widget's clock.
//
//   <widget type="..." name="logo">
//     <function_widget type="function_linear_segment">
//       <paramspace><paramdefs>
//         <paramdef name="transparentlevel" col="0" static="yes"/>
//         <paramdef col="1" static="yes" value="0"/>
//         <paramdef col="1" static="yes" value="255"/>
//         <paramdef name="currenttime" col="1" static="yes"/>
//         <paramdef col="1" static="yes" value="500"/>
//       </paramdefs></paramspace>
//     </function_widget>
//   </widget>
//
//   binding.Load(node);
//   binding.Bind();  binding.ResetCycle(widget);  binding.EvaluateCycle(widget);
//   ... every advance: binding.EvaluateCycle(widget);
//   binding.Unbind();
//
// The function has no function owner: its cells are its own (static), and
// the widget's values reach them only through the push. Properties that are
// empty, null or not numbers leave their cells as they are.
#pragma once

#include "functions/function.h"
#include "persistence/object.h"
#include "persistence/storage.h"

namespace corvellane {

class TFunctionBinding {
 public:
  // The function of the "function_widget" child, created by its type; none
  // (and any previous one kept) when there is no such child or it is no function.
  void Load(IHierStorage* node);
  void Save(IHierStorage* node);

  const Ref<IFunction>& GetFunction() const { return function_; }
  void SetFunction(Ref<IFunction> function);

  // Prepares the function afresh, without a function owner.
  void Bind();
  void Unbind();
  // Push, the function's preparation, pull.
  void ResetCycle(IPropertyObject& widget);
  // Push, Calculate, pull.
  void EvaluateCycle(IPropertyObject& widget);
  // Unbinds and lets the function go (widget cleanup).
  void Release();

 private:
  void Push(IPropertyObject& widget, int col);
  void Pull(IPropertyObject& widget);

  Ref<IFunction> function_;
};

}  // namespace corvellane
