// formatting.h: numbers as the player sees them, and numbers from data texts.
//
//   FormatIntWithSeparators(1234567)    "1,234,567" when the language file's
//                                        "thousand_separator" is ","
//   FormatMinSec(65)                    "01:05" with a ":" "time_separator"
//   FormatMinSec(6000, ":")             "100:00" (minutes are not limited)
//   ParseFloatDot("1.5", 0)             1.5, whatever the desktop's locale
//
// The separators come from the current language (Localize of
// "%thousand_separator%" and "%time_separator%"); a language without them
// runs the digits together. The overloads with an explicit separator do not
// consult the language.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvellane {

// Digits in groups of three from the right, "-" in front of negative numbers;
// the whole 32-bit range, INT32_MIN included.
std::string FormatIntWithSeparators(int32_t n, std::string_view separator);
std::string FormatIntWithSeparators(int32_t n);

// Minutes (at least two digits), separator, seconds (two digits). A negative
// count of seconds is shown as "-" and the formatted magnitude.
std::string FormatMinSec(int32_t seconds, std::optional<std::string_view> separator = std::nullopt);

// The number in the text ("." as decimal separator; blanks around it are
// allowed); the fallback for empty or unreadable text.
double ParseFloatDot(std::string_view text, double fallback);

}  // namespace corvellane
