// panel_layout_keys.h: the layout values of the object panel, per play mode.
//
// The screen data gives them as properties of the panel widget
// ("obj_list_panel", item_list_panel_widget.h); the mode's panel manager
// reads its own in this order. All are whole numbers.
//
//   <widget type="obj_list_panel" name="ui_obj_list_panel" shapes_interval="12"
//           shapes_all_items_max_width="900" shapes_max_height="64" .../>
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace corvellane {

// The six keys of a one-row layout, in reading order: gap between items,
// visible width, largest item height and width, add type, move speed.
inline constexpr std::array<std::string_view, 6> kShapesLayoutKeys{
    "shapes_interval", "shapes_all_items_max_width", "shapes_max_height",
    "shapes_max_width", "shapes_items_add_type", "shapes_items_move_speed"};
inline constexpr std::array<std::string_view, 6> kDisposableLayoutKeys{
    "disposable_interval", "disposable_all_items_max_width", "disposable_max_height",
    "disposable_max_width", "disposable_items_add_type", "disposable_items_move_speed"};
// Column gap, row height, column width, items per column, left and top
// shift, columns, add type.
inline constexpr std::array<std::string_view, 8> kNamesLayoutKeys{
    "names_col_interval", "names_row_height",    "names_col_width",       "names_max_in_column",
    "names_left_shift",   "names_top_shift",     "names_max_columns_num", "names_items_add_type"};
// Row start (x, y), visible width, largest item height and width, gap.
inline constexpr std::array<std::string_view, 6> kIdenticalLayoutKeys{
    "identical_left_coord", "identical_top_coord", "identical_all_items_max_width",
    "identical_max_height", "identical_max_width", "identical_items_interval"};
// The complete object's box when it stands upright and when it lies, the
// lying one's drop and the left shift.
inline constexpr std::array<std::string_view, 6> kCompleteLayoutKeys{
    "complete_vertical_obj_max_width",    "complete_vertical_obj_max_height",
    "complete_horizontal_obj_max_width",  "complete_horizontal_obj_max_height",
    "complete_horizontal_obj_top_shift",  "complete_obj_left_shift"};
// The fonts and colours of the hidden-names items.
inline constexpr std::array<std::string_view, 4> kNamesTextKeys{"item_font", "item_color", "found_item_font",
                                                                "found_item_color"};

inline constexpr std::array<std::span<const std::string_view>, 6> kAllPanelKeys{
    kShapesLayoutKeys, kDisposableLayoutKeys, kNamesLayoutKeys, kIdenticalLayoutKeys, kCompleteLayoutKeys,
    kNamesTextKeys};

}  // namespace corvellane
