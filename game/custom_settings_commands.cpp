#include "game/custom_settings_commands.h"

#include <exception>

#include "engine/engine_interface.h"
#include "persistence/class_registry.h"
#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/param_string.h"
#include "persistence/property_table.h"
#include "persistence/storage.h"
#include "screens/gs_collection.h"
#include "widgets/game_screen_slave_interface.h"
#include "widgets/widget_collection_interface.h"
#include "widgets/widget_owner_interface.h"
#include "widgets/window_interface.h"

namespace corvellane {

namespace {

// The text of the child "storage_string": its text, or the markup of its children.
auto StorageStringRow(std::string* (*field)(TPropertyObject&)) {
  return [field](TPropertyObject& o, IHierStorage* node) {
    *field(o) = node->GetChildCount("storage_string") > 0 ? node->GetChildContent("storage_string").ToText() : "";
  };
}

Ref<IWindow> ScreenWindow(IGameScreenOwner* owner, const std::string& screen_name) {
  Ref<IGSCollection> screens = owner ? owner->GetScreens() : nullptr;
  Ref<IGameScreenSlave> screen = screens ? screens->GetScreen(Variant(screen_name)) : nullptr;
  Ref<IWindow> window = screen ? screen->GetScreenWindow() : nullptr;
  return window && window->GetWidgets() ? window : nullptr;
}

// The root element of a storage string; none when it does not parse.
Ref<IHierStorageRoot> ParseElement(const std::string& text) {
  try {
    Ref<IHierStorageRoot> root = OpenStorageText(text, "storage_string");
    return root && !root->GetNodeName().empty() ? root : nullptr;
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace

void TAbstractSettingsCommand::Init() {
  TPropertyObject::Init();
  SetStorageName("command");
}

void TAbstractSettingsCommand::Report(std::string_view problem) const {
  LogWarning("custom settings command \"" + GetName() + "\" (" + GetTypeName() + "): " + std::string(problem) +
             "; skipped");
}

// ---- param_command ----

const TPropertyTable& TParamSettingsCommand::Properties() {
  using C = TParamSettingsCommand;
  using Table = TPropertyTableOf<C>;
  static const TPropertyTable table = Table(TAbstractSettingsCommand::Properties())
                                          .Text("paramname", &C::param_name_, "", Table::Always())
                                          .Text("value", &C::value_, "", Table::Always());
  return table;
}

void TParamSettingsCommand::Execute(IGameScreenOwner* owner) {
  if (param_name_.empty() || !owner) return;
  owner->SetGameParamTransient(param_name_, Variant(value_));
}

// ---- add_widget_command ----

const TPropertyTable& TAddWidgetSettingsCommand::Properties() {
  using C = TAddWidgetSettingsCommand;
  using Table = TPropertyTableOf<C>;
  static const TPropertyTable table =
      Table(TAbstractSettingsCommand::Properties())
          .Text("gamescreenname", &C::screen_name_, "", Table::Always())
          .Text("parent_widget_name", &C::parent_name_, "", Table::Always())
          .Custom("storage_string", nullptr, nullptr,
                  StorageStringRow([](TPropertyObject& o) { return &static_cast<C&>(o).storage_string_; }),
                  [](C& c, IHierStorage* node) {
                    if (!c.storage_string_.empty()) node->SetChildContent("storage_string", c.storage_string_);
                  });
  return table;
}

void TAddWidgetSettingsCommand::Execute(IGameScreenOwner* owner) {
  Ref<IWindow> window = ScreenWindow(owner, screen_name_);
  if (!window) return Report("no screen \"" + screen_name_ + "\"");
  Ref<IWidget> parent = window->FindWidget(parent_name_);
  if (!parent || !parent->GetWidgets() || !QueryInterface<IWidgetOwner>(parent))
    return Report("no widget container \"" + parent_name_ + "\" on " + screen_name_);
  try {
    AddTo(*parent);
  } catch (const std::exception& error) {
    Report(error.what());
  }
}

void TAddWidgetSettingsCommand::AddTo(IWidget& parent) {
  Ref<IHierStorageRoot> element = ParseElement(storage_string_);
  if (!element) return Report("the storage string is no XML element");
  const std::string type = element->GetValue("type", Variant("")).ToText();
  const std::string name = element->GetValue("name", Variant("")).ToText();
  Ref<IWidget> widget = QueryInterface<IWidget>(CreateNamed(type, name));
  if (!widget) return Report("\"" + type + "\" is no widget type");
  QueryInterface<IPersistable>(widget)->LoadFrom(element.get());
  Ref<IWidgetCollection> children = parent.GetWidgets();
  if (Ref<IWidget> old = parent.FindWidget(widget->GetName()); old && !widget->GetName().empty()) {
    old->SetDead(true);
    children->RemoveDead();
  }
  children->Add(widget);
}

// ---- widget_change_property_value_command ----

const TPropertyTable& TWidgetChangePropertyValueSettingsCommand::Properties() {
  using C = TWidgetChangePropertyValueSettingsCommand;
  using Table = TPropertyTableOf<C>;
  static const TPropertyTable table = Table(TAbstractSettingsCommand::Properties())
                                          .Text("gamescreenname", &C::screen_name_, "", Table::Always())
                                          .Text("widgetname", &C::widget_path_, "", Table::Always())
                                          .Text("paramname", &C::param_name_, "", Table::Always())
                                          .Text("value", &C::value_, "", Table::Always());
  return table;
}

void TWidgetChangePropertyValueSettingsCommand::Execute(IGameScreenOwner* owner) {
  Ref<IWindow> window = ScreenWindow(owner, screen_name_);
  if (!window) return Report("no screen \"" + screen_name_ + "\"");
  Ref<IWidgetCollection> level = window->GetWidgets();
  Ref<IWidget> widget;
  for (const std::string& name : SplitParamItems(widget_path_, '\\')) {
    if (!level) return Report("\"" + widget_path_ + "\" goes through a widget without children");
    widget = level->GetWidget(Variant(name));
    if (!widget) return Report("no widget \"" + widget_path_ + "\" on " + screen_name_);
    level = widget->GetWidgets();
  }
  if (!widget) return Report("no widget path");
  try {
    widget->SetProperty(param_name_, Variant(value_));
  } catch (const std::exception& error) {
    Report(error.what());
  }
}

// ---- load_resource_command ----

const TPropertyTable& TLoadResourcesSettingsCommand::Properties() {
  using C = TLoadResourcesSettingsCommand;
  using Table = TPropertyTableOf<C>;
  static const TPropertyTable table =
      Table(TAbstractSettingsCommand::Properties())
          .Text("groupname", &C::group_name_, "", Table::Always())
          .Custom("storage_string", nullptr, nullptr,
                  StorageStringRow([](TPropertyObject& o) { return &static_cast<C&>(o).storage_string_; }),
                  [](C& c, IHierStorage* node) {
                    if (!c.storage_string_.empty()) node->SetChildContent("storage_string", c.storage_string_);
                  });
  return table;
}

void TLoadResourcesSettingsCommand::Execute(IGameScreenOwner* owner) {
  IEngine* engine = owner ? owner->GetEngine() : nullptr;
  if (!engine) return;
  Ref<IHierStorageRoot> element = ParseElement(storage_string_);
  if (!element) return Report("the storage string is no XML element");
  try {
    engine->LoadResourceDefs(element.get(), group_name_, false);
  } catch (const std::exception& error) {
    Report(error.what());
  }
}

// ---- collection and registration ----

void TSettingsCommandCollection::Init() {
  TTypedCreationPersistItemCollection::Init();
  SetStorageName("commands");
  SetItemElementName("command");
}

void RegisterCustomSettingsClasses() {
  RegisterClass<TParamSettingsCommand>("param_command");
  RegisterClass<TAddWidgetSettingsCommand>("add_widget_command");
  RegisterClass<TWidgetChangePropertyValueSettingsCommand>("widget_change_property_value_command");
  RegisterClass<TLoadResourcesSettingsCommand>("load_resource_command");
}

}  // namespace corvellane
