#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/collections.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "tests/persistence/object_model_fixtures.h"

namespace corvellane::testing {
namespace {

using CollectionTest = ObjectModelTest;

std::vector<std::string> ItemNames(TPersistCollection& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(ItemName(list.GetItem(Variant(i)).get()));
  return names;
}

Ref<TTestWidget> WidgetOf(TPersistCollection& list, const Variant& key) { return list.GetItemAs<TTestWidget>(key); }

TEST_F(CollectionTest, TypedItemsLoadInOrderSkippingUnknownTypesAndLaterDuplicates) {
  auto root = OpenStorageText(R"(<widgets name="list">
      <widget type="test_widget" name="a" caption="first a"/>
      <widget type="not_registered" name="b"/>
      <widget name="typeless"/>
      <other type="test_widget" name="ignored"/>
      <widget type="test_widget_alias" name="c"/>
      <widget type="test_widget" name="A" caption="second a"/>
      <widget type="plain_object" name="plain"/>
    </widgets>)");
  auto list = CreateObject<TTestWidgetList>();
  list->LoadFrom(root.get());
  EXPECT_EQ(list->GetName(), "list");
  // A non-persistable item is still filed; it just loads nothing.
  EXPECT_EQ(ItemNames(*list), (std::vector<std::string>{"a", "c", "plain"}));
  EXPECT_EQ(WidgetOf(*list, Variant("A"))->caption, "first a");
  EXPECT_EQ(list->IndexOf("C"), 1);
  EXPECT_TRUE(list->Contains("PLAIN"));
}

TEST_F(CollectionTest, AFailingItemDoesNotStopTheOthers) {
  auto root = OpenStorageText(R"(<widgets>
      <widget type="test_widget" name="a"/>
      <widget type="test_widget" name="bad" explode="yes"/>
      <widget type="test_widget" name="c"/>
    </widgets>)");
  auto list = CreateObject<TTestWidgetList>();
  list->LoadFrom(root.get());
  EXPECT_EQ(ItemNames(*list), (std::vector<std::string>{"a", "c"}));
}

TEST_F(CollectionTest, LoadingAddsToThePresentItems) {
  auto list = CreateObject<TTestFixedWidgetList>();
  list->LoadFrom(OpenStorageText(R"(<widgets><widget name="a"/></widgets>)").get());
  list->LoadFrom(OpenStorageText(R"(<widgets><widget name="b"/><widget name="a" caption="new"/></widgets>)").get());
  EXPECT_EQ(ItemNames(*list), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(WidgetOf(*list, Variant(0))->caption, "");
}

TEST_F(CollectionTest, StaticCreationMakesEveryItemOfTheItemClass) {
  auto list = CreateObject<TTestFixedWidgetList>();
  list->LoadFrom(OpenStorageText(R"(<widgets><widget name="x" type="plain_object" volume="3"/></widgets>)").get());
  auto item = WidgetOf(*list, Variant("x"));
  ASSERT_TRUE(item);
  EXPECT_EQ(item->volume, 3);
  EXPECT_EQ(item->GetTypeName(), "test_widget");
}

TEST_F(CollectionTest, SaveWritesStoredItemsOnly) {
  auto list = CreateObject<TTestWidgetList>("\\name=list");
  for (const char* name : {"a", "hidden", "b"}) {
    auto widget = CreateObject<TTestWidget>();
    widget->SetName(name);
    widget->SetStored(std::string(name) != "hidden");
    list->AddItem(widget);
  }
  list->AddItem(CreateObject<TPlainObject>("\\name=plain"));
  auto root = CreateStorage("screen");
  ASSERT_TRUE(SaveChild(list.get(), root.get(), ""));
  auto saved = root->GetChild("widgets", 0);
  ASSERT_TRUE(saved);
  EXPECT_EQ(Value(saved.get(), "name"), "list");
  EXPECT_EQ(Value(saved.get(), "type"), "test_widget_list");
  ASSERT_EQ(saved->GetChildCount("widget"), 2);
  EXPECT_EQ(saved->GetChildCount(""), 2);  // the removed children leave nothing behind
  EXPECT_EQ(Value(saved->GetChild("widget", 1).get(), "name"), "b");

  auto reloaded = CreateObject<TTestWidgetList>();
  reloaded->LoadFrom(saved.get());
  EXPECT_EQ(ItemNames(*reloaded), (std::vector<std::string>{"a", "b"}));
}

TEST_F(CollectionTest, DeleteClearAndCleanup) {
  auto list = CreateObject<TTestWidgetList>();
  for (const char* name : {"a", "b", "c", "d"}) list->AddItem(CreateObject<TTestWidget>(std::string("\\name=") + name));
  EXPECT_FALSE(list->AddItem(CreateObject<TTestWidget>("\\name=B")));
  EXPECT_FALSE(list->AddItem(nullptr));
  list->DeleteItem(Variant(0));
  list->DeleteItem(Variant("C"));
  list->DeleteItem(Variant(10));
  EXPECT_EQ(ItemNames(*list), (std::vector<std::string>{"b", "d"}));
  EXPECT_THROW(list->DeleteItem(Variant("zzz")), EElHashListError);
  list->Cleanup();
  EXPECT_EQ(list->Count(), 0);
}

TEST_F(CollectionTest, CleanupBreaksCyclesThroughItems) {
  // An item that holds its collection keeps both alive until Cleanup.
  struct TBackLinkedWidget : TTestWidget {
    Ref<IObject> owner;
  };
  auto list = CreateObject<TTestWidgetList>();
  auto item = CreateObject<TBackLinkedWidget>("\\name=child");
  item->owner = Ref<IObject>(list.get());
  list->AddItem(item);
  item = nullptr;
  list->Cleanup();  // without it, the leak checker reports both objects
  EXPECT_EQ(list->Count(), 0);
}

TEST(PlainCollection, KeepsTypedReferences) {
  auto collection = MakeRef<TCollection<INamedObject>>();
  auto widget = CreateObject<TPersistObject>("\\name=w");
  EXPECT_TRUE(collection->AddItem("w", widget));
  EXPECT_FALSE(collection->AddItem("W", widget));
  EXPECT_EQ(collection->GetItem(Variant("w")), Ref<INamedObject>(widget));
  EXPECT_EQ(collection->GetItem(Variant(1)), nullptr);
  collection->DeleteItem(Variant("w"));
  EXPECT_FALSE(collection->Contains("w"));
}

}  // namespace
}  // namespace corvellane::testing
