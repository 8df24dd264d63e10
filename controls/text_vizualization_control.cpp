#include "controls/text_vizualization_control.h"

#include <string>

#include "persistence/localization.h"
#include "controls/role_images.h"
#include "controls/unicode_text.h"
#include "persistence/object_io.h"
#include "persistence/params.h"
#include "persistence/property_table.h"
#include "widgets/event_handler_interface.h"
#include "widgets/pixel_rounding.h"
#include "widgets/text_widget.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

namespace {

Ref<IParamCollection> LetterParameters(int32_t n, const TRect& box) {
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  params->SetNamedValue("name", Variant(std::to_string(n)));
  params->SetNamedValue("anchor_left", Variant(std::to_string(box.left)));
  params->SetNamedValue("anchor_top", Variant(std::to_string(box.top)));
  params->SetNamedValue("width", Variant(std::to_string(box.right - box.left)));
  params->SetNamedValue("height", Variant(std::to_string(box.bottom - box.top)));
  params->SetNamedValue("text", Variant(std::string()));
  return params;
}

}  // namespace

const TPropertyTable& TControlTextVizualization::Properties() {
  using W = TControlTextVizualization;
  using Table = TPropertyTableOf<W>;
  auto start = [](W& w, const Variant&) {
    w.InitVisualization();
    return true;
  };
  static const TPropertyTable table =
      Table(TControlWidget::Properties())
          .Int("startdelaytime", &W::start_delay_, 0, Table::Always())
          .Int("letterdelaytime", &W::letter_delay_, 0, Table::Always())
          .Custom(
              "init_visualization", nullptr, start,
              [](W& w, IHierStorage* node) { w.init_on_restart_ = ReadBool(node, "init_visualization", false); },
              nullptr)
          .Custom("InitVizualization", nullptr, start, nullptr, nullptr)
          .Computed("visualization_time", &W::GetEndTime)
          .Computed("visualization_state", [](W& w) { return static_cast<int32_t>(w.GetState()); });
  return table;
}

void TControlTextVizualization::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  letters_ = RoleChild(*this, "letters_group");
}

void TControlTextVizualization::ClearOwner() {
  letters_ = nullptr;
  TControlWidget::ClearOwner();
}

void TControlTextVizualization::Restart() {
  TControlWidget::Restart();
  if (init_on_restart_) InitVisualization();
}

void TControlTextVizualization::Notify(int32_t code, const Variant& value) {
  TControlWidget::Notify(code, value);
  if (code == kNotifyFinish) FinishVisualization();
}

// ---- Running ----

void TControlTextVizualization::ClearLetters() {
  Ref<IWidgetCollection> letters = letters_ ? letters_->GetWidgets() : nullptr;
  if (!letters) return;
  for (int i = 0; i < letters->Count(); ++i)
    if (Ref<IWidget> letter = letters->GetWidgetAt(i)) letter->SetDead(true);
  letters->RemoveDead();
}

void TControlTextVizualization::InitVisualization() {
  if (!letters_) return;
  ClearLetters();
  int32_t start = start_delay_;
  TWidgetCollection& children = Children();
  for (int i = 0; i < children.Count(); ++i) {
    Ref<IWidget> child = children.GetWidgetAt(i);
    if (!QueryInterface<ITextWidget>(child)) continue;
    letters_->SetVisible(true);
    state_ = TVizualizationState::kRunning;
    child->SetVisible(false);
    start = SpellOut(*child, i, start);
  }
  end_time_ = SaturatingAdd(start, GetCurrentTime());
}

int32_t TControlTextVizualization::SpellOut(IWidget& text, int index, int32_t start) {
  auto& characters = dynamic_cast<ITextWidget&>(text);
  const std::u32string shown = DecodeUtf8(text.GetProperty("text").ToText());
  for (size_t n = 1; n <= shown.size(); ++n)
    if (std::optional<TRect> box = characters.GetCharRect(static_cast<int32_t>(n)))
      start = AddLetter(EncodeUtf8(shown.substr(n - 1, 1)), *box, index, static_cast<int32_t>(n), start);
  return start;
}

int32_t TControlTextVizualization::AddLetter(const std::string& character, const TRect& box, int index, int32_t n,
                                             int32_t start) {
  Ref<IParamCollection> params = LetterParameters(n, box);
  Ref<IWidget> letter = CreateFromFactory("vizualization_letter", params.get());
  Ref<IWidgetCollection> letters = letters_->GetWidgets();
  if (!letter || !letters) return start;
  letter->SetProperty("text_utf8", Variant(LiteralText(character)));
  letter->SetName("transparent_" + std::to_string(index) + "_" + std::to_string(n));
  if (Ref<IWidget> fader = CreateFromFactory("transparent_widget", params.get())) {
    letters->Add(fader);
    fader->SetProperty("widget", Variant(Ref<IObject>(letter)));
    fader->SetProperty("currenttime", Variant(-start));
    start = SaturatingAdd(start, letter_delay_);
  }
  letters->Add(letter);
  return start;
}

void TControlTextVizualization::Advance(int32_t elapsed_ms) {
  TControlWidget::Advance(elapsed_ms);
  if (state_ == TVizualizationState::kRunning && end_time_ < GetCurrentTime()) FinishVisualization();
}

void TControlTextVizualization::FinishVisualization() {
  if (!letters_) return;
  Ref<IWidget> keep_alive(static_cast<IWidget*>(this));
  state_ = TVizualizationState::kFinished;
  letters_->SetVisible(false);
  ClearLetters();
  TWidgetCollection& children = Children();
  for (int i = 0; i < children.Count(); ++i)
    if (Ref<IWidget> child = children.GetWidgetAt(i); QueryInterface<ITextWidget>(child)) child->SetVisible(true);
  ReportEvent(kWidgetEventTextFinished);
}

bool TControlTextVizualization::MouseUp(TPoint point, uint32_t keys, TMouseButton button) {
  if (state_ == TVizualizationState::kRunning) {
    FinishVisualization();
    return true;
  }
  if (state_ != TVizualizationState::kFinished) return false;
  ReportEvent(kWidgetEventTextClickedAfterFinish);
  return true;
}

}  // namespace corvellane
