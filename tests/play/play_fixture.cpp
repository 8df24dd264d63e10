#include "tests/play/play_fixture.h"

#include "persistence/class_registry.h"
#include "persistence/data_files.h"
#include "persistence/localization.h"
#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "persistence/paths.h"
#include "persistence/storage.h"
#include "play/item_list_panel_widget.h"
#include "play/play_classes.h"
#include "scenarios/scenario_classes.h"
#include "story/object_list.h"
#include "story/scene_generator.h"
#include "story/story_classes.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/group_widget.h"
#include "widgets/widget_classes.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane::testing {

namespace {

// The play screen's tree: its groups and the factories the play layer asks
// for. Scene objects are rotate widgets around a box of the picture's size;
// the find, score and show factories are plain groups that keep their
// parameters as extra values, so a test can read what they were given.
constexpr std::string_view kScreen = R"(
<widget type="group_widget" name="window" visible="yes">
  <widgetfactories>
    <widgetfactory type="WidgetFactory" name="widget_sceneobject"><widgetstring><![CDATA[
      <widget type="rotate_widget" name="%name%" visible="yes" anchor_left="%anchor_left%" anchor_top="%anchor_top%"
              z="%z%" zoomx="%zoomx%" zoomy="%zoomy%" angle="%angle%" centerx="%centerx%" centery="%centery%">
        <widgets><widget type="test_box" name="picture" visible="yes" width="%width%" height="%height%"/></widgets>
      </widget>]]></widgetstring></widgetfactory>
    <widgetfactory type="WidgetFactory" name="background_widget"><widgetstring><![CDATA[
      <widget type="group_widget" name="background" visible="yes"/>]]></widgetstring></widgetfactory>
    <widgetfactory type="WidgetFactory" name="left_background_part_widget"><widgetstring><![CDATA[
      <widget type="group_widget" name="left_background" visible="yes" extraparams="\resourceleft=%resourceleft%"/>]]></widgetstring></widgetfactory>
    <widgetfactory type="WidgetFactory" name="right_background_part_widget"><widgetstring><![CDATA[
      <widget type="group_widget" name="right_background" visible="yes" extraparams="\resourceleft=%resourceleft%"/>]]></widgetstring></widgetfactory>
    <widgetfactory type="WidgetFactory" name="gamefield_find_obj_offset"><widgetstring><![CDATA[
      <widget type="group_widget" name="%name%" extraparams="\factory=offset\widgetname=%widgetname%\endposx=%endposx%\endposy=%endposy%"/>]]></widgetstring></widgetfactory>
    <widgetfactory type="WidgetFactory" name="gamefield_find_obj_secondary"><widgetstring><![CDATA[
      <widget type="group_widget" name="%name%" extraparams="\factory=secondary\widgetname=%widgetname%"/>]]></widgetstring></widgetfactory>
    <widgetfactory type="WidgetFactory" name="gamefield_find_obj"><widgetstring><![CDATA[
      <widget type="group_widget" name="%name%" extraparams="\factory=plain\widgetname=%widgetname%"/>]]></widgetstring></widgetfactory>
    <widgetfactory type="WidgetFactory" name="focus_object_find_score"><widgetstring><![CDATA[
      <widget type="group_widget" name="%name%" extraparams="\value=%value%"/>]]></widgetstring></widgetfactory>
    <widgetfactory type="WidgetFactory" name="fly_picture"><widgetstring><![CDATA[
      <widget type="fly_widget" name="%name%" visible="yes" startposx="%x1%" startposy="%y1%" endposx="%x2%"
              endposy="%y2%" timetolive="%move_time%"/>]]></widgetstring></widgetfactory>
  </widgetfactories>
  <widgets>
    <widget type="group_widget" name="background_group" visible="yes"/>
    <widget type="group_widget" name="objects_group" visible="yes"/>
    <widget type="group_widget" name="left_part" visible="yes">
      <widgets><widget type="group_widget" name="objects_group" visible="yes"/></widgets>
    </widget>
    <widget type="group_widget" name="right_part" visible="yes" anchor_left="512">
      <widgets><widget type="group_widget" name="objects_group" visible="yes"/></widgets>
    </widget>
    <widget type="group_widget" name="ui_group" visible="yes" anchor_top="620">
      <widgets>
        <widget type="group_widget" name="panel_scrollarea" visible="yes" anchor_left="100">
          <widgets>
            <widget type="obj_list_panel" name="ui_obj_list_panel" visible="yes">
              <widgetfactories>
                <widgetfactory type="WidgetFactory" name="panel_item_shape_create"><widgetstring><![CDATA[
                  <widget type="test_box" name="%name%" visible="yes" anchor_left="%left%" anchor_top="%top%"
                          width="%width%" height="%height%" extraparams="\item_source=%item_source%"/>]]></widgetstring></widgetfactory>
                <widgetfactory type="WidgetFactory" name="panel_item_part_create"><widgetstring><![CDATA[
                  <widget type="test_box" name="%name%" visible="yes" anchor_left="%left%" anchor_top="%top%"
                          width="%width%" height="%height%"/>]]></widgetstring></widgetfactory>
                <widgetfactory type="WidgetFactory" name="panel_item_place_only_create"><widgetstring><![CDATA[
                  <widget type="test_box" name="%name%" visible="yes" anchor_left="%left%" anchor_top="%top%"
                          width="%width%" height="%height%"/>]]></widgetstring></widgetfactory>
                <widgetfactory type="WidgetFactory" name="panel_item_disposable_create"><widgetstring><![CDATA[
                  <widget type="group_widget" name="%name%" visible="yes" anchor_left="%left%" anchor_top="%top%">
                    <widgets><widget type="text_widget" name="count_text" visible="no"/>
                             <widget type="test_box" name="count_bar" visible="no"/></widgets>
                  </widget>]]></widgetstring></widgetfactory>
                <widgetfactory type="WidgetFactory" name="panel_item_name_create"><widgetstring><![CDATA[
                  <widget type="text_widget" name="%name%" visible="yes" anchor_left="%left%" anchor_top="%top%"
                          width="%width%" height="%height%"/>]]></widgetstring></widgetfactory>
              </widgetfactories>
            </widget>
          </widgets>
        </widget>
      </widgets>
    </widget>
    <widget type="group_widget" name="animation_group" visible="yes"/>
  </widgets>
</widget>)";

}  // namespace

// ---- TPlayTestOwner ----

Ref<IObject> TPlayTestOwner::CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location) {
  return CreateSceneObject(object, location, 0, TPlayGroup::Objects);
}

bool TPlayTestOwner::ResolveSceneObject(IObject* scene_object, Ref<ISceneObjectDef>& object,
                                        Ref<ISceneObjectLocation>& location) {
  auto* widget = dynamic_cast<IWidget*>(scene_object);
  if (!widget) return false;
  object = widget->GetProperty("sceneobjectdef").ToObject<ISceneObjectDef>();
  location = widget->GetProperty("location").ToObject<ISceneObjectLocation>();
  return object && location;
}

void TPlayTestOwner::ReleaseSceneObject(IObject* scene_object) {
  if (auto* widget = dynamic_cast<IWidget*>(scene_object)) widget->SetDead(true);
}

Ref<IItemListPanel> TPlayTestOwner::GetPanelWidget() {
  return QueryInterface<IItemListPanel>(root->FindWidget(kObjectPanelPath));
}

Ref<IWidget> TPlayTestOwner::CreateScreenWidget(std::string_view factory_name, IParamCollection* params) {
  auto* group = dynamic_cast<IWidgetOwner*>(root.get());
  return group ? group->CreateFromFactory(factory_name, params) : nullptr;
}

Ref<IWidget> TPlayTestOwner::Group(TPlayGroup group) {
  const std::string_view path = PlayGroupPath(group);
  return path.empty() ? nullptr : root->FindWidget(path);
}

Ref<IWidget> TPlayTestOwner::CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location,
                                               int32_t shift, TPlayGroup group) {
  if (Ref<IWidget> existing = FindObjectWidget(object, location, group)) return existing;
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  object->FillWidgetParams(location ? location->GetName() : "", params.get());
  Ref<IWidget> widget = CreateScreenWidget("widget_sceneobject", params.get());
  if (!widget) return nullptr;
  widget->SetAnchorLeft(widget->GetAnchorLeft() - shift);
  widget->SetExtraParam("sceneobjectdef", Variant(Ref<ISceneObjectDef>(object)));
  widget->SetExtraParam("location", Variant(Ref<ISceneObjectLocation>(location)));
  if (Ref<IWidget> target = Group(group)) target->GetWidgets()->Add(widget);
  return widget;
}

Ref<ISceneObjectDef> TPlayTestOwner::GetWidgetObject(IWidget* widget) {
  return widget ? widget->GetProperty("sceneobjectdef").ToObject<ISceneObjectDef>() : nullptr;
}

Ref<IWidget> TPlayTestOwner::FindObjectWidget(ISceneObjectDef* object, ISceneObjectLocation* location,
                                              TPlayGroup group) {
  Ref<IWidget> target = Group(group == TPlayGroup::None ? TPlayGroup::Objects : group);
  if (!target || !object) return nullptr;
  if (location)
    if (Ref<IWidget> found = target->GetWidgets()->GetWidgetByName(object->GetName() + "_" + location->GetName()))
      return found;
  return target->GetWidgets()->GetWidgetByName(object->GetName());
}

Ref<IWidget> TPlayTestOwner::FindAnyObjectWidget(ISceneObjectDef* object, TPlayGroup group,
                                                 ISceneObjectLocation* location) {
  if (location || !object) return FindObjectWidget(object, location, group);
  Ref<ISceneObjectLocationCollection> locations = object->GetLocations();
  for (int i = 0; i < locations->Count(); ++i)
    if (Ref<IWidget> found = FindObjectWidget(object, locations->Get(Variant(i)).get(), group)) return found;
  return nullptr;
}

bool TPlayTestOwner::PrepareScene(IUGDScene* scene) {
  if (!scene) return false;
  if (!scene->GetGenerated()) {
    auto generator = CreateObject<TCorvellaneSceneGenerator>();
    generator->SetOwner(this);
    generator->GenerateScene(scene, -1);
    generator->ClearGenerator();
    generator->ClearOwner();
  }
  return scene->GetGenerated();
}

void TPlayTestOwner::AddToGroup(Ref<IWidget> widget, TPlayGroup group) {
  Ref<IWidget> target = Group(group);
  if (!target || !widget) return;
  Ref<IWidgetCollection> children = target->GetWidgets();
  if (Ref<IWidget> same = children->GetWidgetByName(widget->GetName())) {
    same->SetDead(true);
    children->RemoveDead();
  }
  children->Add(widget);
}

std::string TPlayTestOwner::MakeEffectName(std::string_view base) {
  std::string name(base);
  for (int n = 1; root->FindWidget("animation_group/" + name); ++n) name = std::string(base) + FormatInt(n);
  return name;
}

void TPlayTestOwner::RunEffect(std::string_view factory_name, IParamCollection* params) {
  Ref<IParamCollection> values(params);
  if (!values) values = CreateObject<TParamCollection>();
  values->SetNamedValue("name", Variant(MakeEffectName(factory_name)));
  TRecordedEffect effect{std::string(factory_name), {}};
  for (int i = 0; i < values->Count(); ++i) {
    Ref<IParam> param = values->GetParam(Variant(i));
    effect.params[param->GetName()] = param->GetParamValue().ToText();
  }
  effects.push_back(effect);
  if (Ref<IWidget> widget = CreateScreenWidget(factory_name, values.get())) AddToGroup(widget, TPlayGroup::Animation);
}

void TPlayTestOwner::EnableItemObjects(IWidget* item_widget) {
  if (item_widget) enabled_items.push_back(item_widget->GetName());
}

// ---- PlayTest ----

PlayTest::PlayTest() : platform_(HeadlessOptions{}), engine_(CreateEngine(platform_)) {
  RegisterWidgetClasses();
  RegisterScenarioClasses();
  RegisterStoryClasses();
  RegisterPlayClasses();
  RegisterClass<TTestBox>("test_box");
  CreateMultiLanguages();
  const std::string folder = dir_.path().string();
  SetDataFileReader([folder](std::string_view path) { return ReadDiskFile(JoinPath(folder, NormalizePath(path))); });
  screen_->SetEngine(engine_.get());
  screen_->SetEventHandler(owner_.get());
  owner_->engine = engine_.get();
  Ref<IHierStorageRoot> doc = OpenStorageText(kScreen);
  owner_->root = QueryInterface<IWidget>(CreateFromStorage(doc.get()));
  screen_->SetRoot(owner_->root);
}

PlayTest::~PlayTest() {
  if (owner_->level) owner_->level->ReleaseScenes();
  owner_->level = nullptr;
  if (Ref<IItemListPanel> panel = owner_->GetPanelWidget()) panel->SetPanelManager(nullptr);
  screen_->DetachRoot();
  if (auto* root = dynamic_cast<IPersistObject*>(owner_->root.get())) root->Cleanup();
  owner_->root = nullptr;
  if (auto* story_case = dynamic_cast<IPersistObject*>(owner_->story_case.get())) story_case->Cleanup();
  SetDataFileReader({});
  ReleaseMultiLanguages();
}

void PlayTest::Scene(std::string_view name, std::string_view object_defs, std::string_view factories,
                     int32_t part_shift) {
  dir_.Write(std::string(name) + ".ini",
             "<scene_def name=\"" + std::string(name) + "\" identical_part_shift=\"" + FormatInt(part_shift) +
                 "\"><widgetfactories>" + std::string(factories) + "</widgetfactories><object_defs>" +
                 std::string(object_defs) + "</object_defs></scene_def>");
  scene_list_ += "<scene_def name=\"" + std::string(name) + "\" filename=\"" + std::string(name) + ".ini\"/>";
  refs_ = CreateObject<TSceneDefRefCollection>();
  refs_->LoadFrom(OpenStorageText("<scene_defs>" + scene_list_ + "</scene_defs>").get());
  owner_->refs = refs_;
}

void PlayTest::Story(std::string_view scenes, int32_t task_type) {
  auto story_case = CreateObject<TUGDCase>();
  story_case->LoadFrom(OpenStorageText(
                           "<case name=\"c\"><participants><participant name=\"p\" type=\"client\"/></participants>"
                           "<scenes>" + std::string(scenes) + "</scenes><stages><stage name=\"st\"><tasks>"
                           "<task name=\"t\" tasktype=\"" + FormatInt(task_type) + "\"><params>" +
                           Param("scenename", "s") + Param("scenename2", "s2") +
                           "</params></task></tasks></stage></stages></case>")
                           .get());
  owner_->story_case = story_case;
  owner_->task = story_case->GetStages()->Get(Variant(0))->GetTasks()->Get(Variant(0));
}

Ref<IUGDScene> PlayTest::StoryScene(std::string_view name) {
  return owner_->story_case->GetScenes()->Get(Variant(name));
}

std::string PlayTest::SceneParam(std::string_view key, std::string_view scene) {
  return StoryScene(scene)->GetParams()->GetNamedValue(key, Variant("(none)")).ToText();
}

void PlayTest::SetLayout(std::string_view values) {
  Ref<IItemListPanel> panel = owner_->GetPanelWidget();
  for (const std::string& pair : SplitList(values)) {
    const size_t equals = pair.find('=');
    panel->SetProperty(pair.substr(0, equals), Variant(pair.substr(equals + 1)));
  }
}

Ref<ILevelManager> PlayTest::Start(int32_t task_type) {
  static constexpr std::string_view kModes[] = {"HiddenShapes", "HiddenNames", "FindIdentical", "HiddenParts",
                                                "FindPlaces"};
  const std::string mode(kModes[task_type]);
  Ref<IPanelManager> panel = QueryInterface<IPanelManager>(CreateNamed("PanelManager" + mode, "Panel"));
  owner_->GetPanelWidget()->SetPanelManager(panel);
  panel->SetupPanel(owner_.get(), -1);
  Ref<ILevelManager> level = QueryInterface<ILevelManager>(CreateNamed("LevelManager" + mode, "LevelManager"));
  owner_->level = level;
  level->SetOwner(owner_.get());
  EXPECT_TRUE(level->LoadScenes());
  level->RunShowFactories();
  EXPECT_TRUE(level->SetupLevel());
  return level;
}

Ref<ILevelManager> PlayTest::StartHiddenShapes(std::string_view layout, const std::vector<std::string>& names) {
  SetLayout(layout);
  std::string objects;
  std::string list = ";";
  for (size_t i = 0; i < names.size(); ++i) {
    objects += Obj(names[i], 0, 40, 40, {"l1:" + std::to_string(100 * (i + 1)) + ":100"});
    list += names[i] + "/l1;";
  }
  Scene("s", objects);
  Story(GeneratedScene("s", Param("ho_names", list)), 0);
  return Start(0);
}

Ref<IWidget> PlayTest::SceneWidget(std::string_view name, TPlayGroup group) {
  return owner_->Group(group)->FindWidget(name);
}

Ref<TAbstractPanelManager> PlayTest::Panel() {
  return QueryInterface<TAbstractPanelManager>(owner_->GetPanelWidget()->GetPanelManager());
}

std::vector<std::string> PlayTest::ItemNames() {
  std::vector<std::string> names;
  for (const TPanelItem& item : Panel()->Items()) names.push_back(item.object->GetName());
  return names;
}

void PlayTest::AddFactory(std::string_view name, std::string_view widget_xml) {
  Ref<IWidgetFactoryCollection> factories = QueryInterface<TGroupWidget>(owner_->root)->GetFactories();
  if (factories->GetFactory(Variant(name))) factories->DeleteItem(Variant(name));
  Ref<TWidgetFactory> factory = CreateObject<TWidgetFactory>();
  factory->SetName(name);
  factory->SetWidgetString(widget_xml);
  factories->AddFactory(factory);
}

Ref<IWidget> PlayTest::RunScreenFactory(std::string_view factory, std::string_view params) {
  Ref<TParamCollection> values = CreateObject<TParamCollection>(params);
  Ref<IWidget> widget = owner_->CreateScreenWidget(factory, values.get());
  EXPECT_TRUE(widget) << factory;
  if (widget) owner_->AddToGroup(widget, TPlayGroup::Animation);
  return widget;
}

void PlayTest::ClearGroup(TPlayGroup group) {
  Ref<IWidgetCollection> children = owner_->Group(group)->GetWidgets();
  for (int i = 0; i < children->Count(); ++i) children->GetWidgetAt(i)->SetDead(true);
  children->RemoveDead();
}

void PlayTest::Frame(int32_t ms) {
  owner_->root->Update(ms);
  owner_->root->UpdateDirtyRegion(false, false);
  screen_->TakeInvalidated();
}

std::string Obj(std::string_view name, int type, int width, int height, std::vector<std::string> locations,
                std::string_view attributes) {
  const std::string caption =
      attributes.find("caption=") == std::string_view::npos ? " caption=\"%" + std::string(name) + "%\"" : "";
  std::string xml = "<object_def name=\"" + std::string(name) + "\" objecttype=\"" + FormatInt(type) + "\"" +
                    caption + " resourcename=\"img_" + std::string(name) +
                    "\" width=\"" + FormatInt(width) + "\" height=\"" + FormatInt(height) + "\" " +
                    std::string(attributes) + "><locations>";
  for (const std::string& location : locations) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t colon; (colon = location.find(':', start)) != std::string::npos; start = colon + 1)
      parts.push_back(location.substr(start, colon - start));
    parts.push_back(location.substr(start));
    xml += "<location name=\"" + parts[0] + "\"";
    if (parts.size() > 2) xml += " anchor_left=\"" + parts[1] + "\" anchor_top=\"" + parts[2] + "\"";
    if (parts.size() > 5) xml += " zoomx=\"" + parts[3] + "\" zoomy=\"" + parts[4] + "\" angle=\"" + parts[5] + "\"";
    xml += "/>";
  }
  return xml + "</locations></object_def>";
}

std::string GeneratedScene(std::string_view name, std::string_view params) {
  return "<scene name=\"" + std::string(name) + "\" participant=\"p\" generated=\"yes\"><params>" +
         std::string(params) + "</params></scene>";
}

std::string Param(std::string_view name, std::string_view value) {
  return "<param name=\"" + std::string(name) + "\" value=\"" + std::string(value) + "\"/>";
}

}  // namespace corvellane::testing
