#include "story/user_game_data.h"

#include "persistence/log.h"
#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "story/story_file.h"

namespace corvellane {

namespace {

constexpr std::string_view kRootName = "usergamedata";

std::string CasesElement(int copy) { return "cases" + FormatInt(copy); }

}  // namespace

const TPropertyTable& TUserGameData::Properties() {
  using D = TUserGameData;
  using Table = TPropertyTableOf<D>;
  static const TPropertyTable table = [] {
    Table rows(TPropertyObject::Properties());
    for (int n = 0; n < kStoryCopies; ++n) {
      const std::string suffix = FormatInt(n);
      auto copy = [n](D& d) -> TCopy& { return d.copies_[n]; };
      rows.Text("currentcase" + suffix, [copy](D& d) { return copy(d).current_case; },
                [copy](D& d, std::string v) { copy(d).current_case = std::move(v); }, "", Table::Always())
          .Int("scores" + suffix, [copy](D& d) { return copy(d).scores; },
               [copy](D& d, int32_t v) { copy(d).scores = v; }, 0, Table::Always())
          .Int("Level" + suffix, [copy](D& d) { return copy(d).level; },
               [copy](D& d, int32_t v) { copy(d).level = v; }, 1, Table::Always());
    }
    return static_cast<TPropertyTable>(rows);
  }();
  return table;
}

void TUserGameData::Init() {
  TPropertyObject::Init();
  SetStorageName(kRootName);
  SetTypeName({});
  for (TCopy& copy : copies_) copy.cases = CreateObject<TUGDCaseCollection>();
}

void TUserGameData::Cleanup() {
  Detach();
  for (TCopy& copy : copies_) copy.cases->Cleanup();
}

void TUserGameData::Reset() {
  for (TCopy& copy : copies_) {
    copy.cases->Cleanup();
    copy.current_case.clear();
    copy.scores = 0;
    copy.level = 1;
  }
}

void TUserGameData::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  for (int n = 0; n < kStoryCopies; ++n)
    if (node->GetChildCount(CasesElement(n)) > 0) LoadCopy(node->GetChild(CasesElement(n), 0).get(), n);
}

void TUserGameData::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  for (int n = 0; n < kStoryCopies; ++n)
    if (copies_[n].cases->Count() > 0) SaveChild(copies_[n].cases.get(), node, CasesElement(n));
}

void TUserGameData::AttachAndLoad(IUserProfileCollection* profiles, IUserProfile* profile) {
  profiles_ = profiles;
  profile_ = profile;
  Reset();
  const std::string text = profile ? profile->GetDataText() : std::string();
  if (text.empty()) return;
  try {
    Ref<IHierStorageRoot> root = OpenStorageText(text, "users.dat");
    if (root) LoadFrom(root.get());
  } catch (const EStorageParseError& error) {
    Reset();
    LogWarning("the story of player \"" + profile->GetName() + "\" cannot be read (" + error.what() +
               "); it starts empty");
  }
}

void TUserGameData::Detach() {
  profiles_ = nullptr;
  profile_ = nullptr;
}

bool TUserGameData::SaveToProfile() {
  if (!profiles_ || !profile_) return false;
  profile_->SetDataText(SaveToText());
  return profiles_->SaveProfiles();
}

void TUserGameData::LoadCopy(IHierStorage* cases, int copy) {
  if (copy < 0 || copy >= kStoryCopies) return;
  copies_[copy].cases->Cleanup();
  if (cases) copies_[copy].cases->LoadFrom(cases);
}

void TUserGameData::SelectCopy(int copy) {
  if (copy >= 0 && copy < kStoryCopies) selected_ = copy;
}

std::string TUserGameData::SaveToText() { return StoryDocumentText(this, kRootName); }

}  // namespace corvellane
