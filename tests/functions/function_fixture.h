// function_fixture.h: functions loaded from XML text through the real
// storage, with the function classes registered for each test.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "functions/function.h"
#include "functions/function_classes.h"
#include "persistence/class_registry.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"

namespace corvellane::testing {

class FunctionTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFunctionClasses(); }
  void TearDown() override { ClearClassRegistry(); }

  // The function a "function" element describes; none when it is not one.
  static Ref<IFunction> LoadFunction(std::string_view xml) {
    Ref<IHierStorageRoot> root = OpenStorageText(xml);
    return QueryInterface<IFunction>(CreateFromStorage(root.get()));
  }

  // Loaded and prepared without an owner: static cells only.
  static Ref<IFunction> Prepared(std::string_view xml, IFunctionOwner* owner = nullptr) {
    Ref<IFunction> f = LoadFunction(xml);
    if (f) f->Prepare(owner);
    return f;
  }

  // Saved into a fresh "function" element and created again from it.
  static Ref<IFunction> SavedAndReloaded(IFunction& f) {
    Ref<IHierStorageRoot> root = CreateStorage("function");
    SaveObject(&f, root.get());
    return LoadFunction(root->SaveToText());
  }
};

}  // namespace corvellane::testing
