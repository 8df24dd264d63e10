// high_scores_grid_control.h: THighScoresGridControl ("HighScoresGridControl"),
// one high-score table drawn as a grid.
//
// Each column names a record parameter ("Player", "Score", "Level"...) and
// a child text widget, its template: the grid stamps the template once per
// record, "rowheight" pixels apart, with the record's value, in "color", the
// record entered last in "selectedcolor". The column named by
// "column_name_with_format_number" shows its numbers with the thousands
// separator. Values are shown as written (a player's name is no
// localisation reference); records without the value leave the cell empty.
// The templates themselves are never drawn where they stand.
//
//   <widget type="HighScoresGridControl" name="grid_scores" visible="yes" width="500" height="300"
//           rowheight="30" color="$FF4A3A32" selectedcolor="$FFC8283F"
//           column_name_with_format_number="Score">
//     <columns>
//       <column name="Player" widgetname="text_player"/>
//       <column name="Score" widgetname="text_score"/>
//     </columns>
//     <widgets>
//       <widget type="text_widget" name="text_player" width="300" height="30" resourcename="font_text" drawmode="fillcolor"/>
//       <widget type="text_widget" name="text_score" anchor_left="320" width="180" height="30" .../>
//     </widgets>
//   </widget>
//
//   grid->SetProperty("recordtable", Variant(Ref<IObject>(high_scores->GetTables()->GetTable(Variant("0")))));
//
// "font_height" (default: the row height) is kept for the data's sake only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/control_widget.h"
#include "records/record_table.h"

namespace corvellane {

class THighScoresGridControl : public TControlWidget {
 public:
  struct Column {
    std::string name;
    std::string widget_name;
  };

  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;

  Ref<IRecordTable> GetRecordTable() const { return table_; }
  // Redrawn with the next frame.
  void SetRecordTable(Ref<IRecordTable> table);
  const std::vector<Column>& GetColumns() const { return columns_; }

 private:
  void LoadColumns(IHierStorage* node);
  void SaveColumns(IHierStorage* node);
  void DrawColumn(ISurface* surface, const Column& column, int32_t x, int32_t y);

  int32_t row_height_ = 0;
  int32_t font_height_ = 0;
  uint32_t color_ = 0;
  uint32_t selected_color_ = 0;
  std::string formatted_column_;
  std::vector<Column> columns_;
  Ref<IRecordTable> table_;
};

}  // namespace corvellane
