// storage.h: the hierarchical storage, the one view of data files.
//
// An IHierStorage is one element of a loaded XML document: a name, named text
// values (the attributes), text content and ordered children selected by name.
// Persistent objects load and save themselves only through this interface.
//
// An element that carries "_outstorage" (a parameter string naming a file and
// optionally a cipher key) has an external storage standing behind it: every
// value and every child name it lacks is taken from the external file's root.
//
// All texts are UTF-8. Child storages are created on every GetChild / AddChild
// and share the document; holding any storage keeps the document alive.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/variant.h"

namespace corvellane {

// Raised by OpenStorageFile / OpenStorageText for text that does not parse.
class EStorageParseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct IHierStorage : virtual IObject {
  virtual std::string GetNodeName() = 0;
  virtual int GetValueCount() = 0;
  virtual std::string GetValueName(int position) = 0;
  virtual Variant GetValueAt(int position, const Variant& fallback) = 0;
  virtual Variant GetValue(std::string_view name, const Variant& fallback) = 0;
  virtual void SetValueAt(int position, const Variant& value) = 0;
  virtual void SetValue(std::string_view name, const Variant& value) = 0;
  virtual void DeleteValue(std::string_view name) = 0;
  virtual Ref<IHierStorage> AddChild(std::string_view name) = 0;
  // An empty name counts all child nodes of any kind.
  virtual int GetChildCount(std::string_view name) = 0;
  virtual Ref<IHierStorage> GetChild(std::string_view name, int index) = 0;
  virtual Ref<IHierStorage> FindChild(std::string_view path) = 0;
  virtual Variant GetText() = 0;
  virtual void SetText(const Variant& value) = 0;
  virtual Variant GetChildText(std::string_view name) = 0;
  virtual void SetChildText(std::string_view name, const Variant& value) = 0;
  virtual void AppendCopy(IHierStorage* other) = 0;
  virtual void RemoveChild(IHierStorage* child) = 0;
  virtual std::string GetXml() = 0;
  virtual Variant GetContent() = 0;
  virtual void SetContent(const Variant& value) = 0;
  virtual Variant GetChildContent(std::string_view name) = 0;
  virtual void SetChildContent(std::string_view name, const Variant& value) = 0;
  virtual Ref<IHierStorage> FindNode(std::string_view path, std::string_view group_name) = 0;
  // Where the node comes from, for messages: the file (when it was read from
  // one) and the element path from the root, each element with its "name":
  //   data/screens/main.xml, gamescreen/window/widgets/widget "logo"
  virtual std::string GetLocation() = 0;
};

// The storage of a whole document's root element.
struct IHierStorageRoot : virtual IHierStorage {
  virtual bool CreateNew(std::string_view root_name) = 0;
  virtual bool LoadFromFile(std::string_view path) = 0;
  virtual bool LoadFromText(std::string_view text) = 0;
  virtual void ReadObject(IPersistable* object) = 0;
  // Writes the document as UTF-8 text; false when the file cannot be written.
  virtual bool SaveToFile(std::string_view path) = 0;
  virtual std::string SaveToText() = 0;
  virtual void WriteObject(IPersistable* object) = 0;
};

// Opens a data file through the data-file reader (folders, archives, embedded
// data); none when it cannot be opened. Text that does not parse raises
// EStorageParseError.
Ref<IHierStorageRoot> OpenStorageFile(std::string_view path);
// The source name is the file the text came from, for messages (GetLocation).
Ref<IHierStorageRoot> OpenStorageText(std::string_view text, std::string_view source_name = {});
// A new document holding an empty root element of that name.
Ref<IHierStorageRoot> CreateStorage(std::string_view root_name);

// The external storage named by an "_outstorage" text, through the
// process-wide cache; none when the out-storage text names no file or the file
// cannot be opened or parsed.
Ref<IHierStorage> OpenExternalStorage(std::string_view out_storage);
// Writes the storage's document to the file of the out-storage text (enciphered
// with its "cryptkey" when it has one). Throws std::runtime_error on failure.
void SaveExternalStorage(IHierStorage* storage, std::string_view out_storage);
void ClearExternalStorageCache();

}  // namespace corvellane
