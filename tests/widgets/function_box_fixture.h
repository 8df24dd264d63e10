// function_box_fixture.h: a test box loaded from XML and attached as the root
// of a stand-in screen, with the function classes registered, for tests of
// functions bound to widget properties.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "functions/function_classes.h"
#include "persistence/class_registry.h"
#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"

namespace corvellane::testing {

class FunctionBoxTest : public ::testing::Test {
 protected:
  FunctionBoxTest() { RegisterFunctionClasses(); }
  ~FunctionBoxTest() override {
    screen->DetachRoot();
    ClearClassRegistry();
  }

  Ref<TTestBox> Attach(const std::string& xml) {
    Ref<TTestBox> box = LoadWidget<TTestBox>(xml);
    screen->SetRoot(box);
    return box;
  }

  Ref<TTestScreen> screen = MakeRef<TTestScreen>();
};

}  // namespace corvellane::testing
