#include "persistence/keyed_collections.h"

#include <algorithm>
#include <cctype>

namespace corvellane {

bool KeyLessNoCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
  });
}

std::string NextAutomaticKey(std::string_view greatest) {
  if (greatest.empty()) return "!";
  std::string key(greatest);
  unsigned char last = static_cast<unsigned char>(key.back());
  if (last == 'Z' || last == 0xFF)
    key.push_back('!');
  else
    key.back() = static_cast<char>(last + 1);
  return key;
}

}  // namespace corvellane
