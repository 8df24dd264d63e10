// xml_storage.h: the hierarchical storage over an XML document.
//
// TXMLStorage wraps one element of an XmlDocument (storage.h describes what
// each operation answers). Storages of the same document share it: child
// storages are created on every GetChild / AddChild / FindChild / FindNode and
// keep the document alive as long as they live. Removing or replacing children
// never invalidates a storage that still wraps them; such a storage simply
// works on a node that is no longer part of the document's tree.
//
// Most code reaches storages only through storage.h; this header is for code
// that needs the wrapped node itself (IXMLStorageSlave).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "persistence/storage.h"
#include "xml/xml_document.h"

namespace corvellane {

struct IXMLStorageSlave : virtual IHierStorage {
  // Wraps the element and resolves its "_outstorage" (through the external
  // storage cache). A null element gives a storage that answers every read
  // with its default and every count with 0.
  virtual void AttachNode(XmlNode element, std::shared_ptr<XmlDocument> document) = 0;
  virtual void DetachNode() = 0;
  virtual XmlNode GetXmlNode() = 0;
};

class TXMLStorage : public TAbstractObject, public virtual IXMLStorageSlave, public virtual IHierStorageRoot {
 public:
  // IHierStorage
  std::string GetNodeName() override;
  int GetValueCount() override;
  std::string GetValueName(int position) override;
  Variant GetValueAt(int position, const Variant& fallback) override;
  Variant GetValue(std::string_view name, const Variant& fallback) override;
  void SetValueAt(int position, const Variant& value) override;
  void SetValue(std::string_view name, const Variant& value) override;
  void DeleteValue(std::string_view name) override;
  Ref<IHierStorage> AddChild(std::string_view name) override;
  int GetChildCount(std::string_view name) override;
  Ref<IHierStorage> GetChild(std::string_view name, int index) override;
  Ref<IHierStorage> FindChild(std::string_view path) override;
  Variant GetText() override;
  void SetText(const Variant& value) override;
  Variant GetChildText(std::string_view name) override;
  void SetChildText(std::string_view name, const Variant& value) override;
  void AppendCopy(IHierStorage* other) override;
  void RemoveChild(IHierStorage* child) override;
  std::string GetXml() override;
  Variant GetContent() override;
  void SetContent(const Variant& value) override;
  Variant GetChildContent(std::string_view name) override;
  void SetChildContent(std::string_view name, const Variant& value) override;
  Ref<IHierStorage> FindNode(std::string_view path, std::string_view group_name) override;
  std::string GetLocation() override;

  // IXMLStorageSlave
  void AttachNode(XmlNode element, std::shared_ptr<XmlDocument> document) override;
  void DetachNode() override;
  XmlNode GetXmlNode() override { return node_; }

  // IHierStorageRoot
  bool CreateNew(std::string_view root_name) override;
  bool LoadFromFile(std::string_view path) override;
  bool LoadFromText(std::string_view text) override;
  void ReadObject(IPersistable* object) override;
  bool SaveToFile(std::string_view path) override;
  std::string SaveToText() override;
  void WriteObject(IPersistable* object) override;

  // A storage wrapping an element of the document.
  static Ref<TXMLStorage> Wrap(XmlNode element, std::shared_ptr<XmlDocument> document);

 private:
  const std::vector<XmlNode>& ChildrenNamed(std::string_view name);
  XmlNode FirstOwnChild(std::string_view name);
  Ref<IHierStorage> WrapNode(XmlNode node);
  bool CanChange() const { return document_ && node_; }

  std::shared_ptr<XmlDocument> document_;
  XmlNode node_;
  Ref<IHierStorage> external_;
  // The most recent child-name query; valid while the document's shape is
  // unchanged (its revision), so loops of GetChildCount / GetChild stay linear.
  struct ChildCache {
    bool valid = false;
    std::string name;
    uint64_t revision = 0;
    std::vector<XmlNode> children;
  } child_cache_;
};

}  // namespace corvellane
