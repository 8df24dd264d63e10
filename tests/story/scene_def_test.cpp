#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/log.h"
#include "story/category.h"
#include "story/scene_def.h"
#include "story/scene_def_ref.h"
#include "tests/story/story_fixture.h"

namespace corvellane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::DemoStoryTest;
using testing::Parse;
using testing::Saved;

class DemoScenes : public DemoStoryTest {};

TEST_F(DemoScenes, EverySceneSavesAndLoadsBackToTheSameText) {
  Ref<TSceneDefRefCollection> refs = Refs();
  ASSERT_TRUE(refs);
  ASSERT_GE(refs->Count(), 11);
  for (int i = 0; i < refs->Count(); ++i) {
    Ref<ISceneDef> def = refs->Get(Variant(i))->OpenSceneDef();
    ASSERT_TRUE(def->IsLoadedFromFile()) << refs->Get(Variant(i))->GetName();
    EXPECT_GT(def->GetObjectDefs()->Count(), 0) << def->GetName();
    EXPECT_GT(def->GetResourceDefs()->Count(), 0) << def->GetName();
    auto* persist = dynamic_cast<IPersistable*>(def.get());
    const std::string first = Saved(*persist, "scene_def");
    Ref<TSceneDef> again = Parse<TSceneDef>(first);
    EXPECT_EQ(Saved(*again, "scene_def"), first) << def->GetName();
  }
  const std::string list = refs->SaveSceneDefRefsText();
  EXPECT_EQ(Parse<TSceneDefRefCollection>(list)->SaveSceneDefRefsText(), list);
}

TEST_F(DemoScenes, TheReferenceNamesTheDefinitionAndAMissingFileGivesAnEmptyOneWithAWarning) {
  auto ref = Parse<TSceneDefRef>(R"(<scene_def name="attic2" filename="data\ini\scenes\attic.ini"/>)");
  EXPECT_EQ(ref->OpenSceneDef()->GetName(), "attic2");
  EXPECT_NE(ref->OpenSceneDef(), ref->OpenSceneDef());  // nothing cached

  TLogCapture log;
  auto missing = Parse<TSceneDefRef>(R"(<scene_def name="nowhere" filename="data\ini\scenes\nowhere.ini"/>)");
  Ref<ISceneDef> def = missing->OpenSceneDef();
  EXPECT_EQ(def->GetName(), "nowhere");
  EXPECT_FALSE(def->IsLoadedFromFile());
  EXPECT_EQ(def->GetObjectDefs()->Count(), 0);
  EXPECT_THAT(log.Lines(), ElementsAre(HasSubstr("data\\ini\\scenes\\nowhere.ini is missing")));
}

TEST(SceneObjectDef, ObjectTypeThatIsNoNumberIsADecoration) {
  struct Case {
    const char* xml;
    int32_t type;
  };
  for (const Case& c : std::vector<Case>{{R"(<object_def name="a" objecttype="abc"/>)", 5},
                                         {R"(<object_def name="a" objecttype=""/>)", 5},
                                         {R"(<object_def name="a"/>)", 5},
                                         {R"(<object_def name="a" objecttype="0"/>)", 0},
                                         {R"(<object_def name="a" objecttype="6"/>)", 6}}) {
    TLogCapture quiet;
    EXPECT_EQ(Parse<TSceneObjectDef>(c.xml)->GetObjectType(), c.type) << c.xml;
  }
}

TEST(SceneObjectDef, SavesTheKeysThatAlwaysCountAndOnlyChangedOthers) {
  auto object = Parse<TSceneObjectDef>(
      R"(<object_def name="cup" objecttype="0" caption="%cup%" category="tea" first_generation="yes" )"
      R"(resourcename="img" resourceleft="4" width="7" height="9"><locations>)"
      R"(<location name="l1" anchor_left="1" anchor_top="2"/></locations></object_def>)");
  EXPECT_EQ(Saved(*object, "object_def"),
            "<object_def name=\"cup\" objecttype=\"0\" caption=\"%cup%\" category=\"tea\" first_generation=\"yes\" "
            "resourcename=\"img\" resourceleft=\"4\" width=\"7\" height=\"9\"><locations><location name=\"l1\" "
            "anchor_left=\"1\" anchor_top=\"2\"/></locations></object_def>");
}

TEST(SceneObjectDef, FillsTheWidgetOfOneLocation) {
  auto object = Parse<TSceneObjectDef>(
      R"(<object_def name="vase" resourcename="img_vase" resourceleft="3" resourcetop="5" width="7" height="9">)"
      R"(<locations><location name="l1" anchor_left="10" anchor_top="20"/>)"
      R"(<location name="l2" anchor_left="30" anchor_top="40" z="3" zoomx="0.5" angle="-12"/></locations></object_def>)");
  auto params = CreateObject<TParamCollection>();
  object->FillWidgetParams("l2", params.get());
  auto value = [&](const char* name) { return params->GetNamedValue(name, Variant("?")).ToText(); };
  EXPECT_EQ(value("name"), "vase_l2");
  EXPECT_EQ(value("centerx"), "3");
  EXPECT_EQ(value("centery"), "4");
  EXPECT_EQ(value("resourceleft"), "3");
  EXPECT_EQ(value("anchor_left"), "30");
  EXPECT_EQ(value("z"), "3");
  EXPECT_EQ(value("transparentlevel"), "255");
  EXPECT_EQ(value("zoomx"), "0.5");
  EXPECT_EQ(value("zoomy"), "1");
  EXPECT_EQ(value("angle"), "-12");

  auto alone = CreateObject<TParamCollection>();
  object->FillWidgetParams("l9", alone.get());
  EXPECT_EQ(alone->GetNamedValue("name", Variant()).ToText(), "vase");
  EXPECT_FALSE(alone->GetParam(Variant("anchor_left")));
}

TEST(SceneObjectLocation, ZoomLoadsAsBothFactorsAndSavesInItsShortestForm) {
  struct Case {
    const char* attributes;
    double zoom_x, zoom_y;
    const char* saved;
  };
  for (const Case& c : std::vector<Case>{
           {R"(zoom="0.5")", 0.5, 0.5, R"(zoom="0.5")"},
           {R"(zoomx="2")", 2, 1, R"(zoomx="2")"},
           {R"(zoom="0.5" zoomy="3")", 0.5, 3, R"(zoomx="0.5" zoomy="3")"},
           {R"(zoomx="1" zoomy="1" z="0" transparentlevel="255" angle="0")", 1, 1, ""},
           {R"(z="-2" transparentlevel="7" angle="12.5")", 1, 1, R"(z="-2" transparentlevel="7" angle="12.5")"},
       }) {
    auto location =
        Parse<TSceneObjectLocation>(std::string(R"(<location name="l1" anchor_left="0" anchor_top="5" )") +
                                    c.attributes + "/>");
    EXPECT_EQ(location->GetZoomX(), c.zoom_x) << c.attributes;
    EXPECT_EQ(location->GetZoomY(), c.zoom_y) << c.attributes;
    const std::string rest = *c.saved ? " " + std::string(c.saved) : std::string();
    EXPECT_EQ(Saved(*location, "location"), "<location name=\"l1\" anchor_left=\"0\" anchor_top=\"5\"" + rest + "/>")
        << c.attributes;
  }
}

std::vector<std::string> Names(ISceneObjectLocationCollection& locations) {
  std::vector<std::string> names;
  for (int i = 0; i < locations.Count(); ++i) names.push_back(locations.Get(Variant(i))->GetName());
  return names;
}

TEST(SceneObjectLocation, DeletingRenumbersAllButTheSpecialPlaceAndAddingTakesTheNextNumber) {
  auto locations = Parse<TSceneObjectLocationCollection>(
      R"(<locations><location name="l1"/><location name="l2"/><location name="spec"/><location name="l4"/></locations>)");
  locations->DeleteLocation(Variant("l2"));
  EXPECT_THAT(Names(*locations), ElementsAre("l1", "spec", "l3"));
  EXPECT_TRUE(locations->Get(Variant("l3")));
  Ref<ISceneObjectLocation> added = locations->AddLocation(5, 6, 1, 200, 2, 2, 0);
  EXPECT_EQ(added->GetName(), "l4");
  EXPECT_EQ(added->GetZoomY(), 2);
  locations->DeleteLocation(Variant("nothing"));
  EXPECT_EQ(locations->Count(), 4);
}

TEST(SceneObjectDefCollection, AddsUnderTheFirstFreeName) {
  auto objects = Parse<TSceneObjectDefCollection>(
      R"(<object_defs><object_def name="cup"/><object_def name="cup1"/></object_defs>)");
  Ref<ISceneObjectDef> added = objects->AddObjectDef("cup", "img_cup", 1, 2, 30, 40);
  EXPECT_EQ(added->GetName(), "cup2");
  EXPECT_EQ(added->GetHeight(), 40);
  EXPECT_EQ(objects->AddObjectDef("vase", "", 0, 0, 1, 1)->GetName(), "vase");
}

// A resource manager that only remembers what it was asked.
class TRecordingManager : public TAbstractObject, public virtual IResourceEngine, public virtual ISceneDefOwner {
 public:
  std::vector<std::string> calls;
  std::string GetProgramFolder() override { return {}; }
  void LoadResourceDefs(IHierStorage* node, std::string_view owner, bool) override {
    calls.push_back("load " + std::string(owner) + " " +
                    std::to_string(node->FindChild("content")->GetChildCount("resource")));
  }
  void LoadResourceDefsFile(std::string_view, std::string_view, bool) override {}
  void RemoveResources(std::string_view owner) override { calls.push_back("remove group " + std::string(owner)); }
  void DeleteResource(std::string_view name) override { calls.push_back("delete " + std::string(name)); }
  IResourceEngine* GetSceneResourceManager() override { return this; }
};

TEST(SceneDef, ResourcesComeWithTheOwnerAndGoWithIt) {
  struct Case {
    const char* group;
    std::vector<std::string> calls;
  };
  for (const Case& c : std::vector<Case>{
           {R"( resourcegroup="scene_x")", {"load scene_x 2", "remove group scene_x"}},
           // Without a group only the scene's own resources go, never everything.
           {"", {"load  2", "delete a", "delete b"}},
       }) {
    auto def = Parse<TSceneDef>(std::string("<scene_def><resource_defs") + c.group +
                                R"(><resource_def name="a" type="ImageResource" file="a.png"/>)"
                                R"(<resource_def name="b" type="ImageResource" file="b.png"/></resource_defs></scene_def>)");
    auto manager = MakeRef<TRecordingManager>();
    def->SetOwner(manager.get());
    def->LoadSceneResources();
    def->ClearOwner();
    def->ClearOwner();
    EXPECT_EQ(manager->calls, c.calls) << c.group;
  }
}

TEST(SceneDef, WithoutChildrenSavesTheFourKeysOnly) {
  auto def = Parse<TSceneDef>(R"(<scene_def name="x" categories=";a;"/>)");
  EXPECT_EQ(def->GetIdenticalPartShift(), 256);
  EXPECT_EQ(Saved(*def, "scene_def"),
            "<scene_def name=\"x\" categories=\";a;\" identical_part_shift=\"256\" scene_show_factories=\"\" "
            "identical_show_factories=\"\"/>");
  EXPECT_FALSE(def->CreateSceneWidget("nothing", nullptr));
}

TEST(Category, WithoutChildrenSavesItsThreeKeysAndAttachesNothingWithoutAManager) {
  const std::string text = R"(<category name="flowers" caption="%c%" description=""/>)";
  auto category = Parse<TCorvellaneCategory>(text);
  EXPECT_EQ(Saved(*category, "category"), text);
  category->AttachCategoryResources(nullptr);
  category->DetachCategoryResources();
  auto categories = Parse<TCorvellaneCategoryCollection>(
      R"(<categories><category name="a"/><category name="b"><resource_defs resourcegroup="cat">)"
      R"(<resource_def name="r" type="ImageResource" file="r.png"/></resource_defs></category></categories>)");
  auto manager = MakeRef<TRecordingManager>();
  categories->AttachCategoryResources(manager.get());
  categories->DetachCategoryResources();
  EXPECT_EQ(manager->calls, (std::vector<std::string>{"load cat 1", "remove group cat"}));
  EXPECT_FALSE(categories->Get(Variant("zzz")));
  EXPECT_EQ(Parse<TCorvellaneCategoryCollection>(categories->SaveCategoriesText())->SaveCategoriesText(),
            categories->SaveCategoriesText());
}

}  // namespace
}  // namespace corvellane
