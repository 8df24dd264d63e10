// property_aliases.h: the alias list of a widget.
//
// "aliases" is a key=value list (param_string.h): each item names an alias
// and the property (or properties, separated by ",") it stands for.
//
//   aliases="\show=visible\pos={anchor_left,anchor_top}"
//
// An alias counts only when the text holds "\" + name + "=" exactly as
// written (letter case included); the value is then looked up without regard
// to case. Writing "pos" writes both targets; reading "pos" reads the
// property named by the whole value, which is null unless some widget
// property has that name.
//
//   FindAliasValue(aliases, "pos");        // "anchor_left,anchor_top"
//   SplitAliasTargets("anchor_left,anchor_top");   // two names
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvellane {

// True when the alias text names the alias literally ("\" + name + "=").
bool HasAlias(std::string_view aliases, std::string_view name);
// The alias value, when the text names the alias and the lookup finds it.
std::optional<std::string> FindAliasValue(std::string_view aliases, std::string_view name);
std::vector<std::string> SplitAliasTargets(std::string_view value);

}  // namespace corvellane
