// count_text.h: the text of a hidden-names panel entry that stands for
// several objects of one caption.
//
//   CountText("%cup%", 1)   -> "Cup"             (the localised caption)
//   CountText("%cup%", 3)   -> "3 cups"          (the string %3_cup%)
//   CountText("%cup%", 25)  -> "25 " + %5_cup%   (25 mod 10)
//
// For a count above 1: the count, a space and a plural form. The form is
// chosen by n = count below 21, otherwise count mod 10 (so 21 reads like
// 1, 25 like 5, 11 like 11): for n = 1 the localised caption; otherwise the
// string "%" + n + "_" + the caption's key ("%3_cup%"), else the string
// "%n_" + the key ("%n_cup%"), else the localised caption. A caption that
// is no "%key%" reference has no plural forms and is used as it is.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvellane {

std::string PluralForm(std::string_view caption, int32_t count);
std::string CountText(std::string_view caption, int32_t count);

}  // namespace corvellane
