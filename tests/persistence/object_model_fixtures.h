// object_model_fixtures.h: small persistent classes and helpers shared by the
// object model tests.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "persistence/class_registry.h"
#include "persistence/collections.h"
#include "persistence/object.h"
#include "persistence/params.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane::testing {

// A property object with two typed properties, stored as element "widget".
// An element carrying explode="yes" makes loading fail with an exception.
class TTestWidget : public TPropertyObject {
 public:
  std::string caption;
  int volume = 0;

  void Init() override {
    TPropertyObject::Init();
    SetStorageName("widget");
  }
  void LoadProperties(IHierStorage* node) override {
    TPropertyObject::LoadProperties(node);
    if (ReadBool(node, "explode", false)) throw std::runtime_error("malformed widget");
    caption = ReadText(node, "caption");
    volume = ReadInt(node, "volume", 0);
  }
  void SaveProperties(IHierStorage* node) override {
    TPropertyObject::SaveProperties(node);
    WriteText(node, "caption", caption, !caption.empty());
    WriteInt(node, "volume", volume, volume != 0);
  }
  Variant GetProperty(std::string_view name) override {
    if (name == "caption") return Variant(caption);
    return TPropertyObject::GetProperty(name);
  }
};

// A widget list creating its items by their "type".
class TTestWidgetList : public TTypedCreationPersistItemCollection {
 public:
  void Init() override {
    TTypedCreationPersistItemCollection::Init();
    SetStorageName("widgets");
    SetItemElementName("widget");
  }
};

// A widget list whose items are all TTestWidget.
class TTestFixedWidgetList : public TStaticCreationPersistItemCollection {
 public:
  void Init() override {
    TStaticCreationPersistItemCollection::Init();
    SetStorageName("widgets");
    SetItemElementName("widget");
    SetItemClass<TTestWidget>();
  }
};

// A class that can be created but not stored.
class TPlainObject : public TNamedObject {};

// Registers the test classes for each test and empties the registry, the
// replacement sets and the external-storage cache afterwards.
class ObjectModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClass<TTestWidget>("test_widget");
    RegisterClass<TTestWidget>("test_widget_alias");
    RegisterClass<TTestWidgetList>("test_widget_list");
    RegisterClass<TPlainObject>("plain_object");
  }
  void TearDown() override {
    ClearClassRegistry();
    GlobalReplaceableObjectParams()->ClearItems();
    ClearExternalStorageCache();
  }
};

inline std::vector<std::string> ValueNames(IHierStorage* node) {
  std::vector<std::string> names;
  for (int i = 0; i < node->GetValueCount(); ++i) names.push_back(node->GetValueName(i));
  return names;
}

inline std::string Value(IHierStorage* node, std::string_view name) { return ReadText(node, name, "<absent>"); }

}  // namespace corvellane::testing
