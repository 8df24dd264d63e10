// xml_document.h: an XML document: a tree of elements, attributes, text,
// character-data, comment and processing-instruction nodes in document order.
//
// Parsing keeps comments and processing instructions but drops the XML
// declaration and the document type: the text is UTF-8 from here on, and a
// saved document must not claim another encoding. Text made only of blanks
// between elements is dropped.
//
// Every change of the tree's shape goes through the document. Removed nodes are
// unlinked, not freed, so that XmlNode handles held elsewhere stay valid until
// the document dies; Revision() counts shape changes, so that lists of children
// computed earlier can tell they are stale.
//
//   auto doc = XmlDocument::ParseBytes(file_bytes);   // throws EXmlParseError
//   XmlNode root = doc->Root();
//   XmlNode item = doc->AppendElement(root, "item");
//   item.SetAttribute("name", "x");
//   std::string text = doc->ToText();                  // <root><item name="x"/></root>
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "xml/xml_node.h"

namespace pugi {
class xml_document;
}

namespace corvellane {

class EXmlParseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class XmlDocument {
 public:
  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Parses UTF-8 text. Text without any element (empty text included) gives a
  // document without root; anything else that does not parse throws.
  static std::shared_ptr<XmlDocument> Parse(std::string_view utf8_text);
  // Parses the bytes of a data file: encoding rules of text_encoding.h; the
  // binary document form is recognised and refused with EXmlParseError.
  static std::shared_ptr<XmlDocument> ParseBytes(std::string_view bytes);
  // A document of exactly one element and nothing else but comments and
  // processing instructions; none for anything else.
  static std::shared_ptr<XmlDocument> ParseSingleElement(std::string_view utf8_text);
  // A new document whose only node is an empty root element of that name.
  static std::shared_ptr<XmlDocument> WithRoot(std::string_view root_name);

  // The first element of the document; null when there is none.
  XmlNode Root() const;

  XmlNode AppendElement(XmlNode parent, std::string_view name);
  XmlNode AppendText(XmlNode parent, std::string_view text);
  // Appends a deep copy of a node of any document (this one included).
  XmlNode AppendCopy(XmlNode parent, XmlNode source);
  // Unlinks the node from its parent; a no-op for nodes of other documents.
  void Remove(XmlNode node);
  void RemoveChildren(XmlNode parent);

  uint64_t Revision() const { return revision_; }

  // The file the document was read from, for messages about its content;
  // empty for documents made in memory.
  const std::string& SourceName() const { return source_name_; }
  void SetSourceName(std::string name) { source_name_ = std::move(name); }

  // The whole document in the written form of xml_writer.h.
  std::string ToText() const;

 private:
  XmlNode DocumentNode() const;
  XmlNode Discarded();
  bool IsOwnNode(XmlNode node) const;

  std::unique_ptr<pugi::xml_document> doc_;
  // An unnamed element beside the root that holds every removed node.
  XmlNode discarded_;
  uint64_t revision_ = 0;
  std::string source_name_;
};

}  // namespace corvellane
