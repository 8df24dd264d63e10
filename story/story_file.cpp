#include "story/story_file.h"

#include <optional>
#include <string>

#include "persistence/cipher.h"
#include "persistence/data_files.h"
#include "persistence/log.h"
#include "shell/declarations.h"

namespace corvellane {

namespace {

bool LooksLikeXml(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return false;
  // A byte-order mark may stand before the first element.
  return text[first] == '<' || text.substr(first, 3) == "\xEF\xBB\xBF";
}

}  // namespace

Ref<IHierStorageRoot> ParseStoryText(std::string_view text, std::string_view source_name) {
  if (LooksLikeXml(text)) return OpenStorageText(text, source_name);
  std::optional<std::string> plain =
      TryDecryptText(product::FileKeyText(product::FileKey::Definitions), text);
  if (!plain || !LooksLikeXml(*plain)) return nullptr;
  return OpenStorageText(*plain, source_name);
}

Ref<IHierStorageRoot> OpenStoryFile(std::string_view path, std::string_view what) {
  const std::string label = std::string(what) + " " + std::string(path);
  std::optional<std::string> bytes = ReadDataFile(path);
  if (!bytes) {
    LogWarning(label + " is missing");
    return nullptr;
  }
  try {
    Ref<IHierStorageRoot> root = ParseStoryText(*bytes, path);
    if (!root || root->GetNodeName().empty()) LogWarning(label + " is neither XML nor enciphered with the definitions key");
    return root && !root->GetNodeName().empty() ? root : nullptr;
  } catch (const EStorageParseError& error) {
    LogWarning(label + " is not well-formed XML (" + error.what() + ")");
    return nullptr;
  }
}

std::string StoryDocumentText(IPersistable* object, std::string_view root_name) {
  Ref<IHierStorageRoot> document = CreateStorage(root_name);
  document->WriteObject(object);
  return document->SaveToText();
}

}  // namespace corvellane
