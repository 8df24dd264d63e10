#include "story/ugd_participant.h"

#include "persistence/localization.h"
#include "persistence/property_table.h"
#include "persistence/value_access.h"

namespace corvellane {

namespace {

constexpr std::string_view kClient = "client";
constexpr std::string_view kIdealMatch = "ideal_match";

}  // namespace

const TPropertyTable& TUGDParticipant::Properties() {
  using P = TUGDParticipant;
  static const TPropertyTable table =
      TPropertyTableOf<P>(TPropertyObject::Properties())
          .Text("caption", &P::caption_)
          .Text("age", &P::age_)
          .Text("description", &P::description_)
          .Text("avatar", &P::avatar_)
          .Text("categories", &P::categories_)
          .Custom(
              "type",
              [](P& p) { return Variant(p.client_ ? kClient : p.ideal_match_ ? kIdealMatch : std::string_view()); },
              nullptr,
              [](P& p, IHierStorage* node) {
                const std::string type = ReadText(node, "type");
                p.client_ = type == kClient;
                p.ideal_match_ = type == kIdealMatch;
              },
              [](P& p, IHierStorage* node) {
                const std::string_view type = p.client_ ? kClient : p.ideal_match_ ? kIdealMatch : std::string_view();
                WriteText(node, "type", type, !type.empty());
              });
  return table;
}

void TUGDParticipant::Init() {
  TPropertyObject::Init();
  SetStorageName("participant");
  SetTypeName({});
}

void TUGDParticipant::LoadProperties(IHierStorage* node) {
  display_caption_.reset();
  TPropertyObject::LoadProperties(node);
}

std::string TUGDParticipant::GetDisplayCaption() {
  if (display_caption_) return *display_caption_;
  // Macro values are not expanded again: the caption ("%name_bert%") goes in
  // already localised, or the pattern would show the reference itself.
  const std::string name = Localize(caption_);
  SetMacro("participant_name", name);
  SetMacro("participant_age", Localize(age_));
  std::string shown = Localize("%participant_caption_pattern%");
  display_caption_ = shown.empty() ? name : shown;
  return *display_caption_;
}

}  // namespace corvellane
