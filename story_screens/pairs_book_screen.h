// pairs_book_screen.h: TCorvellaneGameScreenPairsBook ("CorvellaneGameScreenPairsBook"),
// the book of matched pairs: one page per case, two cases per spread.
//
// The map opens it ("GS_PairsBook") once at the end of each case, with the
// case's parameters ("completed" = yes: the new pair's card is placed on its
// page by the "card_place_animation" factory). It opens at the spread of the
// current case (case position div 2); the sheets are made from the factory
// "pairs_book_sheet" with "name", "posx", "posy", "frame_num" (the case's
// "case_final_frame_num", "01" by default), "image" ("case_final_image"),
// "participant0", "participant1", ... (the client's and the ideal match's
// shown names), "completed" and "visible".
//
// The buttons "button_left_sheet_<n>" and "button_right_sheet_<n>" (n from 0
// to 4, the tabs at the book's edges) turn to spread n: the book is pictured
// before and after the turn (798 x 616 pixels from (60, 40)) and the
// transition effect made by "scenario_page_thumbing_left" (forwards) or
// "scenario_page_thumbing_right" (backwards) plays between the two
// pictures ("surface1", "surface2") for 500 ms, with "sound_page_thumbing".
// The stacks of pages at the book's edges ("left_part_image",
// "right_part_image" and the four corner images: strips of frames chosen by
// "resourceleft" or "resourcetop") grow on one side and shrink on the other,
// the side the page leaves at once and the other when it lands.
//
//   screen file: <widget type="group_widget" name="book_group" ...> the
//   book picture, "left_sheet_group", "right_sheet_group", the six edge
//   images and the tab buttons </widget>
#pragma once

#include <cstdint>
#include <string_view>

#include "screens/game_screen.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TCorvellaneGameScreenPairsBook : public TGameScreen {
 public:
  static constexpr int32_t kSheetCount = 5;
  static constexpr int32_t kTurnMs = 500;

  void SetOwner(IGameScreenOwner* owner) override;
  void ClearOwner() override;
  void Advance(int32_t elapsed_ms) override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;

  // For tests.
  int32_t GetCurrentPage() const { return current_page_; }
  bool IsTurning() const { return turning_; }

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;

 private:
  enum class TSide { kLeft, kRight };

  void Turn(int32_t pages, bool animated);
  void ShiftSide(TSide side, int32_t pages);
  void ShiftImage(IWidget* image, std::string_view offset_property, int32_t pages);
  void FillSpread();
  void FillSheet(Ref<IWidget>& sheet, int32_t case_index, int32_t base_x);
  void PlayPageTurn();
  Ref<ISurface> Snapshot();
  void RemovePageTurn();

  Ref<IUserGameData> story_;
  int32_t current_page_ = 0;
  bool just_completed_ = false;
  Ref<IWidget> book_;
  Ref<IWidget> left_sheet_;
  Ref<IWidget> right_sheet_;
  bool turning_ = false;
  int32_t turning_ms_ = 0;
  int32_t pending_ = 0;
};

}  // namespace corvellane
