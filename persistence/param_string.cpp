#include "persistence/param_string.h"

#include "xml/ascii_case.h"

namespace corvellane {

namespace {

bool IsTrimmable(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsTrimmable(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsTrimmable(s.back())) s.remove_suffix(1);
  return s;
}

// Position of the "}" that balances the "{" at `open`, or npos.
size_t MatchingBrace(std::string_view s, size_t open) {
  int depth = 0;
  for (size_t i = open; i < s.size(); ++i) {
    if (s[i] == '{') ++depth;
    if (s[i] == '}' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

// Position of the next separator at or after `from` that is not inside braces.
size_t NextSeparator(std::string_view s, size_t from, char separator) {
  size_t i = from;
  while (i < s.size()) {
    size_t sep = s.find(separator, i);
    size_t brace = s.find('{', i);
    if (brace == std::string_view::npos || (sep != std::string_view::npos && sep < brace)) return sep;
    size_t close = MatchingBrace(s, brace);
    // An unbalanced "{" leaves the search as it was.
    if (close == std::string_view::npos) return sep;
    i = close + 1;
  }
  return std::string_view::npos;
}

std::optional<ParamPair> ParseItem(std::string_view item) {
  size_t eq = item.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  std::string_view key = item.substr(0, eq);
  std::string_view value = item.substr(eq + 1);
  while (!key.empty() && IsTrimmable(key.back())) key.remove_suffix(1);
  while (!value.empty() && IsTrimmable(value.front())) value.remove_prefix(1);
  if (value.size() >= 2 && value.front() == '{' && value.back() == '}') value = value.substr(1, value.size() - 2);
  return ParamPair{std::string(key), std::string(value)};
}

}  // namespace

std::vector<std::string> SplitParamItems(std::string_view text, char separator) {
  std::vector<std::string> items;
  std::string_view s = Trim(text);
  size_t start = 0;
  while (start <= s.size()) {
    size_t sep = NextSeparator(s, start, separator);
    size_t end = sep == std::string_view::npos ? s.size() : sep;
    if (end > start) items.emplace_back(s.substr(start, end - start));
    if (sep == std::string_view::npos) break;
    start = sep + 1;
  }
  return items;
}

std::vector<ParamPair> ParseParamString(std::string_view text) {
  std::vector<ParamPair> pairs;
  for (const std::string& item : SplitParamItems(text, '\\'))
    if (auto pair = ParseItem(item)) pairs.push_back(std::move(*pair));
  return pairs;
}

std::optional<std::string> FindParam(std::string_view text, std::string_view key) {
  for (auto& pair : ParseParamString(text))
    if (EqualsIgnoreAsciiCase(pair.key, key)) return pair.value;
  return std::nullopt;
}

}  // namespace corvellane
