// The external-storage cache: storages opened from the texts of
// "_outstorage" attributes, one per file name (letter case ignored), shared by every
// element that names the file, until the cache is cleared.
//
// An "_outstorage" chain that leads back to a file still being opened (a file
// whose root names itself, or A -> B -> A) ends there: the inner reference
// opens nothing, so reads along the chain end with their defaults instead of
// recursing without end.
#include <filesystem>
#include <mutex>
#include <set>
#include <stdexcept>
#include <unordered_map>

#include "persistence/cipher.h"
#include "persistence/data_files.h"
#include "persistence/log.h"
#include "persistence/param_string.h"
#include "persistence/paths.h"
#include "persistence/storage.h"
#include "persistence/whole_file.h"
#include "persistence/xml_storage.h"
#include "xml/ascii_case.h"

namespace corvellane {

namespace {

struct ExternalTarget {
  std::string file;
  std::string key;
};

ExternalTarget ReadTarget(std::string_view out_storage) {
  return {FindParam(out_storage, "file").value_or(""), FindParam(out_storage, "cryptkey").value_or("")};
}

class ExternalCache {
 public:
  static ExternalCache& Instance() {
    static ExternalCache cache;
    return cache;
  }

  Ref<IHierStorage> Find(const std::string& key) {
    std::lock_guard lock(mutex_);
    auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : it->second;
  }

  void Insert(const std::string& key, Ref<IHierStorage> storage) {
    std::lock_guard lock(mutex_);
    entries_.emplace(key, std::move(storage));
  }

  // False when the file is already being opened further up the chain.
  bool BeginOpening(const std::string& key) {
    std::lock_guard lock(mutex_);
    return opening_.insert(key).second;
  }

  void EndOpening(const std::string& key) {
    std::lock_guard lock(mutex_);
    opening_.erase(key);
  }

  void Clear() {
    std::unordered_map<std::string, Ref<IHierStorage>> released;
    {
      std::lock_guard lock(mutex_);
      released.swap(entries_);
    }
    // The storages are released here, outside the lock.
  }

 private:
  std::mutex mutex_;
  std::unordered_map<std::string, Ref<IHierStorage>> entries_;
  std::set<std::string> opening_;
};

class OpeningGuard {
 public:
  explicit OpeningGuard(std::string key) : key_(std::move(key)) {
    active_ = ExternalCache::Instance().BeginOpening(key_);
  }
  ~OpeningGuard() {
    if (active_) ExternalCache::Instance().EndOpening(key_);
  }
  OpeningGuard(const OpeningGuard&) = delete;
  OpeningGuard& operator=(const OpeningGuard&) = delete;
  bool active() const { return active_; }

 private:
  std::string key_;
  bool active_ = false;
};

std::string CacheKey(std::string_view file) { return ToUpperAscii(NormalizePath(file)); }

Ref<IHierStorage> ReadExternal(const ExternalTarget& target) {
  std::optional<std::string> bytes = ReadDataFile(target.file);
  if (!bytes) {
    LogWarning(target.file + " (named by \"_outstorage\") is missing; its content is not used");
    return nullptr;
  }
  if (!target.key.empty()) *bytes = DecryptText(target.key, *bytes);
  try {
    auto document = XmlDocument::ParseBytes(*bytes);
    document->SetSourceName(target.file);
    return TXMLStorage::Wrap(document->Root(), document);
  } catch (const EXmlParseError& error) {
    LogWarning(target.file + " is not well-formed XML (" + error.what() + "); its content is not used");
    return nullptr;
  }
}

std::string DocumentText(IHierStorage* storage) {
  if (auto* root = dynamic_cast<IHierStorageRoot*>(storage)) return root->SaveToText();
  return storage->GetXml();
}

}  // namespace

Ref<IHierStorage> OpenExternalStorage(std::string_view out_storage) {
  ExternalTarget target = ReadTarget(out_storage);
  if (target.file.empty()) return nullptr;
  std::string key = CacheKey(target.file);
  if (Ref<IHierStorage> cached = ExternalCache::Instance().Find(key)) return cached;
  OpeningGuard guard(key);
  if (!guard.active()) return nullptr;
  Ref<IHierStorage> storage = ReadExternal(target);
  if (storage) ExternalCache::Instance().Insert(key, storage);
  return storage;
}

void SaveExternalStorage(IHierStorage* storage, std::string_view out_storage) {
  ExternalTarget target = ReadTarget(out_storage);
  if (!storage || target.file.empty()) return;
  std::string text = DocumentText(storage);
  if (!target.key.empty()) text = EncryptText(target.key, text);
  std::string path = NormalizePath(target.file);
  std::error_code error;
  if (std::string_view folder = FolderOf(path); !folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) throw std::runtime_error("cannot create the folder of " + path + ": " + error.message());
  if (!WriteFileAtomically(path, text)) throw std::runtime_error("cannot write " + path);
}

void ClearExternalStorageCache() { ExternalCache::Instance().Clear(); }

}  // namespace corvellane
