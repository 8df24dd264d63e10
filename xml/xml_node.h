// xml_node.h: a handle to one node of an XmlDocument.
//
// XmlNode is a small copyable handle (a pointer into the document's tree). It
// reads the structure (name, value, attributes, children, parent) and changes
// attributes and values; changes of the tree's shape go through XmlDocument,
// which keeps every node it ever held alive until the document itself dies.
// A handle therefore never dangles while its document is alive, even after the
// node was removed from the tree.
//
// A default-constructed handle is null: every query answers empty or null and
// every change does nothing.
//
//   for (XmlNode c = node.FirstChild(); c; c = c.NextSibling())
//     if (c.IsElement() && c.Name() == "sound") ...
#pragma once

#include <optional>
#include <string_view>

namespace pugi {
struct xml_node_struct;
}

namespace corvellane {

enum class XmlNodeKind { Null, Document, Element, Text, CData, Comment, ProcessingInstruction, Other };

// Element and attribute names: not empty, no blanks, controls or markup characters.
bool IsValidXmlName(std::string_view name);

class XmlNode {
 public:
  XmlNode() = default;
  explicit XmlNode(pugi::xml_node_struct* raw) : raw_(raw) {}

  explicit operator bool() const { return raw_ != nullptr; }
  pugi::xml_node_struct* raw() const { return raw_; }
  friend bool operator==(XmlNode a, XmlNode b) { return a.raw_ == b.raw_; }

  XmlNodeKind Kind() const;
  bool IsElement() const { return Kind() == XmlNodeKind::Element; }
  // Text and character-data nodes: the nodes whose value is document text.
  bool IsText() const;

  std::string_view Name() const;
  // The text of a text, character-data, comment or processing-instruction node.
  std::string_view Value() const;
  void SetValue(std::string_view value);

  XmlNode Parent() const;
  XmlNode FirstChild() const;
  XmlNode NextSibling() const;
  bool HasChildren() const { return static_cast<bool>(FirstChild()); }

  int AttributeCount() const;
  // Name and value of the attribute at a 0-based position; none when out of range.
  std::optional<std::string_view> AttributeNameAt(int position) const;
  std::optional<std::string_view> AttributeValueAt(int position) const;
  std::optional<std::string_view> Attribute(std::string_view name) const;
  // Sets or appends an attribute.
  void SetAttribute(std::string_view name, std::string_view value);
  void SetAttributeAt(int position, std::string_view value);
  void RemoveAttribute(std::string_view name);

 private:
  pugi::xml_node_struct* raw_ = nullptr;
};

}  // namespace corvellane
