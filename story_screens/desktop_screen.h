// desktop_screen.h: TCorvellaneGameScreenDesktop ("CorvellaneGameScreenDesktop"),
// the agency's desk: the client's card and the cards of the candidates.
//
// The map opens it ("GS_Desktop") when a stage starts (to meet the people
// of the case) and, with "show_full_info" = yes, when the stage ends: then
// the cards show the categories each person likes, and the player ticks on
// a candidate's card the rows the client likes too. A candidate whose every
// row is ticked is the match: the cards move together ("move_cards_to_center")
// and the close button comes back.
//
//   map:  owner->ShowScreen("GS_Desktop", MakeParams({{"show_full_info", Variant(true)}}));
//
// The screen file provides "participant_cards_group" and the factories
// "participant_photo" (the portrait flying in), "participant_card" (the card,
// whose "inner_widget" holds the rows "category<n>" with their "selected"
// and "check" marks) and "move_cards_to_center"; the widgets "button_close",
// "block_close", "on_client_click" and "client_all_checked". Cards fly from
// (start x, start y) to their place; the first card waits 1200 ms, each next
// one 100 ms less. The client's card is the first client of the case; up to
// three other participants get a card (two or three are laid out).
//
// A full desktop that no candidate can ever complete (no candidate likes all
// that the client likes) keeps its close button, with a warning naming the
// case: the player is never shut in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "screens/game_screen.h"
#include "story/category_interface.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TCorvellaneGameScreenDesktop : public TGameScreen {
 public:
  void ClearOwner() override;
  bool MouseEvent(const PlatformEvent& event) override;

  // For tests: the card widgets, client first; none before opening.
  Ref<IWidget> GetClientCard() const { return client_card_; }
  int GetOtherCount() const { return static_cast<int>(others_.size()); }

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;

 private:
  struct TCardPlace {
    int32_t start_x, start_y, end_x, end_y, start_angle, end_angle;
  };

  void FindParticipants();
  void LayOutCards();
  Ref<IWidget> MakeCard(IUGDParticipant& person, const TCardPlace& place, bool categories_shown);
  void CheckCategory(IWidget* card, TPoint point, bool click);
  void ForgetLastCard();
  void CompleteMatch(IWidget& card);
  void ShowClientAllChecked(const std::vector<std::string>& client_list, const std::string& row_category);
  bool CanAnyoneMatch() const;
  void SetShown(std::string_view name, bool shown);

  Ref<IUserGameData> story_;
  Ref<IUGDCase> case_;
  Ref<ICategoryCollection> categories_;
  Ref<IUGDParticipant> client_;
  std::vector<Ref<IUGDParticipant>> others_;
  Ref<IWidget> cards_group_;
  Ref<IWidget> client_card_;
  Ref<IWidget> last_card_;
  int32_t card_time_ = 0;
  int32_t last_row_ = 0;
  bool show_full_ = false;
  TMouseButtons mouse_buttons_;
};

}  // namespace corvellane
