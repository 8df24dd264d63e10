#include "play/fly_bonus_scenario.h"

#include "persistence/number_text.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr int32_t kRise = 80;
constexpr int32_t kPushDown = 40;
constexpr int32_t kFlightDelay = -1000;

}  // namespace

const TPropertyTable& TStateScenarioFlyBonus::Properties() {
  using S = TStateScenarioFlyBonus;
  static const TPropertyTable table = TPropertyTableOf<S>(TStateScenario::Properties())
                                          .Int("width", &S::width_, 400)
                                          .Int("height", &S::height_, 40)
                                          .Text("textalign", &S::text_align_)
                                          .Bool("push_down_in_right", &S::push_down_, false)
                                          .Text("endposx", &S::end_x_)
                                          .Text("endposy", &S::end_y_)
                                          .Text("text", &S::text_)
                                          .Text("font", &S::font_)
                                          .Text("drawmode", &S::draw_mode_, &S::draw_mode_, "copyrect")
                                          .Text("color", &S::colour_, &S::colour_, "0");
  return table;
}

bool TStateScenarioFlyBonus::RightAligned() {
  const TPoint origin = OwnerOriginOnScreen();
  return int64_t{width_} + origin.x + RoundToPixel(GetAnchorLeft()) > kScreenWidth;
}

TPoint TStateScenarioFlyBonus::StartOnScreen() {
  const TPoint origin = OwnerOriginOnScreen();
  TPoint start{origin.x + RoundToPixel(GetAnchorLeft()), origin.y + RoundToPixel(GetAnchorTop())};
  if (RightAligned()) {
    start.x -= width_;
    if (push_down_) start.y += kPushDown;
  }
  return start;
}

std::string TStateScenarioFlyBonus::Alignment() {
  if (!text_align_.empty()) return text_align_;
  return RightAligned() ? "right" : "left";
}

void TStateScenarioFlyBonus::OnEnterMain(TState&) {
  const TPoint start = StartOnScreen();
  const TPoint end{ParseInt(end_x_).value_or(start.x), ParseInt(end_y_).value_or(start.y - kRise)};
  // The widgets are the scenario's children: their space starts at its place.
  const TPoint here = ChildScreenToLocal({0, 0});
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  auto set = [&](std::string_view name, const std::string& value) { params->SetNamedValue(name, Variant(value)); };
  set("x1", FormatInt(start.x + here.x));
  set("y1", FormatInt(start.y + here.y));
  set("x2", FormatInt(end.x + here.x));
  set("y2", FormatInt(end.y + here.y));
  set("width", FormatInt(width_));
  set("height", FormatInt(height_));
  set("text", text_);
  set("font", font_);
  set("drawmode", draw_mode_);
  set("color", colour_);
  set("textalign", Alignment());
  Ref<ISurface> picture;
  if (Ref<IWidget> text = CreateOwnWidget("gamefield_fly_bonus_text", params.get(), true)) {
    picture = text->GetImage();
    text->SetDead(true);
  }
  set("currenttime", FormatInt(kFlightDelay));
  if (Ref<IWidget> flight = CreateOwnWidget("gamefield_fly_bonus", params.get(), true); flight && picture)
    flight->SetProperty("surface", Variant(picture));
}

}  // namespace corvellane
