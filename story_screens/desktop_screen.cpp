#include "story_screens/desktop_screen.h"

#include <algorithm>
#include <span>

#include "engine/random_source.h"
#include "persistence/log.h"
#include "records/record_value.h"
#include "story/object_list.h"
#include "story_screens/widget_ops.h"
#include "widgets/input_messages.h"
#include "widgets/widget_collection_interface.h"
#include "widgets/widget_owner_interface.h"

namespace corvellane {

namespace {

constexpr int32_t kFirstCardTime = 1200;
constexpr int32_t kCardTimeStep = 100;
constexpr int kRows = 5;
constexpr int32_t kRowTop = 180;
constexpr int32_t kRowHeight = 40;

// Where the other cards go: by how many there are, then by index.
struct TOtherPlace {
  int32_t end_x, end_y, end_angle;
};
constexpr TOtherPlace kTwoOthers[] = {{460, 420, 5}, {730, 420, -5}};
constexpr TOtherPlace kThreeOthers[] = {{350, 465, 13}, {590, 420, 1}, {830, 455, -11}};

// The card's content: a card is a decorator (it flies and turns) around it.
Ref<IWidget> InnerOf(IWidget* card) {
  if (!card) return nullptr;
  if (Ref<IWidget> inner = card->GetProperty("widget").ToObject<IWidget>()) return inner;
  return nullptr;
}

std::string RowPath(int32_t row, std::string_view mark) {
  return "category" + std::to_string(row) + "/" + std::string(mark);
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The most rows of the candidate that can be ticked against the client's.
int MostTicks(const std::vector<std::string>& candidate, const std::vector<std::string>& client) {
  int ticks = 0;
  const size_t rows = std::min({candidate.size(), client.size(), static_cast<size_t>(kRows)});
  for (size_t r = 0; r < rows; ++r)
    if (Contains(client, candidate[r])) ++ticks;
  return ticks;
}

}  // namespace

void TCorvellaneGameScreenDesktop::ClearOwner() {
  story_ = nullptr;
  case_ = nullptr;
  categories_ = nullptr;
  client_ = nullptr;
  others_.clear();
  cards_group_ = client_card_ = last_card_ = nullptr;
  TGameScreen::ClearOwner();
}

void TCorvellaneGameScreenDesktop::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  IGameScreenOwner* game = GetScreenOwner();
  story_ = game ? game->GetGameParam("UserGameData").ToObject<IUserGameData>() : nullptr;
  case_ = story_ ? story_->GetCases()->Get(Variant(story_->GetCurrentCaseName())) : nullptr;
  categories_ = game ? game->GetGameParam("Categories").ToObject<ICategoryCollection>() : nullptr;
  FindParticipants();
  cards_group_ = FindWidget("participant_cards_group");
  RemoveAllChildren(cards_group_.get());
  card_time_ = kFirstCardTime;
  Ref<IParam> full = parameters ? parameters->GetParam(Variant("show_full_info")) : nullptr;
  show_full_ = full && full->GetParamValue().ToBool();
  if (cards_group_) cards_group_->SetMouseStop(show_full_);
  last_row_ = 0;
  last_card_ = client_card_ = nullptr;
  LayOutCards();
  if (show_full_) {
    const bool can_match = CanAnyoneMatch();
    if (!can_match && case_)
      LogWarning("no candidate of case \"" + case_->GetName() +
                 "\" likes everything the client likes; the desktop can be closed without a match");
    SetShown("button_close", !can_match);
    SetShown("block_close", can_match);
  }
}

void TCorvellaneGameScreenDesktop::FindParticipants() {
  client_ = nullptr;
  others_.clear();
  Ref<IUGDParticipantCollection> people = case_ ? case_->GetParticipants() : nullptr;
  for (int i = 0; people && i < people->Count(); ++i) {
    Ref<IUGDParticipant> person = people->Get(Variant(i));
    if (!person) continue;
    if (!client_ && person->IsClient()) client_ = person;
    else others_.push_back(person);
  }
}

void TCorvellaneGameScreenDesktop::LayOutCards() {
  if (!client_) return;
  Ref<IWidget> client_card = MakeCard(*client_, {100, 460, 130, 200, -5, -1}, true);
  if (!client_card) return;
  client_card_ = InnerOf(client_card.get());
  std::span<const TOtherPlace> places;
  if (others_.size() == 2) places = kTwoOthers;
  if (others_.size() == 3) places = kThreeOthers;
  for (size_t i = 0; i < places.size(); ++i) {
    const int32_t n = static_cast<int32_t>(i);
    MakeCard(*others_[i], {130 + 30 * n, 460, places[i].end_x, places[i].end_y, -12 - 7 * n, places[i].end_angle},
             show_full_);
  }
}

Ref<IWidget> TCorvellaneGameScreenDesktop::MakeCard(IUGDParticipant& person, const TCardPlace& place,
                                                    bool categories_shown) {
  if (!cards_group_) return nullptr;
  Ref<TParamCollection> params = MakeParams({
      {"name", Variant(person.GetName())},
      {"time", Variant(card_time_)},
      {"startposx", Variant(place.start_x)},
      {"startposy", Variant(place.start_y)},
      {"endposx", Variant(place.end_x)},
      {"endposy", Variant(place.end_y)},
      {"startangle", Variant(place.start_angle)},
      {"endangle", Variant(place.end_angle)},
      {"avatar", Variant(person.GetAvatar())},
      {"frame_num", Variant(static_cast<int32_t>(GlobalRandom().Uniform(5)))},
      {"frame_angle", Variant(static_cast<int32_t>(GlobalRandom().Uniform(12)) - 5)},
      {"caption", Variant(person.GetDisplayCaption())},
      {"description", Variant(person.GetDescription())},
  });
  card_time_ -= kCardTimeStep;
  if (categories_shown && categories_) {
    int n = 0;
    for (const std::string& name : SplitList(person.GetCategories()))
      if (Ref<ICategory> category = categories_->Get(Variant(name)))
        params->SetNamedValue("category" + std::to_string(n++), Variant(category->GetCaption()));
  }
  Ref<IWidgetCollection> cards = cards_group_->GetWidgets();
  if (Ref<IWidget> photo = MakeFromFactory(GetWindowWidget().get(), "participant_photo", params.get()))
    cards->Add(photo);
  Ref<IWidget> card = MakeFromFactory(GetWindowWidget().get(), "participant_card", params.get());
  if (!card) return nullptr;
  card->SetMouseStop(categories_shown);
  cards->Add(card);
  return card;
}

bool TCorvellaneGameScreenDesktop::MouseEvent(const PlatformEvent& event) {
  const bool handled = TGameScreen::MouseEvent(event);
  const std::optional<WidgetMouseInput> mouse = TranslateMouse(event, mouse_buttons_);
  if (handled || !mouse || !cards_group_ || (mouse->message != kMouseLeftDown && mouse->message != kMouseMove))
    return handled;
  Ref<IWidget> hit = cards_group_->WidgetAtPos(cards_group_->ScreenToLocal(mouse->point));
  const IWidgetOwner* group = dynamic_cast<IWidgetOwner*>(cards_group_.get());
  while (hit && hit->GetOwner() && hit->GetOwner() != group) hit = QueryInterface<IWidget>(hit->GetOwner());
  Ref<IWidget> card = hit && hit.get() != cards_group_.get() ? InnerOf(hit.get()) : nullptr;
  if (card) CheckCategory(card.get(), mouse->point, mouse->message == kMouseLeftDown);
  else ForgetLastCard();
  return handled;
}

void TCorvellaneGameScreenDesktop::ForgetLastCard() {
  if (!last_card_) return;
  if (Ref<IWidget> selected = last_card_->FindWidget(RowPath(last_row_, "selected"))) selected->SetVisible(false);
  last_card_ = nullptr;
}

void TCorvellaneGameScreenDesktop::CheckCategory(IWidget* card, TPoint point, bool click) {
  if (!card || !client_) return;
  if (click) {
    const bool on_client = card == client_card_.get();
    SetShown("on_client_click", on_client);
    if (on_client) return;
  }
  const TPoint local = card->ScreenToLocal(point);
  const int32_t row = local.x >= 10 && local.x <= 220 && local.y >= kRowTop && local.y <= kRowTop + kRows * kRowHeight - 1
                          ? (local.y - kRowTop) / kRowHeight
                          : -1;
  if (!click && card == last_card_.get() && row == last_row_) return;
  ForgetLastCard();
  last_row_ = row;
  if (row < 0 || row >= kRows) return;
  auto other = std::find_if(others_.begin(), others_.end(),
                            [&](const Ref<IUGDParticipant>& person) { return person->GetName() == card->GetName(); });
  if (other == others_.end()) return;
  last_card_ = Ref<IWidget>(card);
  const std::vector<std::string> mine = SplitList((*other)->GetCategories());
  const std::vector<std::string> compared =
      click ? SplitList(client_->GetCategories())
            : (row < static_cast<int32_t>(mine.size()) ? std::vector<std::string>{mine[row]} : std::vector<std::string>{});
  if (row >= static_cast<int32_t>(mine.size()) || compared.empty() || mine.empty()) return;
  if (Contains(compared, mine[row])) {
    Ref<IWidget> mark = card->FindWidget(RowPath(row, click ? "check" : "selected"));
    if (click) PlayWindowSound("sound_category_check");
    if (mark) {
      if (click) mark->SetProperty("duration", Variant(0));
      mark->SetVisible(true);
      mark->Restart();
    }
  }
  if (!click) return;
  int ticks = 0;
  for (size_t p = 0; p < compared.size(); ++p)
    if (Ref<IWidget> check = card->FindWidget(RowPath(static_cast<int32_t>(p), "check")); check && check->IsVisible())
      ticks += 2;
  if (static_cast<int>(compared.size() + mine.size()) == ticks) return CompleteMatch(*card);
  ShowClientAllChecked(compared, mine[row]);
}

void TCorvellaneGameScreenDesktop::CompleteMatch(IWidget& card) {
  if (!cards_group_) return;
  cards_group_->SetMouseStop(false);
  Ref<TParamCollection> params =
      MakeParams({{"duration", Variant(0)},
                  {"clientname", Variant(client_card_ ? client_card_->GetName() : std::string())},
                  {"name", Variant(card.GetName())}});
  if (Ref<IWidget> move = MakeFromFactory(GetWindowWidget().get(), "move_cards_to_center", params.get()))
    cards_group_->GetWidgets()->Add(move);
  SetShown("block_close", false);
  SetShown("button_close", true);
  SetShown("client_all_checked", false);
}

void TCorvellaneGameScreenDesktop::ShowClientAllChecked(const std::vector<std::string>& client_list,
                                                        const std::string& row_category) {
  if (!client_card_) return;
  for (size_t p = 0; p < client_list.size(); ++p) {
    if (client_list[p] == row_category) continue;
    Ref<IWidget> check = client_card_->FindWidget(RowPath(static_cast<int32_t>(p), "check"));
    if (check && !check->IsVisible()) return;
  }
  SetShown("client_all_checked", true);
}

bool TCorvellaneGameScreenDesktop::CanAnyoneMatch() const {
  if (!client_) return false;
  const std::vector<std::string> client_list = SplitList(client_->GetCategories());
  const size_t laid_out = others_.size() == 2 || others_.size() == 3 ? others_.size() : 0;
  for (size_t i = 0; i < laid_out; ++i) {
    const std::vector<std::string> mine = SplitList(others_[i]->GetCategories());
    if (client_list.size() + mine.size() == 2 * static_cast<size_t>(MostTicks(mine, client_list))) return true;
  }
  return false;
}

void TCorvellaneGameScreenDesktop::SetShown(std::string_view name, bool shown) {
  if (Ref<IWidget> widget = FindWidget(name)) widget->SetVisible(shown);
}

}  // namespace corvellane
