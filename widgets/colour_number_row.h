// colour_number_row.h: a colour property that reads by name as a number.
//
// The rect widget's "color" and the surface widget's "fillcolor" are stored
// as "$AARRGGBB" and always written; by name they read as the integer, and a
// written value is taken as text and converted as a colour: decimal or "$"
// hexadecimal, 0 when unreadable (so a nonsense value clears the colour
// rather than leaving the old one).
//
//   AddColourNumberRow(table, "color", &W::GetColor, &W::SetColor);
//   rect->SetProperty("color", "$80FF0000");
//   rect->GetProperty("color").ToInt();        // 0x80FF0000 as an int32
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "persistence/number_text.h"
#include "persistence/property_table.h"
#include "persistence/value_access.h"

namespace corvellane {

template <class C, class Get, class Set>
void AddColourNumberRow(TPropertyTableOf<C>& table, std::string_view key, Get get, Set set) {
  auto colour = [get](C& c) { return static_cast<uint32_t>(std::invoke(get, c)); };
  table.Custom(
      key, [colour](C& c) { return Variant(colour(c)); },
      [set](C& c, const Variant& v) {
        std::invoke(set, c, static_cast<uint32_t>(ParseInt(v.ToText()).value_or(0)));
        return true;
      },
      [set, name = std::string(key)](C& c, IHierStorage* n) { std::invoke(set, c, ReadHexInt(n, name, 0)); },
      [colour, name = std::string(key)](C& c, IHierStorage* n) { WriteHexInt(n, name, colour(c), true); });
}

}  // namespace corvellane
