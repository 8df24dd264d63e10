#include "story_screens/pairs_book_screen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/engine_interface.h"
#include "engine/random_source.h"
#include "records/record_value.h"
#include "story_screens/widget_ops.h"
#include "widgets/input_messages.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

namespace {

constexpr std::string_view kTurnScenario = "scenario_page_thumbing";
constexpr int32_t kSnapshotWidth = 798;
constexpr int32_t kSnapshotHeight = 616;
constexpr TPoint kSnapshotCorner{60, 40};
constexpr int32_t kLeftSheetX = 260;
constexpr int32_t kRightSheetX = 660;
constexpr int32_t kSheetY = 285;

// The edge images of each side and which offset picks their frame.
struct TEdgeImage {
  std::string_view name;
  std::string_view offset;
};
constexpr TEdgeImage kLeftImages[] = {
    {"left_part_image", "resourceleft"},
    {"top_left_part_image", "resourcetop"},
    {"bottom_left_part_image", "resourcetop"},
};
constexpr TEdgeImage kRightImages[] = {
    {"right_part_image", "resourceleft"},
    {"top_right_part_image", "resourcetop"},
    {"bottom_right_part_image", "resourcetop"},
};

bool IsSheetButton(std::string_view sender, std::string_view prefix, int32_t n) {
  return sender == std::string(prefix) + std::to_string(n);
}

}  // namespace

void TCorvellaneGameScreenPairsBook::SetOwner(IGameScreenOwner* owner) {
  TGameScreen::SetOwner(owner);
  current_page_ = 0;
  just_completed_ = false;
  book_ = FindWidget("book_group");
  left_sheet_ = book_ ? book_->FindWidget("left_sheet_group") : nullptr;
  right_sheet_ = book_ ? book_->FindWidget("right_sheet_group") : nullptr;
  turning_ = false;
  turning_ms_ = 0;
  pending_ = 0;
}

void TCorvellaneGameScreenPairsBook::ClearOwner() {
  story_ = nullptr;
  book_ = left_sheet_ = right_sheet_ = nullptr;
  TGameScreen::ClearOwner();
}

void TCorvellaneGameScreenPairsBook::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  IGameScreenOwner* game = GetScreenOwner();
  story_ = game ? game->GetGameParam("UserGameData").ToObject<IUserGameData>() : nullptr;
  int32_t page = current_page_;
  if (story_) {
    Ref<IUGDCaseCollection> cases = story_->GetCases();
    if (cases->Count() > 0) {
      const int index = cases->IndexOf(story_->GetCurrentCaseName());
      page = (index >= 0 ? index : cases->Count()) / 2;
    } else {
      page = story_->GetLevel() / 20;
    }
  }
  page = std::max(page, 0);
  RemovePageTurn();
  turning_ = false;
  pending_ = 0;
  Turn(page - current_page_, false);
  current_page_ = page;
  if (parameters) just_completed_ = ParamText(parameters, "completed", "no") == "yes";
  FillSpread();
}

void TCorvellaneGameScreenPairsBook::Turn(int32_t pages, bool animated) {
  if (!animated) {
    ShiftSide(TSide::kRight, pages);
    ShiftSide(TSide::kLeft, pages);
    return;
  }
  if (pages > 0) ShiftSide(TSide::kRight, pages);
  if (pages < 0) ShiftSide(TSide::kLeft, pages);
  pending_ += pages;
  turning_ = true;
  turning_ms_ = 0;
}

void TCorvellaneGameScreenPairsBook::ShiftSide(TSide side, int32_t pages) {
  if (!book_ || pages == 0) return;
  for (const TEdgeImage& edge : side == TSide::kLeft ? kLeftImages : kRightImages)
    ShiftImage(book_->FindWidget(edge.name).get(), edge.offset, pages);
}

// One frame of the strip per page; a shift past either end is refused.
void TCorvellaneGameScreenPairsBook::ShiftImage(IWidget* image, std::string_view offset_property, int32_t pages) {
  if (!image) return;
  const int32_t step = offset_property == "resourceleft" ? image->GetWidth() : image->GetHeight();
  const int32_t offset = IntegerValue(image->GetProperty(offset_property)).value_or(0);
  const bool forwards = pages > 0 && kSheetCount > 1 && offset <= step * (kSheetCount - pages - 1);
  const bool backwards = pages < 0 && offset >= std::abs(pages) * step;
  if (forwards || backwards) image->SetProperty(offset_property, Variant(offset + pages * step));
}

// The new pair's falling picture belongs to its page: a spread filled
// again (another page, another opening) drops it, since the page itself
// now shows the pair.
void TCorvellaneGameScreenPairsBook::FillSpread() {
  if (book_) FinishChild(book_.get(), "card_place_animation");
  FillSheet(left_sheet_, 2 * current_page_, kLeftSheetX);
  FillSheet(right_sheet_, 2 * current_page_ + 1, kRightSheetX);
}

void TCorvellaneGameScreenPairsBook::FillSheet(Ref<IWidget>& sheet, int32_t case_index, int32_t base_x) {
  if (!book_) return;
  if (sheet) sheet->SetDead(true);
  book_->GetWidgets()->RemoveDead();
  sheet = nullptr;
  Ref<IUGDCase> story_case = story_ ? story_->GetCases()->Get(Variant(case_index)) : nullptr;
  Ref<IParamCollection> case_params = story_case ? story_case->GetParams() : nullptr;
  if (!case_params) return;
  Ref<TParamCollection> params = MakeParams({
      {"name", Variant(story_case->GetName())},
      {"posx", Variant(base_x + static_cast<int32_t>(GlobalRandom().Uniform(10)))},
      {"posy", Variant(kSheetY + static_cast<int32_t>(GlobalRandom().Uniform(10)))},
      {"frame_num", Variant(ParamText(case_params.get(), "case_final_frame_num", "01"))},
      {"image", Variant(ParamText(case_params.get(), "case_final_image", ""))},
  });
  Ref<IUGDParticipantCollection> people = story_case->GetParticipants();
  int n = 0;
  for (int i = 0; i < people->Count(); ++i)
    if (Ref<IUGDParticipant> person = people->Get(Variant(i)); person && (person->IsClient() || person->IsIdealMatch()))
      params->SetNamedValue("participant" + std::to_string(n++), Variant(person->GetDisplayCaption()));
  if (just_completed_ && story_case->GetName() == story_->GetCurrentCaseName()) {
    if (Ref<IWidget> placing = MakeFromFactory(GetWindowWidget().get(), "card_place_animation", params.get()))
      book_->GetWidgets()->Add(placing);
    params->SetNamedValue("visible", Variant("no"));
    params->SetNamedValue("completed", Variant("yes"));
    just_completed_ = false;
  } else {
    params->SetNamedValue("completed", Variant(story_case->GetCompleted() ? "yes" : "no"));
    params->SetNamedValue("visible", Variant("yes"));
  }
  sheet = MakeFromFactory(GetWindowWidget().get(), "pairs_book_sheet", params.get());
  if (sheet) book_->GetWidgets()->Add(sheet);
}

void TCorvellaneGameScreenPairsBook::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (!sender || code != kWidgetEventClick) return;
  for (int32_t n = 0; n < kSheetCount; ++n) {
    const bool back = IsSheetButton(sender->GetName(), "button_left_sheet_", n) && n < current_page_;
    const bool forth = IsSheetButton(sender->GetName(), "button_right_sheet_", n) && n > current_page_;
    if (!back && !forth) continue;
    Turn(n - current_page_, true);
    current_page_ = n;
    PlayPageTurn();
    PlayWindowSound("sound_page_thumbing");
    return;
  }
}

// The turn is pictured: the spread before and after, handed to a
// transition effect that plays over the book while the page turns.
void TCorvellaneGameScreenPairsBook::PlayPageTurn() {
  RemovePageTurn();
  if (!book_ || pending_ == 0) return FillSpread();
  Ref<IWidget> scenario = MakeFromFactory(
      GetWindowWidget().get(), pending_ > 0 ? "scenario_page_thumbing_left" : "scenario_page_thumbing_right", nullptr);
  if (pending_ > 0) {
    if (scenario) scenario->SetProperty("surface1", Variant(Snapshot()));
    FillSpread();
    if (scenario) scenario->SetProperty("surface2", Variant(Snapshot()));
  } else {
    if (scenario) scenario->SetProperty("surface2", Variant(Snapshot()));
    FillSpread();
  }
  if (!scenario) return;
  scenario->SetAnchorLeft(kSnapshotCorner.x);
  scenario->SetAnchorTop(kSnapshotCorner.y);
  book_->GetWidgets()->Add(scenario);
}

Ref<ISurface> TCorvellaneGameScreenPairsBook::Snapshot() {
  IEngine* engine = GetEngine();
  Ref<ISurface> picture = engine ? engine->CreateSurface() : nullptr;
  if (!picture || !picture->SetSize(kSnapshotWidth, kSnapshotHeight)) return nullptr;
  picture->SetHasAlpha(true);
  picture->Clear();
  book_->Draw(picture.get(), static_cast<int32_t>(std::lround(book_->GetAnchorLeft())) - kSnapshotCorner.x,
              static_cast<int32_t>(std::lround(book_->GetAnchorTop())) - kSnapshotCorner.y);
  return picture;
}

void TCorvellaneGameScreenPairsBook::RemovePageTurn() {
  if (book_) FinishChild(book_.get(), kTurnScenario);
}

void TCorvellaneGameScreenPairsBook::Advance(int32_t elapsed_ms) {
  TGameScreen::Advance(elapsed_ms);
  if (!turning_) return;
  turning_ms_ += elapsed_ms;
  if (turning_ms_ < kTurnMs) return;
  turning_ = false;
  if (pending_ > 0) ShiftSide(TSide::kLeft, pending_);
  if (pending_ < 0) ShiftSide(TSide::kRight, pending_);
  RemovePageTurn();
  pending_ = 0;
}

}  // namespace corvellane
