// object_list.h: the ";"-separated lists of the story data.
//
// Object lists in scene parameters hold one entry object + "/" + location
// per placed object, each followed by ";", after a leading ";": ";vase/l2;cup/l1;".
// Case lists hold object names alone (";vase;cup;"), category lists category
// names (";flowers;books;"). The empty list is ";".
//
//   SplitList(";a;;b;")              -> {"a", "b"}   (empty pieces dropped)
//   ListHas(";flowers;books;", "books") -> true       (";" on both sides)
//   ObjectOfEntry("vase/l2")         -> "vase";  LocationOfEntry -> "l2"
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvellane {

inline constexpr std::string_view kEmptyList = ";";

std::vector<std::string> SplitList(std::string_view list);
// Whether ";" + name + ";" occurs in the list.
bool ListHas(std::string_view list, std::string_view name);
// An empty text or ";".
bool IsEmptyList(std::string_view list);
std::string_view ObjectOfEntry(std::string_view entry);
std::string_view LocationOfEntry(std::string_view entry);

}  // namespace corvellane
