#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "records/user_profile_collection.h"
#include "shell/declarations.h"
#include "tests/records/records_fixture.h"

namespace corvellane {
namespace {

using testing::RecordsTest;

const std::string kKey(product::FileKeyText(product::FileKey::Profiles));

Ref<TUserProfileCollection> NewProfiles() {
  return CreateObject<TUserProfileCollection>(product::DefaultUserProfiles());
}

std::vector<std::string> Names(IUserProfileCollection& profiles) {
  std::vector<std::string> names;
  for (int i = 0; i < profiles.Count(); ++i) names.push_back(profiles.GetProfile(Variant(i))->GetName());
  return names;
}

class UserProfiles : public RecordsTest {
 protected:
  // The profiles of a plain "userprofiles" document written as users.dat.
  Ref<TUserProfileCollection> LoadedFrom(std::string_view xml) {
    WriteEnciphered("settings/users.dat", kKey, xml);
    Ref<TUserProfileCollection> profiles = NewProfiles();
    profiles->LoadProfiles(engine());
    return profiles;
  }
};

TEST_F(UserProfiles, SavedProfilesLoadBackToTheSameText) {
  Ref<TUserProfileCollection> profiles = NewProfiles();
  Ref<IUserProfile> ann = profiles->GetOrCreateProfile("Ann");
  ann->GetParams()->SetNamedValue("avatar", Variant("3"));
  ann->SetDataText("<usergamedata Level0=\"4\"/>");
  profiles->GetOrCreateProfile("Bob");
  profiles->SelectProfile("ann");
  profiles->AttachEngine(engine());  // nothing to load yet
  EXPECT_EQ(profiles->Count(), 2);
  profiles->DetachEngine();  // saves
  const std::string first = ReadDeciphered("settings/users.dat", kKey);
  ASSERT_FALSE(first.empty());

  Ref<TUserProfileCollection> loaded = NewProfiles();
  loaded->LoadProfiles(engine());
  ASSERT_TRUE(loaded->SaveProfiles(engine()));
  EXPECT_EQ(ReadDeciphered("settings/users.dat", kKey), first);
  EXPECT_EQ(loaded->GetCurrentProfile()->GetName(), "Ann");
  EXPECT_EQ(loaded->GetProfile(Variant("BOB"))->GetDataText(), "");
  EXPECT_EQ(loaded->GetProfile(Variant("Ann"))->GetDataText(), "<usergamedata Level0=\"4\"/>");
  EXPECT_NE(first.find("current_user_profile_name=\"Ann\""), std::string::npos);
  // Bob's empty data text leaves no element behind.
  EXPECT_EQ(first.find("<datastorage>"), first.rfind("<datastorage>"));
}

TEST_F(UserProfiles, TwoElementsOfOneNameLoadIntoOneProfile) {
  Ref<TUserProfileCollection> profiles = LoadedFrom(
      R"(<userprofiles current_user_profile_name="nobody">)"
      R"(<userprofile name="Ann"><params><param name="a" value="1"/><param name="b" value="2"/></params>)"
      R"(<datastorage>old</datastorage></userprofile>)"
      R"(<userprofile name="ANN"><params><param name="b" value="3"/></params></userprofile></userprofiles>)");
  ASSERT_EQ(profiles->Count(), 1);
  Ref<IUserProfile> ann = profiles->GetProfile(Variant(0));
  EXPECT_EQ(ann->GetParams()->GetNamedValue("a", Variant()).ToText(), "1");
  EXPECT_EQ(ann->GetParams()->GetNamedValue("b", Variant()).ToText(), "3");
  EXPECT_EQ(ann->GetDataText(), "old");
  EXPECT_FALSE(profiles->GetCurrentProfile());
}

TEST_F(UserProfiles, AProfileWhoseNameWasLostIsNeverTakenForTheCurrentOne) {
  // The current player's element lost its name: no profile is current, and
  // saved and read again the file stays the same (the nameless profile is
  // not picked by a missing current name).
  Ref<TUserProfileCollection> profiles = LoadedFrom(
      R"(<userprofiles current_user_profile_name="Ann"><userprofile nme="Ann"><datastorage>d</datastorage>)"
      R"(</userprofile><userprofile name="Bob"/></userprofiles>)");
  EXPECT_EQ(Names(*profiles), (std::vector<std::string>{"", "Bob"}));
  EXPECT_FALSE(profiles->GetCurrentProfile());
  ASSERT_TRUE(profiles->SaveProfiles(engine()));
  const std::string first = ReadDeciphered("settings/users.dat", kKey);
  Ref<TUserProfileCollection> again = NewProfiles();
  again->LoadProfiles(engine());
  EXPECT_FALSE(again->GetCurrentProfile());
  ASSERT_TRUE(again->SaveProfiles(engine()));
  EXPECT_EQ(ReadDeciphered("settings/users.dat", kKey), first);
}

TEST_F(UserProfiles, DeletingTheCurrentProfileLeavesNoneCurrent) {
  struct Case {
    const char* deleted;
    const char* current_after;
    std::vector<std::string> left;
  };
  for (const Case& c : std::vector<Case>{{"bob", "Ann", {"Ann", "Cy"}},
                                         {"Ann", "", {"Bob", "Cy"}},
                                         {"nobody", "Ann", {"Ann", "Bob", "Cy"}}}) {
    Ref<TUserProfileCollection> profiles = NewProfiles();
    for (const char* name : {"Ann", "Bob", "Cy"}) profiles->GetOrCreateProfile(name);
    profiles->SelectProfile("Ann");
    profiles->DeleteItem(Variant(c.deleted));
    Ref<IUserProfile> current = profiles->GetCurrentProfile();
    EXPECT_EQ(current ? current->GetName() : "", c.current_after) << c.deleted;
    EXPECT_EQ(Names(*profiles), c.left) << c.deleted;
  }
}

TEST_F(UserProfiles, ADamagedFileIsKeptAsideReportedAndNeverOverwritten) {
  for (const char* damaged : {"not hexadecimal at all", "ABCD", ""}) {
    if (*damaged)
      Write("settings/users.dat", damaged);
    else
      WriteEnciphered("settings/users.dat", "another key", "<userprofiles/>");
    TLogCapture log;
    Ref<TUserProfileCollection> profiles = NewProfiles();
    profiles->AttachEngine(engine());
    EXPECT_EQ(profiles->Count(), 0);
    EXPECT_GE(log.Count("users.dat"), 1) << damaged;
    ASSERT_EQ(AsideCopies("users.dat").size(), 1u) << damaged;
    profiles->GetOrCreateProfile("New");
    profiles->DetachEngine();
    EXPECT_NE(ReadDeciphered("settings/users.dat", kKey).find("New"), std::string::npos);
    for (const std::string& aside : AsideCopies("users.dat")) Remove(aside);
  }
}

TEST_F(UserProfiles, ADataTextThatIsNotUtf8CannotEmptyTheFile) {
  Ref<TUserProfileCollection> profiles = NewProfiles();
  profiles->GetOrCreateProfile("Ann")->SetDataText("caf\xE9 <x/>");
  profiles->GetOrCreateProfile("Bob");
  ASSERT_TRUE(profiles->SaveProfiles(engine()));
  Ref<TUserProfileCollection> loaded = NewProfiles();
  loaded->LoadProfiles(engine());
  ASSERT_EQ(loaded->Count(), 2);
  EXPECT_EQ(loaded->GetProfile(Variant("Ann"))->GetDataText(), "caf\xC3\xA9 <x/>");
}

TEST_F(UserProfiles, AFailedSaveLeavesTheOldFile) {
  Ref<TUserProfileCollection> profiles = NewProfiles();
  profiles->GetOrCreateProfile("Ann");
  ASSERT_TRUE(profiles->SaveProfiles(engine()));
  const std::string before = Read("settings/users.dat");
  engine()->fail_writes = true;
  profiles->GetOrCreateProfile("Bob");
  EXPECT_FALSE(profiles->SaveProfiles(engine()));
  EXPECT_EQ(Read("settings/users.dat"), before);
  EXPECT_FALSE(profiles->SaveProfiles());  // no engine attached
}

}  // namespace
}  // namespace corvellane
