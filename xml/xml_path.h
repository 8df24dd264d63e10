// xml_path.h: selecting nodes by a path expression.
//
// Steps are separated by "/"; a leading "/" starts at the document node.
//   name                 child elements of that name
//   *                    all child elements
//   name[attr=value]     ... whose attribute has that value; the attribute may be
//   name[@attr='value']  written with "@", the value in ' or " quotes
//   .  ..                the node itself, its parent
// Empty steps ("a//b") and malformed conditions select nothing.
//
//   SelectFirst(root, "sounds/sound[name=click]")
//   SelectFirst(node, "../item[@type=\"image\"]")
#pragma once

#include <string_view>

#include "xml/xml_node.h"

namespace corvellane {

// The first node the path selects (document order within each step); null when none.
XmlNode SelectFirst(XmlNode from, std::string_view path);

}  // namespace corvellane
