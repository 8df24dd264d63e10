#include "records/user_profile_collection.h"

#include <exception>
#include <filesystem>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/paths.h"
#include "persistence/value_access.h"

namespace corvellane {

namespace {

constexpr std::string_view kRootName = "userprofiles";
constexpr std::string_view kCurrentKey = "current_user_profile_name";

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

}  // namespace

void TUserProfileCollection::Init() {
  TPersistItemCollection::Init();
  SetStorageName(kRootName);
  SetItemElementName("userprofile");
}

void TUserProfileCollection::SetParam(std::string_view key, std::string_view value) {
  if (!file_.SetParam(key, value)) TPersistItemCollection::SetParam(key, value);
}

void TUserProfileCollection::Cleanup() {
  current_ = nullptr;
  for (int i = 0; i < Count(); ++i)
    if (auto* profile = dynamic_cast<IPersistObject*>(GetItem(Variant(i)).get())) profile->Cleanup();
  TPersistItemCollection::Cleanup();
}

void TUserProfileCollection::LoadProperties(IHierStorage* node) {
  TPersistItemCollection::LoadProperties(node);
  // A missing name means no current player, even when a damaged file holds
  // a profile whose name was lost: saving writes no name when none is
  // current, and reading that back must not pick the nameless profile.
  const std::string current = ReadText(node, kCurrentKey);
  if (current.empty())
    current_ = nullptr;
  else
    SelectProfile(current);
}

void TUserProfileCollection::LoadItem(IHierStorage* child) {
  Ref<IUserProfile> profile = GetOrCreateProfile(ReadText(child, "name"));
  LoadObject(profile.get(), child);
}

void TUserProfileCollection::SaveProperties(IHierStorage* node) {
  TPersistItemCollection::SaveProperties(node);
  if (current_) WriteText(node, kCurrentKey, current_->GetName(), true);
}

void TUserProfileCollection::DeleteItem(const Variant& key) {
  Ref<IUserProfile> doomed = GetProfile(key);
  if (!doomed) return;
  TPersistItemCollection::DeleteItem(Variant(static_cast<int32_t>(IndexOf(doomed->GetName()))));
  if (current_ == doomed) current_ = nullptr;
}

Ref<IUserProfile> TUserProfileCollection::GetProfile(const Variant& key) { return GetItemAs<IUserProfile>(key); }

Ref<IUserProfile> TUserProfileCollection::SelectProfile(std::string_view name) {
  current_ = GetProfile(Variant(name));
  return current_;
}

Ref<IUserProfile> TUserProfileCollection::GetOrCreateProfile(std::string_view name) {
  if (Ref<IUserProfile> found = GetProfile(Variant(name))) return found;
  Ref<TUserProfile> profile = CreateObject<TUserProfile>();
  profile->SetName(name);
  AddItem(profile);
  return profile;
}

void TUserProfileCollection::AttachEngine(IEngine* engine) {
  engine_ = engine;
  LoadProfiles(engine);
}

void TUserProfileCollection::DetachEngine() {
  SaveProfiles(engine_);
  engine_ = nullptr;
}

void TUserProfileCollection::LoadProfiles(IEngine* engine) {
  if (!engine || file_.file_name.empty()) return;
  // Only the settings folder holds players; the program folder ships none.
  const std::string path = JoinPath(engine->GetSettingsFolder(), file_.file_name);
  if (!FileExists(path)) return;
  Ref<IHierStorageRoot> root = ReadRecordFile(*engine, file_, false);
  if (!root) {
    // Setting the file aside reports it; one still in place must not be
    // overwritten by an empty list.
    damaged_file_in_place_ = FileExists(path);
    if (damaged_file_in_place_) LogWarning(path + " stays as it is: the players of this run are not saved");
    return;
  }
  // What was read before a fault stays.
  try {
    LoadProperties(root.get());
  } catch (const std::exception& error) {
    LogWarning(path + ": the players could only be read in part (" + error.what() + ")");
  }
}

bool TUserProfileCollection::SaveProfiles(IEngine* engine) {
  if (!engine || damaged_file_in_place_) return false;
  return WriteRecordFile(*engine, file_, *this, kRootName);
}

}  // namespace corvellane
