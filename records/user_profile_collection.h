// user_profile_collection.h: TUserProfileCollection, every player of the
// installation and which one is current, kept in "users.dat".
//
// The file name and the cipher key come from the creation parameters "file"
// and "cryptkey" (product::DefaultUserProfiles()). The file lives only in the
// settings folder and is written through the engine, atomically:
//
//   <userprofiles current_user_profile_name="Ann">
//     <userprofile name="Ann">...</userprofile>
//   </userprofiles>
//
// Names are compared without regard to letter case; two elements of one name
// load into one profile. A "current_user_profile_name" naming no profile
// leaves no current profile.
//
// A "users.dat" that exists but cannot be read, deciphered or parsed holds
// the players' progress, damaged: it is renamed aside (record_file.h) and the
// log says so. Should the rename fail, the collection refuses to save, so the
// damaged file is never overwritten by an empty list.
//
//   auto profiles = CreateObject<TUserProfileCollection>(product::DefaultUserProfiles());
//   profiles->AttachEngine(engine);     // loads
//   profiles->SelectProfile("Ann");
//   profiles->DetachEngine();           // saves
#pragma once

#include <string>
#include <string_view>

#include "persistence/collections.h"
#include "records/record_file.h"
#include "records/user_profile.h"
#include "records/user_profile_interface.h"

namespace corvellane {

class TUserProfileCollection : public TPersistItemCollection, public virtual IUserProfileCollection {
 public:
  void Init() override;
  void SetParam(std::string_view key, std::string_view value) override;
  void Cleanup() override;

  // Each "userprofile" element loads into the profile of its name (made when
  // missing); then the current profile is selected by name.
  void LoadProperties(IHierStorage* node) override;
  void LoadItem(IHierStorage* child) override;
  // The profiles, then "current_user_profile_name" when there is one.
  void SaveProperties(IHierStorage* node) override;

  // A name that is not present deletes nothing. Deleting the current
  // profile leaves no current profile.
  void DeleteItem(const Variant& key) override;

  Ref<IUserProfile> GetProfile(const Variant& key) override;
  Ref<IUserProfile> GetCurrentProfile() override { return current_; }
  Ref<IUserProfile> SelectProfile(std::string_view name) override;
  Ref<IUserProfile> GetOrCreateProfile(std::string_view name) override;

  void AttachEngine(IEngine* engine) override;
  void DetachEngine() override;
  void LoadProfiles(IEngine* engine) override;
  bool SaveProfiles(IEngine* engine) override;
  bool SaveProfiles() override { return SaveProfiles(engine_); }

 private:
  Ref<IUserProfile> current_;
  RecordFile file_;
  IEngine* engine_ = nullptr;
  // Set when a damaged file could not be moved aside.
  bool damaged_file_in_place_ = false;
};

}  // namespace corvellane
