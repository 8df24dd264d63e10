#include "game/custom_settings.h"

#include <exception>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "persistence/storage.h"

namespace corvellane {

const TPropertyTable& TCustomSettings::Properties() {
  using S = TCustomSettings;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table = Table(TPropertyObject::Properties())
                                          .Text("filename", &S::file_name_, "", Table::Always())
                                          .Text("key", &S::key_, &S::key_, "");
  return table;
}

void TCustomSettings::Init() {
  TPropertyObject::Init();
  SetStorageName("custom_setting");
  SetTypeName("");
  commands_ = CreateObject<TSettingsCommandCollection>();
}

void TCustomSettings::Cleanup() {
  if (commands_) commands_->Cleanup();
  TPropertyObject::Cleanup();
}

void TCustomSettings::LoadCommands(IEngine* engine) {
  if (!engine || file_name_.empty()) return;
  try {
    const std::string text =
        engine->ReadTextFile(file_name_, key_.empty() ? std::nullopt : std::optional<std::string_view>(key_));
    if (text.empty()) return LogWarning("custom settings \"" + GetName() + "\": " + file_name_ + " could not be read");
    Ref<IHierStorageRoot> root = OpenStorageText(text, file_name_);
    if (!root || root->GetChildCount("commands") == 0)
      return LogWarning("custom settings \"" + GetName() + "\": " + file_name_ + " holds no commands");
    LoadChild(commands_.get(), root.get(), "commands");
  } catch (const std::exception& error) {
    // What loaded before the error stays.
    LogWarning("custom settings \"" + GetName() + "\": " + file_name_ + " could not be read (" + error.what() + ")");
  }
}

void TCustomSettings::ExecuteCommands(IGameScreenOwner* owner) {
  if (!owner) return;
  for (int i = 0; i < commands_->Count(); ++i)
    if (Ref<ISettingsCommand> command = commands_->GetCommand(Variant(i))) command->Execute(owner);
}

void TCustomSettingsCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("custom_settings");
  SetItemElementName("custom_setting");
  SetItemClass<TCustomSettings>();
}

void TCustomSettingsCollection::StartAll(IEngine* engine, IGameScreenOwner* owner) {
  for (int i = 0; i < Count(); ++i) {
    Ref<TCustomSettings> setting = GetSetting(Variant(i));
    if (!setting) continue;
    setting->LoadCommands(engine);
    setting->ExecuteCommands(owner);
  }
}

}  // namespace corvellane
