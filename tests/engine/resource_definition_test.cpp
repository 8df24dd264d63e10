// Resource definition lists and resource files: loading them from data, and
// what they hand to the engine.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/resource_definition.h"
#include "engine/resource_file.h"
#include "persistence/class_registry.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"

namespace corvellane {
namespace {

using Attributes = std::map<std::string, std::string>;

// Records what the definitions ask of the engine.
class RecordingEngine : public TAbstractObject, public virtual IResourceEngine {
 public:
  struct Load {
    std::string owner;
    bool pump = false;
    std::vector<Attributes> resources;  // from a node
    std::string file;                   // from a definition file
  };

  std::string GetProgramFolder() override { return program_folder; }
  void LoadResourceDefs(IHierStorage* node, std::string_view owner, bool pump) override {
    loads.push_back({std::string(owner), pump, ResourcesOf(node), ""});
  }
  void LoadResourceDefsFile(std::string_view file, std::string_view owner, bool pump) override {
    loads.push_back({std::string(owner), pump, {}, std::string(file)});
  }
  void RemoveResources(std::string_view owner) override { removed_owners.emplace_back(owner); }
  void DeleteResource(std::string_view name) override { deleted.emplace_back(name); }

  std::string program_folder = "/opt/game/";
  std::vector<Load> loads;
  std::vector<std::string> removed_owners;
  std::vector<std::string> deleted;

 private:
  static std::vector<Attributes> ResourcesOf(IHierStorage* node) {
    std::vector<Attributes> out;
    Ref<IHierStorage> content = node->GetChild("content", 0);
    for (int i = 0; content && i < content->GetChildCount("resource"); ++i) {
      Ref<IHierStorage> resource = content->GetChild("resource", i);
      Attributes attributes;
      for (int v = 0; v < resource->GetValueCount(); ++v)
        attributes[resource->GetValueName(v)] = resource->GetValueAt(v, Variant()).ToText();
      out.push_back(std::move(attributes));
    }
    return out;
  }
};

constexpr std::string_view kDefinitions =
    R"(<resource_defs resourcegroup="Scene3">)"
    R"(<resource_def name="bg" type="ImageResource" file="data\s3\bg.jpg" typeparams="\format=jpeg"/>)"
    R"(<resource_def name="click" type="SoundResource" file="data\snd\click.ogg"/>)"
    R"(<resource_def name="BG" type="ImageResource" file="data\other.png"/>)"
    R"(</resource_defs>)";

class ResourceDefinitionTest : public ::testing::Test {
 protected:
  Ref<TResourceDefCollection> LoadDefs(std::string_view xml) {
    auto defs = CreateObject<TResourceDefCollection>();
    defs->LoadFrom(OpenStorageText(xml).get());
    return defs;
  }

  Ref<RecordingEngine> engine_ = MakeRef<RecordingEngine>();
};

TEST_F(ResourceDefinitionTest, LoadsDefinitionsInOrderKeepingTheFirstOfAName) {
  auto defs = LoadDefs(kDefinitions);
  EXPECT_EQ(defs->GetGroupName(), "Scene3");
  ASSERT_EQ(defs->Count(), 2);
  Ref<IResourceDef> bg = defs->GetDef(Variant("BG"));
  ASSERT_TRUE(bg);
  EXPECT_EQ(bg->GetType(), "ImageResource");
  EXPECT_EQ(bg->GetFile(), "data\\s3\\bg.jpg");
  EXPECT_EQ(bg->GetTypeParams(), "\\format=jpeg");
  EXPECT_EQ(defs->GetDef(Variant(1))->GetName(), "click");
  EXPECT_EQ(defs->GetDef(Variant(1))->GetTypeParams(), "");
  EXPECT_EQ(defs->GetDef(Variant(2)), nullptr);
  EXPECT_EQ(defs->GetDef(Variant("missing")), nullptr);
}

TEST_F(ResourceDefinitionTest, SavesOnlyWhatIsSetAndReadsBackTheSame) {
  auto defs = LoadDefs(kDefinitions);
  Ref<IHierStorageRoot> saved = CreateStorage("resource_defs");
  defs->SaveTo(saved.get());
  const std::string text = saved->SaveToText();
  EXPECT_EQ(text,
            R"(<resource_defs resourcegroup="Scene3">)"
            R"(<resource_def name="bg" type="ImageResource" file="data\s3\bg.jpg" typeparams="\format=jpeg"/>)"
            R"(<resource_def name="click" type="SoundResource" file="data\snd\click.ogg"/>)"
            R"(</resource_defs>)");

  auto ungrouped = CreateObject<TResourceDefCollection>();
  Ref<IHierStorageRoot> empty = CreateStorage("resource_defs");
  ungrouped->SaveTo(empty.get());
  EXPECT_EQ(empty->SaveToText(), "<resource_defs/>");
}

TEST_F(ResourceDefinitionTest, LoadAllResourcesHandsEveryDefinitionToTheEngineUnderTheGroup) {
  auto defs = LoadDefs(kDefinitions);
  defs->LoadAllResources();  // no engine yet: nothing happens
  defs->AttachEngine(engine_.get());
  defs->LoadAllResources();
  ASSERT_EQ(engine_->loads.size(), 1u);
  const auto& load = engine_->loads[0];
  EXPECT_EQ(load.owner, "Scene3");
  EXPECT_FALSE(load.pump);
  ASSERT_EQ(load.resources.size(), 2u);
  EXPECT_EQ(load.resources[0],
            (Attributes{{"name", "bg"}, {"type", "ImageResource"}, {"file", "data\\s3\\bg.jpg"}, {"format", "jpeg"}}));
  EXPECT_EQ(load.resources[1], (Attributes{{"name", "click"}, {"type", "SoundResource"}, {"file", "data\\snd\\click.ogg"}}));
}

TEST_F(ResourceDefinitionTest, AListWithoutGroupLoadsUnderAnEmptyOwnerAndAnEmptyListLoadsNothing) {
  auto defs = LoadDefs(R"(<resource_defs><resource_def name="a" type="ImageResource" file="a.png"/></resource_defs>)");
  defs->AttachEngine(engine_.get());
  defs->LoadAllResources();
  ASSERT_EQ(engine_->loads.size(), 1u);
  EXPECT_EQ(engine_->loads[0].owner, "");

  auto empty = CreateObject<TResourceDefCollection>();
  empty->AttachEngine(engine_.get());
  empty->LoadAllResources();
  EXPECT_EQ(engine_->loads.size(), 1u);
}

TEST_F(ResourceDefinitionTest, ReloadAndRemoveGoThroughTheEngine) {
  auto defs = LoadDefs(kDefinitions);
  defs->AttachEngine(engine_.get());
  defs->ReloadResource(Variant("CLICK"));
  defs->ReloadResource(Variant("nothing"));
  defs->RemoveGroupResources();
  EXPECT_EQ(engine_->deleted, std::vector<std::string>{"click"});
  ASSERT_EQ(engine_->loads.size(), 1u);
  ASSERT_EQ(engine_->loads[0].resources.size(), 1u);
  EXPECT_EQ(engine_->loads[0].resources[0].at("name"), "click");
  EXPECT_EQ(engine_->removed_owners, std::vector<std::string>{"Scene3"});
}

TEST_F(ResourceDefinitionTest, AttachingMakesTheListEveryDefinitionsOwner) {
  auto defs = LoadDefs(kDefinitions);
  Ref<IResourceDef> bg = defs->GetDef(Variant("bg"));
  EXPECT_EQ(bg->GetDefOwner(), nullptr);
  defs->AttachEngine(engine_.get());
  ASSERT_NE(bg->GetDefOwner(), nullptr);
  EXPECT_EQ(bg->GetDefOwner()->GetEngine().get(), engine_.get());
  Ref<IResourceDef> added = defs->SetDef("late", "SoundResource", "", "late.ogg");
  EXPECT_NE(added->GetDefOwner(), nullptr);
  defs->DetachEngine();
  EXPECT_EQ(bg->GetDefOwner(), nullptr);
  EXPECT_EQ(added->GetDefOwner(), nullptr);
  defs->Cleanup();
  EXPECT_EQ(defs->Count(), 0);
}

TEST_F(ResourceDefinitionTest, SetDefUpdatesADefinitionOfThatNameOrAddsOne) {
  auto defs = LoadDefs(kDefinitions);
  Ref<IResourceDef> bg = defs->GetDef(Variant("bg"));
  Ref<IResourceDef> updated = defs->SetDef("BG", "ImageResource", "\\format=png", "new.png");
  EXPECT_EQ(updated.get(), bg.get());
  EXPECT_EQ(bg->GetFile(), "new.png");
  EXPECT_EQ(bg->GetTypeParams(), "\\format=png");
  EXPECT_EQ(defs->Count(), 2);
  defs->SetDef("music", "MusicResource", "\\format=ogg", "m.ogg");
  EXPECT_EQ(defs->Count(), 3);
  EXPECT_FALSE(defs->AddDef(CreateObject<TResourceDef>("\\name=Music")));
}

TEST_F(ResourceDefinitionTest, AddImageFileNamesTheDefinitionAfterTheFileAndPicksTheFormat) {
  const struct {
    const char* pattern;
    const char* file;
    const char* name;
    const char* stored_file;
    const char* params;
  } cases[] = {
      {"%name%_img", "c.PNG", "c_img", "c.PNG", "\\format=png"},
      {"%name%", "data\\img\\Back.jpg", "Back", "data\\img\\Back.jpg", "\\format=jpeg"},
      {"obj_%name%_%name%", "/opt/game/data/img/cup.png", "obj_cup_cup", "data/img/cup.png", "\\format=png"},
      {"fixed", "/elsewhere/a.b.png", "fixed", "/elsewhere/a.b.png", "\\format=png"},
  };
  auto defs = CreateObject<TResourceDefCollection>();
  defs->AttachEngine(engine_.get());
  for (const auto& c : cases) {
    Ref<IResourceDef> def = defs->AddImageFile(c.pattern, c.file);
    EXPECT_EQ(def->GetName(), c.name) << c.file;
    EXPECT_EQ(def->GetType(), "ImageResource");
    EXPECT_EQ(def->GetFile(), c.stored_file) << c.file;
    EXPECT_EQ(def->GetTypeParams(), c.params) << c.file;
  }
}

TEST_F(ResourceDefinitionTest, ResourceTextHoldsTypeParametersAsAttributes) {
  auto def = CreateObject<TResourceDef>("\\name=font");
  def->SetType("FontResource");
  def->SetFile("data\\fonts\\main.png");
  def->SetTypeParams("\\format=png\\loadbydemand=yes");
  EXPECT_EQ(def->ToResourceText(),
            R"(<resource name="font" type="FontResource" file="data\fonts\main.png" format="png" loadbydemand="yes"/>)");
}

// Text from data must not be able to break the element or rename the resource.
TEST_F(ResourceDefinitionTest, ResourceTextEscapesValuesAndIgnoresParametersThatWouldClash) {
  auto def = CreateObject<TResourceDef>();
  def->SetName("say \"hi\" & <bye>");
  def->SetType("ImageResource");
  def->SetFile("a.png");
  def->SetTypeParams("\\format=png\" evil=\"1\\name=other\\file=x.png\\bad key=1\\=empty");
  Ref<IHierStorageRoot> back = OpenStorageText(def->ToResourceText());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->GetValue("name", Variant()).ToText(), "say \"hi\" & <bye>");
  EXPECT_EQ(back->GetValue("file", Variant()).ToText(), "a.png");
  EXPECT_EQ(back->GetValue("format", Variant()).ToText(), "png\" evil=\"1");
  EXPECT_EQ(back->GetValueCount(), 4);
}

// ---- resource files ----

class ResourceFileTest : public ::testing::Test {
 protected:
  Ref<TResourceFileCollection> LoadFiles(std::string_view xml) {
    auto files = CreateObject<TResourceFileCollection>();
    files->LoadFrom(OpenStorageText(xml).get());
    return files;
  }

  static constexpr std::string_view kFiles =
      R"(<resourcefiles>)"
      R"(<resourcefile name="menu" filename="data\ini\menu_res.ini" loadmode="synch"/>)"
      R"(<resourcefile name="story" filename="data\ini\story_res.ini"/>)"
      R"(<resourcefile name="odd" filename="data\ini\odd.ini" loadmode="Synch"/>)"
      R"(<resourcefile name="cursors" filename="data\ini\cursors.ini" loadmode="synch"/>)"
      R"(<resourcefile name="MENU" filename="dup.ini" loadmode="synch"/>)"
      R"(</resourcefiles>)";
};

TEST_F(ResourceFileTest, LoadsFilesWithTheirLoadModes) {
  auto files = LoadFiles(kFiles);
  ASSERT_EQ(files->Count(), 4);
  const struct {
    const char* name;
    const char* file;
    ResourceLoadMode mode;
  } expected[] = {
      {"menu", "data\\ini\\menu_res.ini", ResourceLoadMode::kSynch},
      {"story", "data\\ini\\story_res.ini", ResourceLoadMode::kAsynch},
      {"odd", "data\\ini\\odd.ini", ResourceLoadMode::kAsynch},  // not a known mode: the default
      {"cursors", "data\\ini\\cursors.ini", ResourceLoadMode::kSynch},
  };
  for (int i = 0; i < 4; ++i) {
    Ref<IResourceFile> file = files->GetFile(Variant(i));
    EXPECT_EQ(file->GetName(), expected[i].name);
    EXPECT_EQ(file->GetFileName(), expected[i].file);
    EXPECT_EQ(file->GetLoadMode(), expected[i].mode) << expected[i].name;
  }
}

TEST_F(ResourceFileTest, SavesTheLoadModeOnlyWhenItIsNotTheDefault) {
  auto files = LoadFiles(R"(<resourcefiles><resourcefile name="a" filename="a.ini" loadmode="synch"/>)"
                         R"(<resourcefile name="b" filename="b.ini" loadmode="asynch"/></resourcefiles>)");
  Ref<IHierStorageRoot> saved = CreateStorage("resourcefiles");
  files->SaveTo(saved.get());
  EXPECT_EQ(saved->SaveToText(), R"(<resourcefiles><resourcefile name="a" filename="a.ini" loadmode="synch"/>)"
                                 R"(<resourcefile name="b" filename="b.ini"/></resourcefiles>)");
}

TEST_F(ResourceFileTest, LoadsTheFilesOfOneModeUnderTheirNames) {
  auto files = LoadFiles(kFiles);
  auto engine = MakeRef<RecordingEngine>();
  LoadResourceFiles(*files, *engine, ResourceLoadMode::kSynch);
  LoadResourceFiles(*files, *engine, ResourceLoadMode::kAsynch);
  ASSERT_EQ(engine->loads.size(), 4u);
  const struct {
    const char* owner;
    const char* file;
    bool pump;
  } expected[] = {
      {"menu", "data\\ini\\menu_res.ini", false},
      {"cursors", "data\\ini\\cursors.ini", false},
      {"story", "data\\ini\\story_res.ini", true},
      {"odd", "data\\ini\\odd.ini", true},
  };
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(engine->loads[i].owner, expected[i].owner);
    EXPECT_EQ(engine->loads[i].file, expected[i].file);
    EXPECT_EQ(engine->loads[i].pump, expected[i].pump) << expected[i].owner;
  }
}

TEST_F(ResourceFileTest, IsCreatedByItsTypeName) {
  RegisterEngineResourceClasses();
  Ref<TAbstractObject> created = CreateByType("resourcefile{name=menu}");
  Ref<IResourceFile> file = QueryInterface<IResourceFile>(created);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->GetName(), "menu");
  EXPECT_EQ(file->GetLoadMode(), ResourceLoadMode::kAsynch);
  EXPECT_EQ(QueryInterface<IPersistable>(created)->GetStorageName(), "resourcefile");
}

}  // namespace
}  // namespace corvellane
