// user_profile_interface.h: the players of an installation, as the screens
// and the story data see them.
//
// A profile is a player's name, loose named values and one opaque text in
// which the story keeps the player's progress (story/user_game_data.h). The
// collection holds every profile and which one is current; it lives in
// "users.dat" in the settings folder (user_profile_collection.h).
//
//   Ref<IUserProfile> ann = profiles->GetOrCreateProfile("Ann");
//   profiles->SelectProfile("Ann");
//   ann->SetDataText(story_text);
//   profiles->SaveProfiles();
#pragma once

#include <string>
#include <string_view>

#include "engine/engine_interface.h"
#include "persistence/object.h"
#include "persistence/params.h"

namespace corvellane {

struct IUserProfile : virtual INamedObject {
  virtual Ref<IParamCollection> GetParams() = 0;
  virtual std::string GetDataText() const = 0;
  virtual void SetDataText(std::string_view text) = 0;
};

struct IUserProfileCollection : virtual ICollection {
  // Key variant: position or name (any letter case); none when absent.
  virtual Ref<IUserProfile> GetProfile(const Variant& key) = 0;
  virtual Ref<IUserProfile> GetCurrentProfile() = 0;
  // The profile of that name becomes current; none (and no current profile)
  // when there is no such profile.
  virtual Ref<IUserProfile> SelectProfile(std::string_view name) = 0;
  // The profile of that name, or a new one of that name, added.
  virtual Ref<IUserProfile> GetOrCreateProfile(std::string_view name) = 0;

  // The engine is a plain back link: attaching loads the profiles from the
  // settings folder, detaching saves them and forgets the engine.
  virtual void AttachEngine(IEngine* engine) = 0;
  virtual void DetachEngine() = 0;
  virtual void LoadProfiles(IEngine* engine) = 0;
  // False when the file could not be written (or must not be: see
  // user_profile_collection.h).
  virtual bool SaveProfiles(IEngine* engine) = 0;
  // SaveProfiles through the attached engine; false without one.
  virtual bool SaveProfiles() = 0;
};

}  // namespace corvellane
