#include "persistence/xml_storage.h"

#include <string>
#include <vector>

#include "persistence/data_files.h"
#include "persistence/paths.h"
#include "persistence/whole_file.h"
#include "xml/ascii_case.h"
#include "xml/xml_path.h"
#include "xml/xml_text.h"
#include "xml/xml_writer.h"

namespace corvellane {

namespace {

constexpr std::string_view kOutStorageAttribute = "_outstorage";

// The first child element whose name or "name" attribute is the step (one
// step of FindNode; letter case ignored).
XmlNode FirstElementNamedOrTitled(XmlNode parent, std::string_view step) {
  for (XmlNode c = parent.FirstChild(); c; c = c.NextSibling()) {
    if (!c.IsElement()) continue;
    if (EqualsIgnoreAsciiCase(c.Name(), step)) return c;
    if (auto title = c.Attribute("name"); title && EqualsIgnoreAsciiCase(*title, step)) return c;
  }
  return {};
}

XmlNode FirstElementNamedIgnoringCase(XmlNode parent, std::string_view name) {
  for (XmlNode c = parent.FirstChild(); c; c = c.NextSibling())
    if (c.IsElement() && EqualsIgnoreAsciiCase(c.Name(), name)) return c;
  return {};
}

bool HasOnlyTextChild(XmlNode node) {
  XmlNode first = node.FirstChild();
  return first && !first.NextSibling() && first.IsText();
}

std::shared_ptr<XmlDocument> ParseOrThrow(std::string_view bytes) {
  try {
    return XmlDocument::ParseBytes(bytes);
  } catch (const EXmlParseError& error) {
    throw EStorageParseError(error.what());
  }
}

// The steps from the node up to the root, written root first. A path through
// a deeply nested file keeps its first and last steps: enough to find the
// place, and a message stays one readable line.
std::string JoinLocationSteps(const std::vector<std::string>& node_to_root) {
  constexpr size_t kShownAtEachEnd = 4;
  const size_t count = node_to_root.size();
  std::string path;
  for (size_t i = count; i-- > 0;) {
    const size_t from_root = count - 1 - i;
    if (count > 2 * kShownAtEachEnd + 1 && from_root >= kShownAtEachEnd && i >= kShownAtEachEnd) {
      if (from_root == kShownAtEachEnd) path += "/... " + std::to_string(count - 2 * kShownAtEachEnd) + " levels ...";
      continue;
    }
    if (!path.empty()) path += '/';
    path += node_to_root[i];
  }
  return path;
}

}  // namespace

Ref<TXMLStorage> TXMLStorage::Wrap(XmlNode element, std::shared_ptr<XmlDocument> document) {
  Ref<TXMLStorage> storage = MakeRef<TXMLStorage>();
  storage->AttachNode(element, std::move(document));
  return storage;
}

Ref<IHierStorage> TXMLStorage::WrapNode(XmlNode node) {
  if (!node) return nullptr;
  return Wrap(node, document_);
}

// --- attachment -------------------------------------------------------------

void TXMLStorage::AttachNode(XmlNode element, std::shared_ptr<XmlDocument> document) {
  document_ = std::move(document);
  node_ = element;
  child_cache_ = {};
  external_ = nullptr;
  if (auto target = node_.Attribute(kOutStorageAttribute); target && !target->empty())
    external_ = OpenExternalStorage(*target);
}

void TXMLStorage::DetachNode() {
  node_ = {};
  document_.reset();
  external_ = nullptr;
  child_cache_ = {};
}

// --- values -------------------------------------------------------------------

std::string TXMLStorage::GetNodeName() { return std::string(node_.Name()); }

std::string TXMLStorage::GetLocation() {
  std::vector<std::string> steps;
  for (XmlNode element = node_; element && element.IsElement(); element = element.Parent()) {
    std::string step(element.Name());
    if (std::optional<std::string_view> name = element.Attribute("name")) step += " \"" + std::string(*name) + "\"";
    steps.push_back(std::move(step));
  }
  std::string path = JoinLocationSteps(steps);
  const std::string file = document_ ? document_->SourceName() : std::string();
  if (file.empty()) return path;
  return path.empty() ? file : file + ", " + path;
}

int TXMLStorage::GetValueCount() { return node_.AttributeCount(); }

std::string TXMLStorage::GetValueName(int position) {
  return std::string(node_.AttributeNameAt(position).value_or(""));
}

Variant TXMLStorage::GetValueAt(int position, const Variant& fallback) {
  if (auto value = node_.AttributeValueAt(position)) return Variant(*value);
  return fallback;
}

Variant TXMLStorage::GetValue(std::string_view name, const Variant& fallback) {
  if (auto value = node_.Attribute(name)) return Variant(*value);
  if (external_) return external_->GetValue(name, fallback);
  return fallback;
}

void TXMLStorage::SetValueAt(int position, const Variant& value) { node_.SetAttributeAt(position, value.ToText()); }

void TXMLStorage::SetValue(std::string_view name, const Variant& value) { node_.SetAttribute(name, value.ToText()); }

void TXMLStorage::DeleteValue(std::string_view name) { node_.RemoveAttribute(name); }

// --- children -------------------------------------------------------------------

const std::vector<XmlNode>& TXMLStorage::ChildrenNamed(std::string_view name) {
  uint64_t revision = document_ ? document_->Revision() : 0;
  if (child_cache_.valid && child_cache_.name == name && child_cache_.revision == revision)
    return child_cache_.children;
  child_cache_.valid = true;
  child_cache_.name = std::string(name);
  child_cache_.revision = revision;
  child_cache_.children.clear();
  for (XmlNode c = node_.FirstChild(); c; c = c.NextSibling())
    if (name.empty() || (c.IsElement() && c.Name() == name)) child_cache_.children.push_back(c);
  return child_cache_.children;
}

XmlNode TXMLStorage::FirstOwnChild(std::string_view name) {
  const auto& children = ChildrenNamed(name);
  return children.empty() ? XmlNode() : children.front();
}

Ref<IHierStorage> TXMLStorage::AddChild(std::string_view name) {
  if (!CanChange()) return nullptr;
  return WrapNode(document_->AppendElement(node_, name));
}

int TXMLStorage::GetChildCount(std::string_view name) {
  int own = static_cast<int>(ChildrenNamed(name).size());
  if (own == 0 && external_) return external_->GetChildCount(name);
  return own;
}

Ref<IHierStorage> TXMLStorage::GetChild(std::string_view name, int index) {
  const auto& children = ChildrenNamed(name);
  if (index >= 0 && index < static_cast<int>(children.size())) return WrapNode(children[index]);
  if (external_) return external_->GetChild(name, index);
  return nullptr;
}

Ref<IHierStorage> TXMLStorage::FindChild(std::string_view path) {
  XmlNode found = SelectFirst(node_, path);
  // Only elements are storages; ".." past the root reaches the document node.
  if (!found.IsElement()) return nullptr;
  return WrapNode(found);
}

void TXMLStorage::AppendCopy(IHierStorage* other) {
  auto* source = dynamic_cast<IXMLStorageSlave*>(other);
  if (!CanChange() || !source) return;
  document_->AppendCopy(node_, source->GetXmlNode());
}

void TXMLStorage::RemoveChild(IHierStorage* child) {
  auto* slave = dynamic_cast<IXMLStorageSlave*>(child);
  if (!CanChange() || !slave) return;
  XmlNode node = slave->GetXmlNode();
  if (node && node.Parent() == node_) document_->Remove(node);
}

Ref<IHierStorage> TXMLStorage::FindNode(std::string_view path, std::string_view group_name) {
  XmlNode current = node_;
  while (current && !path.empty()) {
    size_t slash = path.find('/');
    std::string_view step = path.substr(0, slash);
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    if (step.empty()) continue;
    XmlNode found;
    if (!group_name.empty())
      if (XmlNode group = FirstElementNamedIgnoringCase(current, group_name))
        found = FirstElementNamedOrTitled(group, step);
    if (!found) found = FirstElementNamedOrTitled(current, step);
    current = found;
  }
  if (!current) return nullptr;
  if (current == node_) return Ref<IHierStorage>(this);
  return WrapNode(current);
}

// --- text and content -------------------------------------------------------------

Variant TXMLStorage::GetText() { return Variant(InnerText(node_)); }

void TXMLStorage::SetText(const Variant& value) {
  if (!CanChange()) return;
  std::string text = value.ToText();
  if (node_.IsText()) {
    node_.SetValue(text);
    return;
  }
  document_->RemoveChildren(node_);
  if (!text.empty()) document_->AppendText(node_, text);
}

Variant TXMLStorage::GetChildText(std::string_view name) {
  Ref<IHierStorage> child = GetChild(name, 0);
  return child ? child->GetText() : Variant();
}

void TXMLStorage::SetChildText(std::string_view name, const Variant& value) {
  if (!CanChange()) return;
  XmlNode child = FirstOwnChild(name);
  if (!child) child = document_->AppendElement(node_, name);
  if (child) Wrap(child, document_)->SetText(value);
}

std::string TXMLStorage::GetXml() { return ToXml(node_); }

Variant TXMLStorage::GetContent() {
  if (!node_.HasChildren() || HasOnlyTextChild(node_)) return GetText();
  std::string markup;
  for (XmlNode c = node_.FirstChild(); c; c = c.NextSibling()) AppendXml(c, markup);
  return Variant(std::move(markup));
}

void TXMLStorage::SetContent(const Variant& value) {
  if (!CanChange()) return;
  std::string text = value.ToText();
  if (auto parsed = XmlDocument::ParseSingleElement(text)) {
    document_->AppendCopy(node_, parsed->Root());
    return;
  }
  SetText(value);
}

Variant TXMLStorage::GetChildContent(std::string_view name) {
  Ref<IHierStorage> child = GetChild(name, 0);
  return child ? child->GetContent() : Variant();
}

void TXMLStorage::SetChildContent(std::string_view name, const Variant& value) {
  if (!CanChange()) return;
  XmlNode child = FirstOwnChild(name);
  if (!child) child = document_->AppendElement(node_, name);
  if (child) Wrap(child, document_)->SetContent(value);
}

// --- whole documents -----------------------------------------------------------------

bool TXMLStorage::CreateNew(std::string_view root_name) {
  auto document = XmlDocument::WithRoot(root_name);
  if (!document) return false;
  AttachNode(document->Root(), document);
  return true;
}

bool TXMLStorage::LoadFromFile(std::string_view path) {
  std::optional<std::string> bytes = ReadDataFile(path);
  if (!bytes || !LoadFromText(*bytes)) return false;
  document_->SetSourceName(std::string(path));
  return true;
}

bool TXMLStorage::LoadFromText(std::string_view text) {
  try {
    auto document = XmlDocument::ParseBytes(text);
    AttachNode(document->Root(), document);
    return true;
  } catch (const EXmlParseError&) {
    return false;
  }
}

void TXMLStorage::ReadObject(IPersistable* object) {
  if (object) object->LoadFrom(this);
}

void TXMLStorage::WriteObject(IPersistable* object) {
  if (object) object->SaveTo(this);
}

bool TXMLStorage::SaveToFile(std::string_view path) {
  if (!document_) return false;
  return WriteFileAtomically(NormalizePath(path), SaveToText());
}

std::string TXMLStorage::SaveToText() { return document_ ? document_->ToText() : std::string(); }

// --- storage functions ------------------------------------------------------------------

Ref<IHierStorageRoot> OpenStorageText(std::string_view text, std::string_view source_name) {
  auto document = ParseOrThrow(text);
  document->SetSourceName(std::string(source_name));
  return TXMLStorage::Wrap(document->Root(), document);
}

Ref<IHierStorageRoot> OpenStorageFile(std::string_view path) {
  std::optional<std::string> bytes = ReadDataFile(path);
  if (!bytes) return nullptr;
  return OpenStorageText(*bytes, path);
}

Ref<IHierStorageRoot> CreateStorage(std::string_view root_name) {
  Ref<TXMLStorage> storage = MakeRef<TXMLStorage>();
  if (!storage->CreateNew(root_name)) return nullptr;
  return storage;
}

}  // namespace corvellane
