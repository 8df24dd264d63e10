#include "shell/global_options.h"

#include <memory>

#include "persistence/cipher.h"
#include "persistence/paths.h"
#include "shell/declarations.h"
#include "shell/folders.h"
#include "shell/text_files.h"

namespace corvellane {

namespace {

constexpr std::string_view kRootName = "options";

}  // namespace

TGlobalOptions::TGlobalOptions(std::string file_path, std::string key)
    : file_path_(std::move(file_path)), key_(std::move(key)) {}

Ref<IHierStorageRoot> TGlobalOptions::LoadStore() {
  TextFileContent content = ReadTextLines(file_path_);
  if (content.status == FileReadStatus::Missing) return nullptr;
  if (content.ok()) {
    if (auto plain = TryDecryptText(key_, content.text)) {
      try {
        Ref<IHierStorageRoot> root = OpenStorageText(*plain);
        // Deciphering with a wrong key gives noise, which may still parse as a
        // document without our root: that is a damaged store too.
        if (root && root->GetNodeName() == kRootName) return root;
      } catch (const EStorageParseError&) {
      }
    }
  }
  KeepFileAside(file_path_);
  return nullptr;
}

IHierStorageRoot& TGlobalOptions::Store() {
  if (!store_) {
    store_ = LoadStore();
    if (!store_) store_ = CreateStorage(kRootName);
  }
  return *store_;
}

std::optional<std::string> TGlobalOptions::GetOption(std::string_view name) {
  IHierStorageRoot& store = Store();
  if (store.GetChildCount(name) == 0) return std::nullopt;
  return store.GetChildText(name).ToText();
}

bool TGlobalOptions::SetOption(std::string_view name, std::string_view value) {
  IHierStorageRoot& store = Store();
  store.SetChildText(name, Variant(value));
  return WriteTextLinesAtomically(file_path_, EncryptText(key_, store.SaveToText()));
}

namespace {

std::unique_ptr<TGlobalOptions>& GlobalOptionsInstance() {
  static std::unique_ptr<TGlobalOptions> options;
  return options;
}

}  // namespace

TGlobalOptions& GlobalOptions() {
  std::unique_ptr<TGlobalOptions>& options = GlobalOptionsInstance();
  if (!options) {
    options = std::make_unique<TGlobalOptions>(JoinPath(GetSettingsFolder(), product::OptionsFileName),
                                               std::string(product::FileKeyText(product::FileKey::Options)));
  }
  return *options;
}

void ResetGlobalOptions() { GlobalOptionsInstance().reset(); }

}  // namespace corvellane
