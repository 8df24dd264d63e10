#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/object_io.h"
#include "persistence/param_string.h"
#include "persistence/params.h"
#include "persistence/storage.h"
#include "tests/persistence/object_model_fixtures.h"

namespace corvellane::testing {
namespace {

using ParamsTest = ObjectModelTest;

std::vector<std::pair<std::string, std::string>> Contents(IParamCollection& params) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int i = 0; i < params.Count(); ++i) {
    Ref<IParam> p = params.GetParam(Variant(i));
    pairs.emplace_back(p->GetName(), p->GetParamValue().ToText());
  }
  return pairs;
}
using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(ParamString, ItemsValuesAndBraces) {
  struct Case {
    const char* text;
    Pairs pairs;
  };
  const Case cases[] = {
      {"\\a=1\\b={x=2\\y=3}\\\\c = 4 ", {{"a", "1"}, {"b", "x=2\\y=3"}, {"c", "4"}}},
      {"\\file={data\\ini\\a.ini}", {{"file", "data\\ini\\a.ini"}}},
      {"\\file=data\\ini\\a.ini", {{"file", "data"}}},
      {"\\a=b=c\\noequals\\", {{"a", "b=c"}}},
      {"\\a={x{y}z}\\b=2", {{"a", "x{y}z"}, {"b", "2"}}},
      {"\\a={open\\b=2", {{"a", "{open"}, {"b", "2"}}},
      {"  \\param=Score\\param=Player\t", {{"param", "Score"}, {"param", "Player"}}},
  };
  for (const Case& c : cases) {
    Pairs got;
    for (const ParamPair& p : ParseParamString(c.text)) got.emplace_back(p.key, p.value);
    EXPECT_EQ(got, c.pairs) << c.text;
  }
  EXPECT_EQ(FindParam("\\File={a\\b}\\file=c", "FILE"), "a\\b");
  EXPECT_EQ(FindParam("\\a=1", "b"), std::nullopt);
}

// ---- parameter collections ----

TEST_F(ParamsTest, CreationParametersMakeOneParameterPerKey) {
  auto params = CreateObject<TParamCollection>("\\param=Score\\param=Player\\name=list\\count=3");
  EXPECT_EQ(params->GetName(), "list");
  EXPECT_EQ(Contents(*params), (Pairs{{"param", "Player"}, {"name", "list"}, {"count", "3"}}));
  EXPECT_EQ(params->GetNamedValue("COUNT", Variant(0)), Variant("3"));
}

TEST_F(ParamsTest, LookupsAndFailures) {
  auto params = CreateObject<TParamCollection>("\\a=1");
  EXPECT_EQ(params->GetNamedValue("missing", Variant(5)), Variant(5));
  EXPECT_FALSE(params->GetParam(Variant("missing")));
  EXPECT_FALSE(params->GetParam(Variant(1)));
  EXPECT_FALSE(params->GetParam(Variant(true)));
  EXPECT_FALSE(params->GetParam(Variant()));
  EXPECT_TRUE(params->GetParam(Variant(0)));

  auto taken = CreateObject<TParam>("\\name=A");
  taken->SetParamValue(Variant(2));
  EXPECT_FALSE(params->AddParam(taken));
  EXPECT_EQ(params->GetNamedValue("a", Variant()), Variant("1"));
  EXPECT_FALSE(params->AddParam(nullptr));

  params->SetNamedValue("A", Variant(7));
  EXPECT_EQ(Contents(*params), (Pairs{{"a", "7"}}));
}

TEST_F(ParamsTest, LoadingSetsValuesByNameLastWins) {
  auto root = OpenStorageText(R"(<params name="p">
      <param name="volume" value="10"/>
      <param name="Volume" value="20"/>
      <param value="nameless"/>
      <other name="x" value="y"/>
    </params>)");
  auto params = CreateObject<TParamCollection>("\\keep=me");
  params->LoadFrom(root.get());
  EXPECT_EQ(params->GetName(), "p");
  EXPECT_EQ(Contents(*params), (Pairs{{"keep", "me"}, {"volume", "20"}, {"", "nameless"}}));
  EXPECT_TRUE(params->GetNamedValue("volume", Variant()).IsText());
}

TEST_F(ParamsTest, SavingWritesEveryParameterAsText) {
  auto params = CreateObject<TParamCollection>("\\name=p");
  params->SetNamedValue("score", Variant(1500));
  params->SetNamedValue("ratio", Variant(0.5));
  params->SetNamedValue("on", Variant(true));
  params->SetNamedValue("empty", Variant());
  auto root = CreateStorage("profile");
  ASSERT_TRUE(SaveChild(params.get(), root.get(), ""));
  auto saved = root->GetChild("params", 0);
  ASSERT_TRUE(saved);
  ASSERT_EQ(saved->GetChildCount("param"), 5);
  auto fourth = saved->GetChild("param", 3);
  EXPECT_EQ(ValueNames(fourth.get()), (std::vector<std::string>{"name", "value"}));
  EXPECT_EQ(Value(fourth.get(), "value"), "True");

  auto reloaded = CreateObject<TParamCollection>();
  reloaded->LoadFrom(saved.get());
  EXPECT_EQ(Contents(*reloaded), (Pairs{{"name", "p"}, {"score", "1500"}, {"ratio", "0.5"}, {"on", "True"}, {"empty", ""}}));
}

TEST_F(ParamsTest, SingleParamLoadsAndSavesItsValue) {
  auto param = CreateObject<TParam>();
  param->LoadFrom(OpenStorageText(R"(<param name="n" value="42"/>)").get());
  EXPECT_EQ(param->GetName(), "n");
  EXPECT_EQ(param->GetParamValue(), Variant("42"));
  param->SetParamValue(Variant());
  auto node = CreateStorage("param");
  param->SaveTo(node.get());
  EXPECT_EQ(ValueNames(node.get()), (std::vector<std::string>{"name", "value"}));
  EXPECT_EQ(param->GetStorageName(), "param");
}

TEST_F(ParamsTest, CopyAndClone) {
  auto source = CreateObject<TParamCollection>("\\a=1\\b=2");
  auto target = CreateObject<TParamCollection>("\\B=old\\c=3");
  CopyParams(source.get(), target.get());
  EXPECT_EQ(Contents(*target), (Pairs{{"B", "2"}, {"c", "3"}, {"a", "1"}}));
  Ref<IParamCollection> clone = CloneParams(source.get());
  ASSERT_TRUE(clone);
  EXPECT_EQ(Contents(*clone), (Pairs{{"a", "1"}, {"b", "2"}}));
  // The clone's parameters are its own.
  clone->SetNamedValue("a", Variant("changed"));
  EXPECT_EQ(source->GetNamedValue("a", Variant()), Variant("1"));
  EXPECT_FALSE(CloneParams(nullptr));
}

// ---- replacement sets ----

TEST_F(ParamsTest, ReplacementSetReplacesStoredValues) {
  struct Case {
    const char* stored;
    const char* loaded;
    bool set_keeps_caption;
  };
  for (const Case& c : {Case{"B", "A", true}, Case{"A", "A", false}}) {
    auto set = GlobalReplaceableObjectParams()->GetOrCreateEntry("G-1", true);
    set->SetNamedValue("caption", Variant("A"));
    auto node = OpenStorageText(std::string(R"(<widget _object_guid="G-1" volume="3" caption=")") + c.stored + "\"/>");
    auto widget = CreateObject<TTestWidget>();
    widget->LoadFrom(node.get());
    EXPECT_EQ(widget->caption, c.loaded);
    EXPECT_EQ(widget->volume, 3);
    EXPECT_EQ(widget->GetObjectGuid(), "G-1");
    EXPECT_EQ(set->Contains("caption"), c.set_keeps_caption) << c.stored;
    GlobalReplaceableObjectParams()->ClearItems();
  }
}

TEST_F(ParamsTest, WithoutASetTheStoredValuesLoad) {
  GlobalReplaceableObjectParams()->GetOrCreateEntry("other", true)->SetNamedValue("caption", Variant("A"));
  auto widget = CreateObject<TTestWidget>();
  widget->LoadFrom(OpenStorageText(R"(<widget _object_guid="G-2" caption="B"/>)").get());
  EXPECT_EQ(widget->caption, "B");
}

TEST_F(ParamsTest, SubObjectsAreNotReplaced) {
  GlobalReplaceableObjectParams()->GetOrCreateEntry("G-3", true)->SetNamedValue("caption", Variant("A"));
  auto root = OpenStorageText(R"(<widgets _object_guid="G-3">
      <widget type="test_widget" name="w" caption="B"/>
    </widgets>)");
  auto list = CreateObject<TTestWidgetList>();
  list->LoadFrom(root.get());
  auto item = list->GetItemAs<TTestWidget>(Variant("w"));
  ASSERT_TRUE(item);
  EXPECT_EQ(item->caption, "B");
}

TEST_F(ParamsTest, ReplacementSetAsStorage) {
  auto global = GlobalReplaceableObjectParams();
  EXPECT_FALSE(global->GetOrCreateEntry("", true));
  EXPECT_FALSE(global->GetOrCreateEntry("G-4", false));
  auto set = global->GetOrCreateEntry("G-4", true);
  EXPECT_EQ(global->GetOrCreateEntry("g-4", true), set);
  EXPECT_EQ(global->Count(), 1);
  set->SetNamedValue("volume", Variant("9"));

  Ref<IHierStorage> node = OpenStorageText(R"(<widget caption="c" volume="1"><child/></widget>)");
  Ref<IHierStorage> wrapped = global->WrapStorage("G-4", node);
  ASSERT_NE(wrapped, node);
  EXPECT_EQ(wrapped->GetNodeName(), "G-4");
  EXPECT_EQ(wrapped->GetValue("volume", Variant()), Variant("9"));
  EXPECT_EQ(wrapped->GetValue("caption", Variant()), Variant("c"));
  EXPECT_EQ(wrapped->GetValue("missing", Variant("dflt")), Variant("dflt"));
  EXPECT_EQ(wrapped->GetChildCount("child"), 1);
  wrapped->SetContent(Variant("<x/>"));
  EXPECT_EQ(node->GetChildCount("x"), 0);
  wrapped->SetValue("added", Variant("v"));
  EXPECT_EQ(Value(node.get(), "added"), "v");

  EXPECT_EQ(global->WrapStorage("G-5", node), node);
  EXPECT_EQ(global->WrapStorage("", node), node);
}

TEST_F(ParamsTest, GlobalSetsLoadFromTheGameElement) {
  auto game = OpenStorageText(R"(<game name="Game">
      <replaceable>
        <params name="G-6"><param name="caption" value="Replaced"/></params>
        <params name="G-7"><param name="volume" value="4"/></params>
        <params name="g-6"><param name="caption" value="Dropped"/></params>
      </replaceable>
      <screens/>
    </game>)");
  ASSERT_TRUE(LoadChild(GlobalReplaceableObjectParams().get(), game.get(), "", 0));
  auto global = GlobalReplaceableObjectParams();
  EXPECT_EQ(global->Count(), 2);
  auto set = global->GetEntry(Variant("G-6"));
  ASSERT_TRUE(set);
  EXPECT_EQ(set->GetNamedValue("caption", Variant()), Variant("Replaced"));

  auto widget = CreateObject<TTestWidget>();
  widget->LoadFrom(OpenStorageText(R"(<widget _object_guid="G-6" caption="Stored"/>)").get());
  EXPECT_EQ(widget->caption, "Replaced");
}

TEST_F(ParamsTest, ReleasingTheGlobalSetsStartsAfresh) {
  GlobalReplaceableObjectParams()->GetOrCreateEntry("G-8", true);
  ReleaseGlobalReplaceableObjectParams();
  EXPECT_EQ(GlobalReplaceableObjectParams()->Count(), 0);
}

}  // namespace
}  // namespace corvellane::testing
