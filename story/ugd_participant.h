// ugd_participant.h: TUGDParticipant, a person of a case: the client or the
// ideal match, with the categories the person likes.
//
//   <participant name="bert" caption="%name_bert%" age="41" description="%about_bert%"
//                avatar="img_portrait_bert" categories=";sweets;music;" type="client"/>
//
// "type" is "client" or "ideal_match" exactly (any other text, "Client"
// included, is neither) and is written from the two flags. The display
// caption is the language file's "%participant_caption_pattern%" with the
// macros "participant_name" (the localised caption) and "participant_age";
// a language file without the pattern shows the localised caption.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "story/story_collection.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TUGDParticipant : public TPropertyObject, public virtual IUGDParticipant {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  // Loading forgets the display caption worked out before.
  void LoadProperties(IHierStorage* node) override;

  std::string GetDisplayCaption() override;
  void SetDisplayCaption(std::string_view caption) override { display_caption_ = std::string(caption); }
  std::string GetCaption() const override { return caption_; }
  std::string GetAge() const override { return age_; }
  std::string GetDescription() const override { return description_; }
  void SetDescription(std::string_view description) override { description_ = std::string(description); }
  std::string GetAvatar() const override { return avatar_; }
  void SetAvatar(std::string_view avatar) override { avatar_ = std::string(avatar); }
  bool IsClient() const override { return client_; }
  void SetClient(bool client) override { client_ = client; }
  bool IsIdealMatch() const override { return ideal_match_; }
  void SetIdealMatch(bool ideal_match) override { ideal_match_ = ideal_match; }
  std::string GetCategories() const override { return categories_; }
  void SetCategories(std::string_view categories) override { categories_ = std::string(categories); }

 private:
  std::string caption_;
  std::string age_;
  std::string description_;
  std::string avatar_;
  std::string categories_;
  bool client_ = false;
  bool ideal_match_ = false;
  std::optional<std::string> display_caption_;
};

class TUGDParticipantCollection : public TStoryCollection<TUGDParticipant, IUGDParticipant> {
 public:
  TUGDParticipantCollection() : TStoryCollection("participants", "participant") {}
};

}  // namespace corvellane
