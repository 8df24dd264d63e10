#include "xml/xml_document.h"

#include <pugixml.hpp>

#include "xml/text_encoding.h"
#include "xml/xml_writer.h"

namespace corvellane {

namespace {

// Comments and processing instructions are kept; the declaration is not
// (parse_declaration is off), nor blanks-only text between elements.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_pi;

pugi::xml_node Pugi(XmlNode node) { return pugi::xml_node(node.raw()); }
XmlNode Wrap(pugi::xml_node node) { return XmlNode(node.internal_object()); }

std::string DescribeError(const pugi::xml_parse_result& result) {
  return std::string(result.description()) + " at offset " + std::to_string(result.offset);
}

}  // namespace

XmlDocument::XmlDocument() : doc_(std::make_unique<pugi::xml_document>()) {}
XmlDocument::~XmlDocument() = default;

std::shared_ptr<XmlDocument> XmlDocument::Parse(std::string_view utf8_text) {
  auto document = std::make_shared<XmlDocument>();
  pugi::xml_parse_result result =
      document->doc_->load_buffer(utf8_text.data(), utf8_text.size(), kParseOptions, pugi::encoding_utf8);
  if (!result && result.status != pugi::status_no_document_element) throw EXmlParseError(DescribeError(result));
  return document;
}

std::shared_ptr<XmlDocument> XmlDocument::ParseBytes(std::string_view bytes) {
  if (IsBinaryXml(bytes)) throw EXmlParseError("the binary document form is not supported");
  return Parse(DecodeXmlBytes(bytes));
}

std::shared_ptr<XmlDocument> XmlDocument::ParseSingleElement(std::string_view utf8_text) {
  auto document = std::make_shared<XmlDocument>();
  pugi::xml_parse_result result =
      document->doc_->load_buffer(utf8_text.data(), utf8_text.size(), kParseOptions, pugi::encoding_utf8);
  if (!result) return nullptr;
  int elements = 0;
  for (pugi::xml_node n = document->doc_->first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_element) ++elements;
    else if (n.type() != pugi::node_comment && n.type() != pugi::node_pi) return nullptr;
  }
  return elements == 1 ? document : nullptr;
}

std::shared_ptr<XmlDocument> XmlDocument::WithRoot(std::string_view root_name) {
  if (!IsValidXmlName(root_name)) return nullptr;
  auto document = std::make_shared<XmlDocument>();
  document->AppendElement(document->DocumentNode(), root_name);
  return document;
}

XmlNode XmlDocument::DocumentNode() const { return Wrap(*doc_); }

XmlNode XmlDocument::Root() const {
  for (XmlNode n = DocumentNode().FirstChild(); n; n = n.NextSibling())
    if (n.IsElement() && n != discarded_) return n;
  return {};
}

XmlNode XmlDocument::Discarded() {
  if (!discarded_) discarded_ = Wrap(doc_->append_child(pugi::node_element));
  return discarded_;
}

bool XmlDocument::IsOwnNode(XmlNode node) const {
  return node && Pugi(node).root() == *doc_;
}

XmlNode XmlDocument::AppendElement(XmlNode parent, std::string_view name) {
  if (!IsOwnNode(parent) || !IsValidXmlName(name)) return {};
  pugi::xml_node child = Pugi(parent).append_child(pugi::node_element);
  if (!child) return {};
  child.set_name(std::string(name).c_str());
  ++revision_;
  return Wrap(child);
}

XmlNode XmlDocument::AppendText(XmlNode parent, std::string_view text) {
  if (!IsOwnNode(parent)) return {};
  pugi::xml_node child = Pugi(parent).append_child(pugi::node_pcdata);
  if (!child) return {};
  child.set_value(text.data(), text.size());
  ++revision_;
  return Wrap(child);
}

XmlNode XmlDocument::AppendCopy(XmlNode parent, XmlNode source) {
  if (!IsOwnNode(parent) || !source) return {};
  XmlNode copy = Wrap(Pugi(parent).append_copy(Pugi(source)));
  if (copy) ++revision_;
  return copy;
}

void XmlDocument::Remove(XmlNode node) {
  if (!IsOwnNode(node) || node == DocumentNode() || node == discarded_) return;
  if (Pugi(Discarded()).append_move(Pugi(node))) ++revision_;
}

void XmlDocument::RemoveChildren(XmlNode parent) {
  if (!IsOwnNode(parent) || parent == DocumentNode()) return;
  while (XmlNode child = parent.FirstChild()) {
    if (!Pugi(Discarded()).append_move(Pugi(child))) break;
    ++revision_;
  }
}

std::string XmlDocument::ToText() const {
  std::string out;
  for (XmlNode n = DocumentNode().FirstChild(); n; n = n.NextSibling())
    if (n != discarded_) AppendXml(n, out);
  return out;
}

}  // namespace corvellane
