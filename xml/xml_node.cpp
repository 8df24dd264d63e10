#include "xml/xml_node.h"

#include <pugixml.hpp>
#include <string>

namespace corvellane {

namespace {

pugi::xml_node Node(pugi::xml_node_struct* raw) { return pugi::xml_node(raw); }

std::string_view View(const char* text) { return text ? std::string_view(text) : std::string_view(); }

pugi::xml_attribute AttributeAt(pugi::xml_node node, int position) {
  if (position < 0) return {};
  pugi::xml_attribute a = node.first_attribute();
  for (int i = 0; a && i < position; ++i) a = a.next_attribute();
  return a;
}

// Attribute lookup without building a zero-terminated copy of the name: value
// reads are the hottest path of loading.
pugi::xml_attribute AttributeNamed(pugi::xml_node node, std::string_view name) {
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
    if (View(a.name()) == name) return a;
  return {};
}

}  // namespace

bool IsValidXmlName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name)
    if (static_cast<unsigned char>(c) <= ' ' || std::string_view("<>&\"'/=!?").find(c) != std::string_view::npos)
      return false;
  return true;
}

XmlNodeKind XmlNode::Kind() const {
  switch (Node(raw_).type()) {
    case pugi::node_null: return XmlNodeKind::Null;
    case pugi::node_document: return XmlNodeKind::Document;
    case pugi::node_element: return XmlNodeKind::Element;
    case pugi::node_pcdata: return XmlNodeKind::Text;
    case pugi::node_cdata: return XmlNodeKind::CData;
    case pugi::node_comment: return XmlNodeKind::Comment;
    case pugi::node_pi: return XmlNodeKind::ProcessingInstruction;
    default: return XmlNodeKind::Other;
  }
}

bool XmlNode::IsText() const {
  XmlNodeKind kind = Kind();
  return kind == XmlNodeKind::Text || kind == XmlNodeKind::CData;
}

std::string_view XmlNode::Name() const { return View(Node(raw_).name()); }
std::string_view XmlNode::Value() const { return View(Node(raw_).value()); }
void XmlNode::SetValue(std::string_view value) { Node(raw_).set_value(value.data(), value.size()); }

XmlNode XmlNode::Parent() const { return XmlNode(Node(raw_).parent().internal_object()); }
XmlNode XmlNode::FirstChild() const { return XmlNode(Node(raw_).first_child().internal_object()); }
XmlNode XmlNode::NextSibling() const { return XmlNode(Node(raw_).next_sibling().internal_object()); }

int XmlNode::AttributeCount() const {
  int count = 0;
  for (pugi::xml_attribute a = Node(raw_).first_attribute(); a; a = a.next_attribute()) ++count;
  return count;
}

std::optional<std::string_view> XmlNode::AttributeNameAt(int position) const {
  pugi::xml_attribute a = AttributeAt(Node(raw_), position);
  if (!a) return std::nullopt;
  return View(a.name());
}

std::optional<std::string_view> XmlNode::AttributeValueAt(int position) const {
  pugi::xml_attribute a = AttributeAt(Node(raw_), position);
  if (!a) return std::nullopt;
  return View(a.value());
}

std::optional<std::string_view> XmlNode::Attribute(std::string_view name) const {
  pugi::xml_attribute a = AttributeNamed(Node(raw_), name);
  if (!a) return std::nullopt;
  return View(a.value());
}

void XmlNode::SetAttribute(std::string_view name, std::string_view value) {
  pugi::xml_node node = Node(raw_);
  if (node.type() != pugi::node_element || !IsValidXmlName(name)) return;
  pugi::xml_attribute a = AttributeNamed(node, name);
  if (!a) a = node.append_attribute(std::string(name).c_str());
  a.set_value(value.data(), value.size());
}

void XmlNode::SetAttributeAt(int position, std::string_view value) {
  if (pugi::xml_attribute a = AttributeAt(Node(raw_), position)) a.set_value(value.data(), value.size());
}

void XmlNode::RemoveAttribute(std::string_view name) {
  pugi::xml_node node = Node(raw_);
  if (pugi::xml_attribute a = AttributeNamed(node, name)) node.remove_attribute(a);
}

}  // namespace corvellane
