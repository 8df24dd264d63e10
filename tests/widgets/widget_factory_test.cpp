// Widget factories: macro expansion (with values escaped as XML), creation
// with and without macros, lookup up the chain of groups, and what saving a
// group keeps of factories and of the widgets they made.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/params.h"
#include "persistence/storage.h"
#include "tests/widgets/group_fixture.h"
#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/group_widget.h"
#include "widgets/widget_factory.h"
#include "widgets/widget_factory_collection.h"

namespace corvellane::testing {
namespace {

Ref<IParamCollection> Params(std::vector<std::pair<std::string, Variant>> values) {
  Ref<IParamCollection> params = CreateObject<TParamCollection>();
  for (const auto& [name, value] : values) params->SetNamedValue(name, value);
  return params;
}

Ref<TWidgetFactory> FactoryFromXml(std::string_view element_xml) {
  Ref<IHierStorageRoot> doc = OpenStorageText(element_xml);
  Ref<TWidgetFactory> factory = CreateObject<TWidgetFactory>();
  factory->LoadFrom(doc.get());
  return factory;
}

Ref<TWidgetFactory> Factory(std::string_view widget_string, bool use_macros = true) {
  Ref<TWidgetFactory> factory = CreateObject<TWidgetFactory>();
  factory->SetWidgetString(widget_string);
  factory->SetUseMacros(use_macros);
  return factory;
}

class WidgetFactoryTest : public ::testing::Test {
 public:
  WidgetFactoryTest() { RegisterContainerTestClasses(); }
  ~WidgetFactoryTest() override { screen->DetachRoot(); }

  void Load(std::string_view element_xml) {
    Ref<IWidget> root = WidgetFromXml(element_xml);
    ASSERT_TRUE(root) << "the root element did not load";
    screen->SetRoot(root);
  }
  // What the widget at the path gets when it asks its owner for a factory.
  Ref<IWidget> AskFrom(std::string_view path, std::string_view factory, IParamCollection* params = nullptr) {
    Ref<IWidget> asking = screen->Root()->FindWidget(path);
    EXPECT_TRUE(asking && asking->GetOwner()) << path;
    return asking && asking->GetOwner() ? asking->GetOwner()->CreateFromFactory(factory, params) : nullptr;
  }

  Ref<TTestScreen> screen = MakeRef<TTestScreen>();
};

// --- Macro expansion ------------------------------------------------------------

struct ExpansionCase {
  const char* what;
  const char* text;
  std::vector<std::pair<std::string, Variant>> params;
  const char* expected;
};

TEST(WidgetFactoryMacros, ExpandParametersInCollectionOrder) {
  const std::vector<ExpansionCase> cases = {
      {"every occurrence", "%x%,%x%;%y%", {{"x", Variant(12)}, {"y", Variant("b")}}, "12,12;b"},
      {"unmatched macros stay", "%x% %other% 100%", {{"x", Variant(1.5)}}, "1.5 %other% 100%"},
      {"case-sensitive names", "%Name% %name%", {{"name", Variant("n")}}, "%Name% n"},
      {"later parameters see earlier values", "%a%", {{"a", Variant("%b%")}, {"b", Variant("B")}}, "B"},
      {"a value is not expanded again by itself", "%a%", {{"a", Variant("%a%%a%")}}, "%a%%a%"},
  };
  for (const ExpansionCase& c : cases) {
    Ref<TWidgetFactory> factory = Factory(c.text);
    EXPECT_EQ(factory->ExpandMacros(Params(c.params).get()), c.expected) << c.what;
  }
  EXPECT_EQ(Factory("%x% <a/>")->ExpandMacros(nullptr), "%x% <a/>");
}

TEST(WidgetFactoryMacros, ValuesAreEscapedSoTheyCannotBreakOrAddMarkup) {
  Ref<TWidgetFactory> factory = Factory("<w a=\"%v%\" b='%v%'>%v%</w>");
  EXPECT_EQ(factory->ExpandMacros(Params({{"v", Variant("<\"it's\" & >")}}).get()),
            "<w a=\"&lt;&quot;it&apos;s&quot; &amp; &gt;\" b='&lt;&quot;it&apos;s&quot; &amp; &gt;'>"
            "&lt;&quot;it&apos;s&quot; &amp; &gt;</w>");
}

// --- Creating widgets -----------------------------------------------------------------

TEST(WidgetFactoryCreate, AValueWithQuotesAndMarkupArrivesAsItselfInTheWidget) {
  RegisterContainerTestClasses();
  const std::vector<std::string> hostile = {
      R"(a" visible="yes)",
      R"(x"/><widget type="test_box" name="injected)",
      "O'Brien & <Sons>",
      "line\none\ttab",
  };
  Ref<TWidgetFactory> double_quoted = Factory(R"(<widget type="test_box" name="%name%" width="4"/>)");
  Ref<TWidgetFactory> single_quoted = Factory(R"(<widget type='test_box' name='%name%' width='4'/>)");
  for (const std::string& value : hostile) {
    for (TWidgetFactory* factory : {double_quoted.get(), single_quoted.get()}) {
      Ref<IWidget> made = factory->CreateWidget(Params({{"name", Variant(value)}}).get());
      ASSERT_TRUE(made) << value;
      EXPECT_EQ(made->GetName(), value);
      EXPECT_FALSE(made->IsVisible()) << "an attribute was injected by " << value;
    }
  }
}

TEST(WidgetFactoryCreate, AValueCannotAddChildrenToATemplateGroup) {
  RegisterContainerTestClasses();
  Ref<TWidgetFactory> factory = Factory(R"(<widget type="group_widget" name="g"><widgets>
      <widget type="test_box" name="%name%"/><widget type="test_box" name="tail"/></widgets></widget>)");
  const std::string value = R"(x"/><widget type="test_box" name="injected"/><widget type="test_box" name="y)";
  Ref<IWidget> group = factory->CreateWidget(Params({{"name", Variant(value)}}).get());
  ASSERT_TRUE(group);
  ASSERT_EQ(group->GetWidgets()->Count(), 2);
  EXPECT_EQ(group->GetWidgets()->GetWidgetAt(0)->GetName(), value);
  EXPECT_FALSE(group->FindWidget("injected"));
}

TEST(WidgetFactoryCreate, TheTemplateLoadsKeysAndChildrenAndTheWidgetIsUnattachedAndNotStored) {
  RegisterContainerTestClasses();
  Ref<TWidgetFactory> factory = Factory(R"(<widget type="group_widget" name="%name%" visible="yes"
      anchor_left="%x%"><widgets><widget type="test_box" name="box" width="%w%" height="2"/></widgets></widget>)");
  Ref<IWidget> made = factory->CreateWidget(Params({{"name", "burst"}, {"x", 30}, {"w", 5}}).get());
  ASSERT_TRUE(made);
  EXPECT_EQ(made->GetName(), "burst");
  EXPECT_TRUE(made->IsVisible());
  EXPECT_EQ(made->GetAnchorLeft(), 30.0);
  ASSERT_TRUE(made->FindWidget("box"));
  EXPECT_EQ(made->FindWidget("box")->GetWidth(), 5);
  EXPECT_EQ(made->GetOwner(), nullptr);
  EXPECT_FALSE(dynamic_cast<IPersistObject&>(*made).IsStored());
}

TEST(WidgetFactoryCreate, TemplatesThatMakeNoWidgetGiveNone) {
  RegisterContainerTestClasses();
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"empty text", ""},
      {"not XML", "just words"},
      {"unclosed element", R"(<widget type="test_box" name="a">)"},
      {"unknown type", R"(<widget type="no_such_widget" name="a"/>)"},
      {"no type", R"(<widget name="a"/>)"},
      {"a type that is not a widget", R"(<widget type="WidgetFactory" name="a"/>)"},
      {"a macro left in the XML syntax", R"(<widget type="test_box" %attrs%/>)"},
  };
  for (const auto& [what, text] : cases) {
    EXPECT_FALSE(Factory(text)->CreateWidget(nullptr)) << what;
    EXPECT_FALSE(Factory(text, false)->CreateWidget(nullptr)) << what << " (parsed once)";
  }
}

TEST(WidgetFactoryCreate, ATemplateThatMakesNoWidgetIsReportedWithTheFactorysName) {
  RegisterContainerTestClasses();
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"", "no element"},
      {"just words", "no element"},
      {R"(<widget type="test_box" name="a">)", "does not parse"},
      {R"(<widget type="WidgetFactory" name="a"/>)", "makes no widget"},
  };
  for (const auto& [text, reason] : cases) {
    SCOPED_TRACE(text);
    Ref<TWidgetFactory> factory = Factory(text);
    factory->SetName("sparkle");
    TLogCapture log;
    factory->CreateWidget(nullptr);
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_EQ(log.Count("widget factory \"sparkle\""), 1);
    EXPECT_EQ(log.Count(reason), 1) << log.Lines()[0];
  }
}

TEST(WidgetFactoryCreate, WithoutMacrosEachCallLoadsANewWidgetAndRedefinedParamsApply) {
  RegisterContainerTestClasses();
  Ref<TWidgetFactory> factory = Factory(R"(<widget type="test_box" name="%name%" width="3" height="3"/>)", false);
  factory->SetRedefinedParams(R"(\ignored_key=anchor_left\w=width\broken=height\t=anchor_top)");
  Ref<IParamCollection> params = Params({{"name", "n"}, {"anchor_left", 12}, {"width", 7}, {"height", "tall"},
                                         {"anchor_top", 4}});

  Ref<IWidget> first = factory->CreateWidget(params.get());
  Ref<IWidget> second = factory->CreateWidget(nullptr);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(first->GetName(), "%name%");  // macros are not expanded in this mode
  EXPECT_EQ(first->GetAnchorLeft(), 12.0);
  EXPECT_EQ(first->GetWidth(), 7);
  EXPECT_EQ(first->GetHeight(), 3);  // an entry that cannot be applied is skipped
  EXPECT_EQ(first->GetAnchorTop(), 4.0);
  // Without parameters nothing is redefined; the second widget is untouched by the first.
  EXPECT_EQ(second->GetAnchorLeft(), 0.0);
  EXPECT_EQ(second->GetWidth(), 3);
}

TEST(WidgetFactoryCreate, ANewWidgetStringReplacesTheParsedTemplate) {
  RegisterContainerTestClasses();
  Ref<TWidgetFactory> factory = Factory(R"(<widget type="test_box" name="old"/>)", false);
  ASSERT_TRUE(factory->CreateWidget(nullptr));
  factory->SetWidgetString(R"(<widget type="test_box" name="new"/>)");
  EXPECT_EQ(factory->CreateWidget(nullptr)->GetName(), "new");
}

// --- Loading and saving a factory ----------------------------------------------------

TEST(WidgetFactoryStorage, TheWidgetStringIsTheTextOfItsChildInEveryWrittenForm) {
  RegisterContainerTestClasses();
  const std::vector<const char*> forms = {
      R"(<widgetfactory name="f">
           <widgetstring>&lt;widget type="test_box" name="%n%"/&gt;</widgetstring></widgetfactory>)",
      R"(<widgetfactory name="f">
           <widgetstring><![CDATA[<widget type="test_box" name="%n%"/>]]></widgetstring></widgetfactory>)",
      R"(<widgetfactory name="f">
           <widgetstring><widget type="test_box" name="%n%"/></widgetstring></widgetfactory>)",
  };
  for (const char* form : forms) {
    Ref<TWidgetFactory> factory = FactoryFromXml(form);
    EXPECT_EQ(factory->GetName(), "f");
    EXPECT_TRUE(factory->GetUseMacros());
    Ref<IWidget> made = factory->CreateWidget(Params({{"n", "made"}}).get());
    ASSERT_TRUE(made) << form;
    EXPECT_EQ(made->GetName(), "made");
  }
}

TEST(WidgetFactoryStorage, SavedFactoryReadsBackAndWritesUseMacrosOnlyWhenOff) {
  RegisterContainerTestClasses();
  Ref<TWidgetFactory> factory = FactoryFromXml(R"(<widgetfactory name="f" usemacros="no" redefinedparams="\a=width">
      <widgetstring><![CDATA[<widget type="test_box" name="b"/>]]></widgetstring></widgetfactory>)");
  const std::string saved = SavedXml(*factory);
  EXPECT_NE(saved.find(R"(usemacros="no")"), std::string::npos) << saved;
  Ref<TWidgetFactory> again = FactoryFromXml(saved);
  EXPECT_EQ(again->GetWidgetString(), factory->GetWidgetString());
  EXPECT_FALSE(again->GetUseMacros());
  EXPECT_EQ(again->GetRedefinedParams(), R"(\a=width)");

  again->SetUseMacros(true);
  EXPECT_EQ(SavedXml(*again).find("usemacros"), std::string::npos);
}

// --- Lookup through the owner chain ------------------------------------------------

// Templates written straight into "widgetstring" as markup, the shortest form.
constexpr const char* kNestedTree = R"(<widget type="group_widget" name="root" visible="yes">
  <widgetfactories>
    <widgetfactory type="WidgetFactory" name="spark">
      <widgetstring><widget type="test_box" name="outer_%n%"/></widgetstring>
    </widgetfactory>
    <widgetfactory type="WidgetFactory" name="broken">
      <widgetstring><widget type="test_box" name="outer_broken"/></widgetstring>
    </widgetfactory>
    <widgetfactory type="WidgetFactory" name="top_only">
      <widgetstring><widget type="test_box" name="from_top"/></widgetstring>
    </widgetfactory>
  </widgetfactories>
  <widgets>
    <widget type="group_widget" name="inner" visible="yes">
      <widgetfactories>
        <widgetfactory type="WidgetFactory" name="spark">
          <widgetstring><widget type="test_box" name="inner_%n%"/></widgetstring>
        </widgetfactory>
        <widgetfactory type="WidgetFactory" name="broken">
          <widgetstring><widget type="no_such_widget"/></widgetstring>
        </widgetfactory>
      </widgetfactories>
      <widgets><widget type="test_box" name="asker"/></widgets>
    </widget>
    <widget type="test_box" name="sibling"/>
  </widgets>
</widget>)";

TEST_F(WidgetFactoryTest, TheNearestGroupAnswersAndFartherOnesWhenItMakesNothing) {
  Load(kNestedTree);
  Ref<IParamCollection> params = Params({{"n", "1"}});
  struct Case {
    const char* asker;
    const char* factory;
    const char* made;  // nullptr: no widget
  } cases[] = {
      {"inner/asker", "spark", "inner_1"},         // the nearer definition hides the farther
      {"sibling", "spark", "outer_1"},             // outside the inner group only the root's is seen
      {"inner/asker", "broken", "outer_broken"},   // the nearer one makes nothing: the outer one is tried
      {"inner/asker", "top_only", "from_top"},     // visible to everything below the group
      {"inner/asker", "SPARK", "inner_1"},         // factory names are looked up like item names
      {"inner/asker", "nowhere", nullptr},
  };
  for (const Case& c : cases) {
    Ref<IWidget> made = AskFrom(c.asker, c.factory, params.get());
    if (!c.made) {
      EXPECT_FALSE(made) << c.asker << " " << c.factory;
      continue;
    }
    ASSERT_TRUE(made) << c.asker << " " << c.factory;
    EXPECT_EQ(made->GetName(), c.made) << c.asker << " " << c.factory;
  }
}

TEST_F(WidgetFactoryTest, SavingAGroupKeepsItsFactoriesAndLeavesMadeWidgetsOut) {
  Load(kNestedTree);
  Ref<IWidget> made = AskFrom("sibling", "spark", Params({{"n", "x"}}).get());
  ASSERT_TRUE(made);
  screen->Root()->GetWidgets()->Add(made);
  ASSERT_EQ(screen->Root()->FindWidget("outer_x"), made);

  const std::string saved = SavedXml(dynamic_cast<IPersistable&>(*screen->Root()));
  EXPECT_EQ(saved.find("outer_x"), std::string::npos) << saved;

  Load(saved);
  EXPECT_FALSE(screen->Root()->FindWidget("outer_x"));
  Ref<IWidget> again = AskFrom("inner/asker", "spark", Params({{"n", "2"}}).get());
  ASSERT_TRUE(again);
  EXPECT_EQ(again->GetName(), "inner_2");
}

TEST_F(WidgetFactoryTest, ElementsThatAreNotFactoriesAreNotKept) {
  Load(R"(<widget type="group_widget" name="root"><widgetfactories>
      <widgetfactory type="test_box" name="box"/>
      <widgetfactory type="WidgetFactory" name="ok">
        <widgetstring>&lt;widget type="test_box"/&gt;</widgetstring>
      </widgetfactory>
    </widgetfactories></widget>)");
  auto& group = dynamic_cast<TGroupWidget&>(*screen->Root());
  EXPECT_EQ(group.GetFactories()->Count(), 1);
  EXPECT_TRUE(group.GetFactories()->GetFactory(Variant("ok")));
}

}  // namespace
}  // namespace corvellane::testing
