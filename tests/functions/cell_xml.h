// cell_xml.h: function elements written from tables of static cell values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "persistence/number_text.h"

namespace corvellane::testing {

using Column = std::vector<double>;

// Result cells start at this value, so "left unchanged" can be told apart.
inline constexpr double kUntouched = -7;

inline std::string StaticCell(int col, double value) {
  return "<paramdef col=\"" + FormatInt(col) + "\" static=\"yes\" value=\"" + FormatFloat(value) + "\"/>";
}

// A function of that type whose column 0 has `results` static cells and
// whose further columns hold the given static values.
inline std::string FunctionXml(std::string_view type, const std::vector<Column>& columns, int results = 1) {
  std::string cells;
  for (int r = 0; r < results; ++r) cells += StaticCell(0, kUntouched);
  for (size_t c = 0; c < columns.size(); ++c)
    for (double value : columns[c]) cells += StaticCell(static_cast<int>(c) + 1, value);
  return "<function type=\"" + std::string(type) + "\"><paramspace><paramdefs>" + cells +
         "</paramdefs></paramspace></function>";
}

}  // namespace corvellane::testing
