#include "shell/formatting.h"

#include <cstdlib>

#include "persistence/localization.h"
#include "persistence/number_text.h"

namespace corvellane {

namespace {

// The magnitude is taken in 64 bits: -INT32_MIN does not fit in 32.
int64_t Magnitude(int32_t n) { return std::llabs(static_cast<int64_t>(n)); }

std::string GroupDigits(std::string_view digits, std::string_view separator) {
  std::string out;
  size_t first_group = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  out.append(digits.substr(0, first_group));
  for (size_t i = first_group; i < digits.size(); i += 3) {
    out.append(separator);
    out.append(digits.substr(i, 3));
  }
  return out;
}

std::string PadLeft(std::string text, size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

}  // namespace

std::string FormatIntWithSeparators(int32_t n, std::string_view separator) {
  std::string text = GroupDigits(FormatInt(Magnitude(n)), separator);
  return n < 0 ? "-" + text : text;
}

std::string FormatIntWithSeparators(int32_t n) {
  return FormatIntWithSeparators(n, Localize("%thousand_separator%"));
}

std::string FormatMinSec(int32_t seconds, std::optional<std::string_view> separator) {
  const int64_t magnitude = Magnitude(seconds);
  const std::string between = separator ? std::string(*separator) : Localize("%time_separator%");
  std::string text = PadLeft(FormatInt(magnitude / 60), 2) + between + PadLeft(FormatInt(magnitude % 60), 2);
  return seconds < 0 ? "-" + text : text;
}

double ParseFloatDot(std::string_view text, double fallback) { return ParseFloat(text).value_or(fallback); }

}  // namespace corvellane
