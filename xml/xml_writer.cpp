#include "xml/xml_writer.h"

namespace corvellane {

namespace {

void AppendEscaped(std::string_view text, bool in_attribute, std::string& out) {
  for (char c : text) {
    switch (c) {
      case '"': out += "&quot;"; break;
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\r': out += "&#13;"; break;
      case '\n': out += in_attribute ? "&#10;" : "\n"; break;
      case '\t': out += in_attribute ? "&#9;" : "\t"; break;
      default: out.push_back(c);
    }
  }
}

void AppendStartTag(XmlNode element, std::string& out) {
  out.push_back('<');
  out += element.Name();
  int count = element.AttributeCount();
  for (int i = 0; i < count; ++i) {
    out.push_back(' ');
    out += element.AttributeNameAt(i).value_or("");
    out += "=\"";
    AppendEscaped(element.AttributeValueAt(i).value_or(""), true, out);
    out.push_back('"');
  }
}

void AppendEndTag(XmlNode element, std::string& out) {
  out += "</";
  out += element.Name();
  out.push_back('>');
}

// Character data that holds its own end marker is written as escaped text
// instead: split sections would read back as two pieces of text.
void AppendCData(std::string_view data, std::string& out) {
  if (data.find("]]>") != std::string_view::npos) {
    AppendEscaped(data, false, out);
    return;
  }
  out += "<![CDATA[";
  out += data;
  out += "]]>";
}

// Elements without a name are the document's bookkeeping, never markup.
bool IsUnnamedElement(XmlNode node) { return node.IsElement() && node.Name().empty(); }

// A node written whole: an element without children, or any other kind.
void AppendLeaf(XmlNode node, std::string& out) {
  switch (node.Kind()) {
    case XmlNodeKind::Element:
      if (IsUnnamedElement(node)) break;
      AppendStartTag(node, out);
      out += "/>";
      break;
    case XmlNodeKind::Text: AppendEscaped(node.Value(), false, out); break;
    case XmlNodeKind::CData: AppendCData(node.Value(), out); break;
    case XmlNodeKind::Comment:
      out += "<!--";
      out += node.Value();
      out += "-->";
      break;
    case XmlNodeKind::ProcessingInstruction:
      out += "<?";
      out += node.Name();
      if (!node.Value().empty()) {
        out.push_back(' ');
        out += node.Value();
      }
      out += "?>";
      break;
    default: break;
  }
}

bool IsContainer(XmlNode node) {
  if (IsUnnamedElement(node)) return false;
  XmlNodeKind kind = node.Kind();
  return (kind == XmlNodeKind::Element || kind == XmlNodeKind::Document) && node.HasChildren();
}

}  // namespace

void AppendXml(XmlNode top, std::string& out) {
  if (!top) return;
  XmlNode node = top;
  for (;;) {
    if (IsContainer(node)) {
      if (node.IsElement()) {
        AppendStartTag(node, out);
        out.push_back('>');
      }
      node = node.FirstChild();
      continue;
    }
    AppendLeaf(node, out);
    // Climb until a next sibling exists, closing the elements left behind.
    for (;;) {
      if (node == top) return;
      if (XmlNode next = node.NextSibling()) {
        node = next;
        break;
      }
      node = node.Parent();
      if (node.IsElement()) AppendEndTag(node, out);
    }
  }
}

std::string ToXml(XmlNode node) {
  std::string out;
  AppendXml(node, out);
  return out;
}

std::string EscapeXmlValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t apostrophe = text.find('\''); apostrophe != std::string_view::npos; apostrophe = text.find('\'')) {
    AppendEscaped(text.substr(0, apostrophe), true, out);
    out += "&apos;";
    text.remove_prefix(apostrophe + 1);
  }
  AppendEscaped(text, true, out);
  return out;
}

}  // namespace corvellane
