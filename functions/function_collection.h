// function_collection.h: TFunctionCollection, functions created by type and
// filed under their names (the sub-functions of a complex function).
//
//   <functions>
//     <function name="before" type="function_sum"> ... </function>
//     <function name="after" type="function_multiply"> ... </function>
//   </functions>
//
// An unknown type, or a type that is not a function, yields no item. Names
// are unique without regard to letter case: of two functions with one name
// (two unnamed ones included) only the first is kept.
#pragma once

#include <string_view>

#include "functions/function.h"
#include "persistence/collections.h"

namespace corvellane {

struct IFunctionCollection : virtual ICollection {
  virtual Ref<IFunction> GetFunction(const Variant& key) = 0;
  virtual Ref<IFunction> GetFunctionAt(int index) = 0;
  virtual Ref<IFunction> GetFunctionByName(std::string_view name) = 0;
  // False when the function is none or its name is taken.
  virtual bool AddFunction(Ref<IFunction> function) = 0;
};

class TFunctionCollection : public TTypedCreationPersistItemCollection,
                            public virtual IFunctionCollection {
 public:
  void Init() override;
  // Only functions are filed.
  bool AddItem(Ref<IObject> item) override;

  Ref<IFunction> GetFunction(const Variant& key) override { return GetItemAs<IFunction>(key); }
  Ref<IFunction> GetFunctionAt(int index) override { return GetFunction(Variant(index)); }
  Ref<IFunction> GetFunctionByName(std::string_view name) override { return GetFunction(Variant(name)); }
  bool AddFunction(Ref<IFunction> function) override;

  // Every function, in collection order.
  template <class Visit>
  void ForEachFunction(Visit&& visit) {
    for (int i = 0; i < Count(); ++i)
      if (Ref<IFunction> function = GetFunctionAt(i)) visit(*function);
  }
};

}  // namespace corvellane
