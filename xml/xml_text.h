// xml_text.h: the text of a node.
//
// A node without children answers its own value (empty for an element). Any
// other node answers the texts of its child elements, text and character-data
// nodes, each found the same way, joined with single blanks; comments and
// processing instructions contribute nothing.
//
//   <a>one<b>two</b><![CDATA[three]]></a>   ->  "one two three"
#pragma once

#include <string>

#include "xml/xml_node.h"

namespace corvellane {

std::string InnerText(XmlNode node);

}  // namespace corvellane
