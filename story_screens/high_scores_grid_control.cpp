#include "story_screens/high_scores_grid_control.h"

#include <algorithm>
#include <climits>

#include "persistence/localization.h"
#include "persistence/property_table.h"
#include "records/record.h"
#include "records/record_collection.h"
#include "shell/formatting.h"
#include "widgets/pixel_rounding.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

const TPropertyTable& THighScoresGridControl::Properties() {
  using W = THighScoresGridControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TControlWidget::Properties())
          .Int("rowheight", &W::row_height_, &W::row_height_, [](W& w) { return w.GetHeight() / 10; }, Table::Always())
          .Int("font_height", &W::font_height_, &W::font_height_, [](W& w) { return w.row_height_; }, Table::Always())
          .Color("color", &W::color_, 0, Table::Always())
          .Color("selectedcolor", &W::selected_color_, 0, Table::Always())
          .Text("column_name_with_format_number", &W::formatted_column_)
          .Custom("columns", nullptr, nullptr, &W::LoadColumns, &W::SaveColumns)
          .Object<IRecordTable>("recordtable", &W::GetRecordTable, &W::SetRecordTable)
          .NameOnly();
  return table;
}

void THighScoresGridControl::LoadColumns(IHierStorage* node) {
  columns_.clear();
  Ref<IHierStorage> columns = node ? node->GetChild("columns", 0) : nullptr;
  for (int i = 0; columns && i < columns->GetChildCount("column"); ++i) {
    Ref<IHierStorage> column = columns->GetChild("column", i);
    columns_.push_back({ReadText(column.get(), "name"), ReadText(column.get(), "widgetname")});
  }
}

void THighScoresGridControl::SaveColumns(IHierStorage* node) {
  if (!node || columns_.empty()) return;
  Ref<IHierStorage> columns = node->AddChild("columns");
  for (const Column& column : columns_) {
    Ref<IHierStorage> child = columns->AddChild("column");
    WriteText(child.get(), "name", column.name, true);
    WriteText(child.get(), "widgetname", column.widget_name, true);
  }
}

void THighScoresGridControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  // The templates are drawn only through the rows.
  for (const Column& column : columns_)
    if (Ref<IWidget> cell = Children().GetWidgetByName(column.widget_name)) cell->SetVisible(false);
}

void THighScoresGridControl::SetRecordTable(Ref<IRecordTable> table) {
  table_ = std::move(table);
  SetChanged(true);
}

void THighScoresGridControl::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (!table_ || !surface) return;
  for (const Column& column : columns_) DrawColumn(surface, column, x, y);
}

void THighScoresGridControl::DrawColumn(ISurface* surface, const Column& column, int32_t x, int32_t y) {
  Ref<IWidget> cell = Children().GetWidgetByName(column.widget_name);
  Ref<IRecordCollection> records = table_->GetRecords();
  if (!cell || !records) return;
  const bool formatted = column.name == formatted_column_;
  const int32_t left = SaturatingAdd(x, RoundToPixel(cell->GetAnchorLeft()));
  const int32_t top = SaturatingAdd(y, RoundToPixel(cell->GetAnchorTop()));
  for (int i = 0; i < records->Count(); ++i) {
    Ref<IRecord> record = records->GetRecord(Variant(i));
    Ref<IParam> value = record && record->GetParams() ? record->GetParams()->GetParam(Variant(column.name)) : nullptr;
    if (!value || value->GetParamValue().IsEmptyOrNull() || value->GetParamValue().ToText().empty()) continue;
    const std::string text = formatted ? FormatIntWithSeparators(value->GetParamValue().ToInt(0))
                                       : value->GetParamValue().ToText();
    cell->SetProperty("fillcolor", Variant(i == table_->GetLastIndex() ? selected_color_ : color_));
    cell->SetProperty("text_utf8", Variant(LiteralText(text)));
    cell->Draw(surface, left, SaturatingAdd(top, static_cast<int32_t>(std::clamp<int64_t>(int64_t{row_height_} * i, 0, INT32_MAX))));
  }
}

}  // namespace corvellane
