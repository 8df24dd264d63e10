// param_string.h: parameter strings, the text form of creation parameters.
//
// A parameter string is a list of key=value items separated by "\":
//
//   \record_table={name=0\max_records=10\record_structure={param=Score}}
//
// A value enclosed in braces may contain "\" (file paths, nested parameter
// strings); the outer pair of braces is removed. Braces nest. Items without
// "=" and empty items are dropped; keys lose trailing blanks, values leading
// blanks; further "=" belong to the value. The same key may occur many times.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvellane {

struct ParamPair {
  std::string key;
  std::string value;
};

std::vector<ParamPair> ParseParamString(std::string_view text);

// The items of a list: the trimmed text split at the separator, except inside
// braces; empty items dropped, items kept as they are. ParseParamString is
// this with "\" followed by the key=value step; lists of names use ",".
std::vector<std::string> SplitParamItems(std::string_view text, char separator);

// The value of the first item whose key equals the given one without regard
// to letter case; none when there is no such item.
std::optional<std::string> FindParam(std::string_view text, std::string_view key);

}  // namespace corvellane
