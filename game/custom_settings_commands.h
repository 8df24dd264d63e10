// custom_settings_commands.h: the commands of a custom settings file
// (custom_settings.h), each a persistent object created by its "type".
//
//   <settings><commands>
//     <command name="volume" type="param_command" paramname="MusicVolume" value="40"/>
//     <command name="garland" type="add_widget_command" gamescreenname="GS_Main"
//              parent_widget_name="ui_group">
//       <storage_string><widget type="image_widget" name="garland" .../></storage_string>
//     </command>
//     <command name="title_gold" type="widget_change_property_value_command"
//              gamescreenname="GS_Main" widgetname="ui_group\title" paramname="transparentlevel" value="200"/>
//     <command name="winter" type="load_resource_command" groupname="winter">
//       <storage_string><content> (resource definitions) </content></storage_string>
//     </command>
//   </commands></settings>
//
// "param_command" sets a game parameter for this run (applied to the
// engine, not kept in the options store). "add_widget_command" adds the
// widget of its storage string to the parent (a path from the screen's
// root), replacing a child of the same name. "widget_change_property_value_command"
// walks "a\b\c" from the screen's top-level widgets and sets the property.
// "load_resource_command" loads the resource definitions of its storage
// string under the group name. A command that cannot do its work (no such
// screen, parent or widget, text that does not parse, a type that is no
// widget) does nothing and says why in the log.
#pragma once

#include <string>

#include "persistence/collections.h"
#include "persistence/object.h"
#include "widgets/game_screen_owner_interface.h"
#include "widgets/widget_interface.h"

namespace corvellane {

struct ISettingsCommand : virtual INamedObject {
  virtual void Execute(IGameScreenOwner* owner) = 0;
};

class TAbstractSettingsCommand : public TPropertyObject, public virtual ISettingsCommand {
 public:
  void Init() override;
  void Execute(IGameScreenOwner* owner) override {}

 protected:
  // A warning naming the command.
  void Report(std::string_view problem) const;
};

class TParamSettingsCommand : public TAbstractSettingsCommand {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Execute(IGameScreenOwner* owner) override;

 private:
  std::string param_name_;
  std::string value_;
};

class TAddWidgetSettingsCommand : public TAbstractSettingsCommand {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Execute(IGameScreenOwner* owner) override;

 private:
  void AddTo(IWidget& parent);

  std::string screen_name_;
  std::string parent_name_;
  std::string storage_string_;
};

class TWidgetChangePropertyValueSettingsCommand : public TAbstractSettingsCommand {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Execute(IGameScreenOwner* owner) override;

 private:
  std::string screen_name_;
  std::string widget_path_;
  std::string param_name_;
  std::string value_;
};

class TLoadResourcesSettingsCommand : public TAbstractSettingsCommand {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Execute(IGameScreenOwner* owner) override;

 private:
  std::string group_name_;
  std::string storage_string_;
};

// "commands": each item created by its "type", filed under its name (a
// second command of a name, the empty one included, is dropped).
class TSettingsCommandCollection : public TTypedCreationPersistItemCollection {
 public:
  void Init() override;
  Ref<ISettingsCommand> GetCommand(const Variant& key) { return GetItemAs<ISettingsCommand>(key); }
  bool AppendCommand(Ref<ISettingsCommand> command) { return AddItem(command); }
};

// "param_command", "add_widget_command", "widget_change_property_value_command",
// "load_resource_command".
void RegisterCustomSettingsClasses();

}  // namespace corvellane
