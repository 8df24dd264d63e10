#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/class_registry.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "tests/persistence/object_model_fixtures.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

using ClassRegistryTest = ObjectModelTest;

TEST_F(ClassRegistryTest, TypeStringsCreateTheRegisteredClass) {
  struct Case {
    const char* type_string;
    bool creates;
    const char* name;
  };
  const Case cases[] = {
      {"test_widget", true, ""},
      {"TEST_Widget", true, ""},                 // letter case does not matter
      {"test_widget{name=a}", true, "a"},        // parameters after Init
      {"Test_Widget{name=a\\name=b}", true, "b"},
      {"test_widget{name=ab", true, "a"},        // the last character is dropped untested
      {"test_widget{}", true, ""},
      {"unknown_widget", false, ""},
      {"unknown_widget{name=a}", false, ""},
      {"", false, ""},
      {"{name=a}", false, ""},
  };
  for (const Case& c : cases) {
    Ref<TAbstractObject> object = CreateByType(c.type_string);
    ASSERT_EQ(object != nullptr, c.creates) << c.type_string;
    if (!object) continue;
    auto widget = QueryInterface<TTestWidget>(object);
    ASSERT_TRUE(widget) << c.type_string;
    EXPECT_EQ(widget->GetName(), c.name) << c.type_string;
    EXPECT_EQ(widget->GetStorageName(), "widget");
  }
}

TEST_F(ClassRegistryTest, FirstRegisteredNameIsTheTypeName) {
  EXPECT_EQ(TypeNameOf(typeid(TTestWidget)), "test_widget");
  EXPECT_EQ(TypeNameOf(typeid(TTestFixedWidgetList)), "");
  auto alias = QueryInterface<TTestWidget>(CreateByType("test_widget_alias"));
  ASSERT_TRUE(alias);
  EXPECT_EQ(alias->GetTypeName(), "test_widget");
  EXPECT_EQ(CreateObject<TTestFixedWidgetList>()->GetTypeName(), "");
}

TEST_F(ClassRegistryTest, ANameBelongsToOneClass) {
  EXPECT_NO_THROW(RegisterClass<TTestWidget>("TEST_WIDGET"));
  EXPECT_THROW(RegisterClass<TPlainObject>("Test_Widget"), EElHashListError);
  EXPECT_TRUE(QueryInterface<TTestWidget>(CreateByType("test_widget")));
}

// ---- creation parameters and names ----

TEST_F(ObjectModelTest, NameParameterIsExactAboutLetterCase) {
  EXPECT_EQ(CreateObject<TTestWidget>("\\name=a")->GetName(), "a");
  EXPECT_EQ(CreateObject<TTestWidget>("\\Name=a")->GetName(), "");
}

TEST_F(ObjectModelTest, CreateNamedNamesOnlyWhenGivenAName) {
  auto named = QueryInterface<INamedObject>(CreateNamed("test_widget{name=fromparams}", "given"));
  ASSERT_TRUE(named);
  EXPECT_EQ(named->GetName(), "given");
  named = QueryInterface<INamedObject>(CreateNamed("test_widget{name=fromparams}", ""));
  EXPECT_EQ(named->GetName(), "fromparams");
  EXPECT_FALSE(CreateNamed("missing", "x"));
}

TEST_F(ObjectModelTest, InitResetsThePersistentState) {
  auto widget = CreateObject<TTestWidget>();
  EXPECT_TRUE(widget->IsStored());
  EXPECT_FALSE(widget->IsTemplate());
  EXPECT_EQ(widget->GetObjectGuid(), "");
  EXPECT_EQ(widget->GetTypeName(), "test_widget");
}

TEST_F(ObjectModelTest, AssignToCopiesThePersistentState) {
  auto source = CreateObject<TTestWidget>("\\name=src");
  source->SetOutStorage("\\file={a.xml}");
  source->SetTemplate(true);
  source->SetStored(false);
  source->SetObjectGuid("guid");
  auto target = CreateObject<TTestFixedWidgetList>();
  source->AssignTo(*target);
  EXPECT_EQ(target->GetName(), "src");
  EXPECT_EQ(target->GetOutStorage(), "\\file={a.xml}");
  EXPECT_TRUE(target->IsTemplate());
  EXPECT_FALSE(target->IsStored());
  EXPECT_EQ(target->GetStorageName(), "widget");
  EXPECT_EQ(target->GetTypeName(), "test_widget");
  EXPECT_EQ(target->GetObjectGuid(), "");  // the GUID is the object's own

  auto plain = CreateObject<TPlainObject>();
  source->AssignTo(*plain);  // only the name fits
  EXPECT_EQ(plain->GetName(), "src");
}

TEST_F(ObjectModelTest, PropertiesByName) {
  auto widget = CreateObject<TTestWidget>();
  widget->SetProperty("name", Variant(12));
  widget->SetProperty("_object_guid", Variant("g-1"));
  widget->SetProperty("unknown", Variant("ignored"));
  EXPECT_EQ(widget->GetName(), "12");
  EXPECT_EQ(widget->GetProperty("_object_guid"), Variant("g-1"));
  EXPECT_TRUE(widget->GetProperty("unknown").IsNull());
  EXPECT_EQ(widget->GetPropertyOr("unknown", Variant(5)), Variant(5));
  EXPECT_EQ(widget->GetPropertyOr("caption", Variant("fallback")), Variant(""));  // empty text is a value
  EXPECT_EQ(widget->GetPropertyOr("name", Variant("fallback")), Variant("12"));
}

// ---- loading ----

TEST_F(ObjectModelTest, LoadFromReadsTheSpecialAttributesAndProperties) {
  auto root = OpenStorageText(R"(<widget name="w" caption="Hi" volume="7" template="yes" _object_guid="g"/>)");
  auto widget = CreateObject<TTestWidget>();
  widget->LoadFrom(root.get());
  EXPECT_EQ(widget->GetName(), "w");
  EXPECT_EQ(widget->caption, "Hi");
  EXPECT_EQ(widget->volume, 7);
  EXPECT_TRUE(widget->IsTemplate());
  EXPECT_EQ(widget->GetObjectGuid(), "g");
}

TEST_F(ObjectModelTest, OutStorageSuppliesMissingValues) {
  TempDir dir;
  std::string file = dir.Write("shared.xml", R"(<widget caption="Shared" volume="50"/>)");
  auto root = OpenStorageText("<screen><widget name=\"own\" volume=\"70\" _outstorage=\"\\file={" + file +
                              "}\"/></screen>");
  auto widget = CreateAndLoadChild<TTestWidget>(root.get(), "widget");
  ASSERT_TRUE(widget);
  EXPECT_EQ(widget->caption, "Shared");
  EXPECT_EQ(widget->volume, 70);
  EXPECT_EQ(widget->GetOutStorage(), "\\file={" + file + "}");
}

TEST_F(ObjectModelTest, CreateFromStorageUsesTypeAndName) {
  auto root = OpenStorageText(R"(<screen>
      <widget type="TEST_WIDGET" name="first" caption="one"/>
      <widget type="no_such_type" name="second"/>
      <widget type="plain_object" name="third"/>
    </screen>)");
  auto first = QueryInterface<TTestWidget>(CreateFromChild(root.get(), "widget", 0));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->GetName(), "first");
  EXPECT_EQ(first->caption, "one");
  EXPECT_FALSE(CreateFromChild(root.get(), "widget", 1));  // unknown type
  EXPECT_FALSE(CreateFromChild(root.get(), "widget", 2));  // not persistable
  EXPECT_FALSE(CreateFromChild(root.get(), "widget", 3));
  EXPECT_FALSE(CreateFromChild(root.get(), "widget", -1));
  EXPECT_FALSE(CreateFromStorage(nullptr));
}

TEST_F(ObjectModelTest, LoadChildSelectsByElementNameAndIndex) {
  auto root = OpenStorageText(R"(<screen><widget caption="a"/><other caption="x"/><widget caption="b"/></screen>)");
  auto widget = CreateObject<TTestWidget>();
  EXPECT_TRUE(LoadChild(widget.get(), root.get(), "", 1));  // empty: the storage name "widget"
  EXPECT_EQ(widget->caption, "b");
  EXPECT_TRUE(LoadChild(widget.get(), root.get(), "other", 0));
  EXPECT_EQ(widget->caption, "x");
  EXPECT_FALSE(LoadChild(widget.get(), root.get(), "widget", 2));
  EXPECT_FALSE(LoadChild(widget.get(), root.get(), "widget", -1));
  EXPECT_FALSE(LoadChild(CreateObject<TPlainObject>().get(), root.get(), "widget", 0));
  EXPECT_FALSE(CreateAndLoadChild<TTestWidget>(root.get(), "missing", 0));
  EXPECT_FALSE(CreateAndLoadChild<TTestWidget>(root.get(), "widget", 2));
}

// ---- saving ----

TEST_F(ObjectModelTest, SaveWritesNameTypeAndOwnPropertiesOnly) {
  auto widget = QueryInterface<TTestWidget>(CreateByType("test_widget_alias{name=w}"));
  widget->caption = "Hello";
  auto root = CreateStorage("screen");
  ASSERT_TRUE(SaveChild(widget.get(), root.get(), ""));
  auto child = root->GetChild("widget", 0);
  ASSERT_TRUE(child);
  EXPECT_EQ(ValueNames(child.get()), (std::vector<std::string>{"name", "type", "caption"}));
  EXPECT_EQ(Value(child.get(), "type"), "test_widget");  // the first registered name
}

TEST_F(ObjectModelTest, SaveResetsStaleSpecialAttributes) {
  auto node = OpenStorageText(R"(<widget template="yes" _object_guid="old" _outstorage="\file={x}" name="old"/>)");
  auto widget = CreateObject<TTestWidget>();
  widget->SaveTo(node.get());
  EXPECT_EQ(Value(node.get(), "template"), "no");
  EXPECT_EQ(Value(node.get(), "_object_guid"), "");
  EXPECT_EQ(Value(node.get(), "_outstorage"), "");
  EXPECT_EQ(Value(node.get(), "name"), "");
}

TEST_F(ObjectModelTest, SaveWritesSetSpecialAttributes) {
  auto widget = CreateObject<TTestWidget>("\\name=w");
  widget->SetObjectGuid("g-7");
  auto node = CreateStorage("widget");
  widget->SaveTo(node.get());
  EXPECT_EQ(Value(node.get(), "_object_guid"), "g-7");
  EXPECT_EQ(Value(node.get(), "template"), "<absent>");
  EXPECT_EQ(Value(node.get(), "_outstorage"), "<absent>");
}

TEST_F(ObjectModelTest, SaveChildSkipsObjectsNotToBeStored) {
  auto root = CreateStorage("screen");
  auto hidden = CreateObject<TTestWidget>();
  hidden->SetStored(false);
  EXPECT_TRUE(SaveChild(hidden.get(), root.get(), ""));
  EXPECT_EQ(root->GetChildCount("widget"), 0);
  EXPECT_FALSE(SaveChild(CreateObject<TPlainObject>().get(), root.get(), "plain"));
  auto list = CreateObject<TTestWidgetList>();
  EXPECT_TRUE(SaveChild(list.get(), root.get(), ""));
  EXPECT_EQ(root->GetChildCount("widgets"), 1);
}

TEST_F(ObjectModelTest, SaveChildNeedsAnElementName) {
  auto root = CreateStorage("screen");
  auto nameless = CreateObject<TPersistObject>();
  EXPECT_FALSE(SaveChild(nameless.get(), root.get(), ""));
  EXPECT_TRUE(SaveChild(nameless.get(), root.get(), "given"));
  EXPECT_EQ(root->GetChildCount("given"), 1);
}

TEST_F(ObjectModelTest, OutStorageWithoutTemplateSavesIntoTheExternalFile) {
  TempDir dir;
  std::string out_storage = "\\file={" + dir.File("sub/own.xml") + "}";
  auto widget = CreateObject<TTestWidget>("\\name=w");
  widget->caption = "External";
  widget->SetOutStorage(out_storage);
  auto node = CreateStorage("widget");
  widget->SaveTo(node.get());
  EXPECT_EQ(ValueNames(node.get()), (std::vector<std::string>{"_outstorage"}));
  auto written = OpenStorageText(dir.Read("sub/own.xml"));
  EXPECT_EQ(written->GetNodeName(), "widget");
  EXPECT_EQ(Value(written.get(), "caption"), "External");
  EXPECT_EQ(Value(written.get(), "name"), "w");
}

TEST_F(ObjectModelTest, ExternalFileThatCannotBeWrittenIsReported) {
  TempDir dir;
  dir.Write("blocker", "a file where a folder should be");
  auto widget = CreateObject<TTestWidget>();
  widget->SetOutStorage("\\file={" + dir.File("blocker/own.xml") + "}");
  auto node = CreateStorage("widget");
  EXPECT_THROW(widget->SaveTo(node.get()), std::runtime_error);
}

TEST_F(ObjectModelTest, TemplateSaveWritesOnlyTheDifferences) {
  TempDir dir;
  std::string out_storage = "\\file={" + dir.Write("template.xml", R"(<widget caption="Same" volume="5"/>)") + "}";
  auto widget = CreateObject<TTestWidget>();
  widget->caption = "Same";
  widget->volume = 9;
  widget->SetOutStorage(out_storage);
  widget->SetTemplate(true);
  // The node still holds a caption of its own from an earlier save.
  auto node = OpenStorageText(R"(<widget caption="Stale"/>)");
  widget->SaveTo(node.get());
  EXPECT_EQ(Value(node.get(), "volume"), "9");
  EXPECT_EQ(Value(node.get(), "template"), "yes");
  EXPECT_EQ(Value(node.get(), "_outstorage"), out_storage);
  // Equal to the template: not written, and the stale value is gone, so the
  // template's value shows through again.
  EXPECT_EQ(ValueNames(node.get()), (std::vector<std::string>{"volume", "type", "_outstorage", "template"}));
  // The cached template itself is unchanged.
  auto cached = OpenExternalStorage(out_storage);
  EXPECT_EQ(Value(cached.get(), "volume"), "5");

  auto reloaded = CreateObject<TTestWidget>();
  reloaded->LoadFrom(OpenStorageText(node->GetXml()).get());
  EXPECT_EQ(reloaded->caption, "Same");
  EXPECT_EQ(reloaded->volume, 9);
}

TEST_F(ObjectModelTest, TemplateBackToDefaultIsWritten) {
  TempDir dir;
  std::string out_storage = "\\file={" + dir.Write("template.xml", R"(<widget volume="5"/>)") + "}";
  auto widget = CreateObject<TTestWidget>();
  widget->SetOutStorage(out_storage);
  widget->SetTemplate(true);
  auto node = CreateStorage("widget");
  widget->SaveTo(node.get());
  // volume 0 is the default, but the template says 5: the 0 must be stored.
  EXPECT_EQ(Value(node.get(), "volume"), "0");
}

TEST_F(ObjectModelTest, TemplateThatCannotBeOpenedKeepsEveryValue) {
  TempDir dir;
  auto widget = CreateObject<TTestWidget>("\\name=w");
  widget->caption = "Kept";
  widget->SetOutStorage("\\file={" + dir.File("missing.xml") + "}");
  widget->SetTemplate(true);
  auto node = CreateStorage("widget");
  widget->SaveTo(node.get());
  EXPECT_EQ(Value(node.get(), "caption"), "Kept");
}

}  // namespace
}  // namespace corvellane::testing
