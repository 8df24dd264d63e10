// xml_writer.h: the written form of XML.
//
// No declaration, no indentation, no line breaks. Elements are written as
// <name a="1">content</name>, or <name a="1"/> without content; attributes as
// a blank, the name, ="value". In values and text the characters " & < > are
// written &quot; &amp; &lt; &gt;. So that every value reads back exactly, an
// attribute value also escapes tab, line feed and carriage return (&#9; &#10;
// &#13;: a parser would otherwise fold them into blanks) and text escapes the
// carriage return. Character data is written <![CDATA[...]]> (as escaped text
// when it holds "]]>"), comments <!--...-->, processing instructions <?name value?>.
//
// Deep trees are written without recursion.
#pragma once

#include <string>
#include <string_view>

#include "xml/xml_node.h"

namespace corvellane {

// Appends the markup of the node and its subtree. For a document node, the
// markup of all its children.
void AppendXml(XmlNode node, std::string& out);
std::string ToXml(XmlNode node);

// A value as it must appear inside markup text that is parsed later (an
// attribute value between either kind of quotes, or element text): the
// attribute escapes above, and the apostrophe as &apos;. Text spliced into a
// template this way reads back unchanged and cannot add or end markup.
//
//   "<widget text=\"" + EscapeXmlValue(caption) + "\"/>"
std::string EscapeXmlValue(std::string_view text);

}  // namespace corvellane
