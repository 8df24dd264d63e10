// Arbitrary bytes as users.dat, the players' profiles in the settings folder
// (fuzz_support.h: "<" text is enciphered first): the profiles read what
// they can or set the file aside; every profile's story data loads into a
// story; saved and read again, the profiles give the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "fuzz/fuzz_support.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "records/user_profile_collection.h"
#include "shell/declarations.h"
#include "story/user_game_data.h"

using namespace corvellane;

namespace {

constexpr size_t kMaxInputSize = 32 * 1024;
constexpr int kMostProfiles = 16;

IEngine& Engine() {
  static THeadlessPlatform platform{HeadlessOptions{}};
  static Ref<TEngine> engine = CreateEngine(platform);
  return *engine;
}

std::string Saved(TUserProfileCollection& profiles) {
  Ref<IHierStorageRoot> document = CreateStorage("userprofiles");
  document->WriteObject(&profiles);
  return document->SaveToText();
}

void LoadStories(TUserProfileCollection& profiles) {
  for (int i = 0; i < profiles.Count() && i < kMostProfiles; ++i) {
    Ref<IUserProfile> profile = profiles.GetProfile(Variant(i));
    if (!profile) continue;
    auto story = CreateObject<TUserGameData>();
    story->AttachAndLoad(&profiles, profile.get());
    story->SaveToText();
    story->Cleanup();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  FuzzSettingsFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInputSize) return 0;
  FuzzSettingsFolder().Put(product::UserProfilesFileName,
                           StoredForm(AsText(data, size), product::FileKeyText(product::FileKey::Profiles)));
  auto profiles = CreateObject<TUserProfileCollection>(product::DefaultUserProfiles());
  profiles->LoadProfiles(&Engine());
  LoadStories(*profiles);
  profiles->GetOrCreateProfile("fuzz");
  if (profiles->SaveProfiles(&Engine())) {
    auto again = CreateObject<TUserProfileCollection>(product::DefaultUserProfiles());
    again->LoadProfiles(&Engine());
    FuzzCheck(Saved(*again) == Saved(*profiles));
    again->Cleanup();
  }
  profiles->Cleanup();
  return 0;
}
