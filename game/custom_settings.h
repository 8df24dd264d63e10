// custom_settings.h: TCustomSettings ("custom_setting") and
// TCustomSettingsCollection ("custom_settings"): data files that change the
// game after it has loaded, without touching the game definition.
//
//   <game type="Game" ...>
//     <custom_settings>
//       <custom_setting name="season" filename="data\ini\season.ini" key="..."/>
//     </custom_settings>
//   </game>
//
// When the game attaches the engine, each setting in turn reads its file
// (deciphered with "key" when one is given), loads the commands of the root
// element's first "commands" child (custom_settings_commands.h) and runs
// them in file order; so a later command can change a widget an earlier one
// added, and the next setting's file is read only after. A file that is
// missing, cannot be deciphered or does not parse gives no commands and a
// warning; the game goes on. Removing the file removes what it added.
//
//   settings->StartAll(engine, game);
#pragma once

#include <string>

#include "engine/engine_interface.h"
#include "game/custom_settings_commands.h"

namespace corvellane {

class TCustomSettings : public TPropertyObject {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  void Cleanup() override;

  void LoadCommands(IEngine* engine);
  void ExecuteCommands(IGameScreenOwner* owner);
  TSettingsCommandCollection& Commands() { return *commands_; }

 private:
  std::string file_name_;
  std::string key_;
  Ref<TSettingsCommandCollection> commands_;
};

class TCustomSettingsCollection : public TStaticCreationPersistItemCollection {
 public:
  void Init() override;
  Ref<TCustomSettings> GetSetting(const Variant& key) { return GetItemAs<TCustomSettings>(key); }
  // Each setting's commands loaded and run, in collection order.
  void StartAll(IEngine* engine, IGameScreenOwner* owner);
};

}  // namespace corvellane
