#include "persistence/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace corvellane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimLeadingBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

}  // namespace

std::optional<int32_t> ParseInt(std::string_view text) {
  std::string_view s = TrimLeadingBlanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return std::nullopt;
  uint64_t magnitude = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  if (base == 16) {
    if (magnitude > 0xFFFFFFFFull) return std::nullopt;
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
  }
  if (negative) {
    if (magnitude > 2147483648ull) return std::nullopt;
    return static_cast<int32_t>(-static_cast<int64_t>(magnitude));
  }
  if (magnitude > 2147483647ull) return std::nullopt;
  return static_cast<int32_t>(magnitude);
}

std::optional<double> ParseFloat(std::string_view text) {
  std::string s(TrimLeadingBlanks(text));
  while (!s.empty() && IsBlank(s.back())) s.pop_back();
  if (!s.empty() && s.front() == '+') s.erase(0, 1);
  for (char& c : s)
    if (c == ',') c = '.';
  if (s.empty()) return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string FormatInt(int64_t value) {
  char buf[24];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, end);
}

std::string FormatFloat(double value) {
  // Shortest text that reads back to the same double, but never more than 15
  // significant digits, so 0.1 + 0.2 is written "0.3" like the data files expect.
  char buf[40];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string text(buf, end);
  // to_chars with a precision keeps trailing zeros out already; it writes
  // exponents as "e+20": fine for reading back, and rare in data files.
  return text;
}

std::string FormatHex32(uint32_t value) {
  char buf[12];
  std::snprintf(buf, sizeof buf, "$%08X", value);
  return buf;
}

}  // namespace corvellane
