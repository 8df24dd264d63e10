#include "records/record_file.h"

#include <filesystem>

#include "persistence/cipher.h"
#include "persistence/log.h"
#include "persistence/paths.h"
#include "shell/text_files.h"

namespace corvellane {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

std::string SettingsPath(IEngine& engine, const RecordFile& file) {
  return JoinPath(engine.GetSettingsFolder(), file.file_name);
}

// The document of an existing file; none when any step fails. Wrongly keyed
// text deciphers to noise, which the lenient parser may still take for a
// document without any element: that is no record file either. The root's
// name is not checked (both files use "highscores", and older files may not).
Ref<IHierStorageRoot> ParseRecordText(const TextFileContent& content, std::string_view key) {
  if (!content.ok()) return nullptr;
  std::optional<std::string> plain = TryDecryptText(key, content.text);
  if (!plain) return nullptr;
  try {
    Ref<IHierStorageRoot> root = OpenStorageText(*plain);
    return root && !root->GetNodeName().empty() ? root : nullptr;
  } catch (const EStorageParseError&) {
    return nullptr;
  }
}

}  // namespace

bool RecordFile::SetParam(std::string_view param, std::string_view value) {
  if (param == "file") {
    file_name = std::string(value);
  } else if (param == "cryptkey") {
    key = std::string(value);
  } else {
    return false;
  }
  return true;
}

std::string RecordFilePath(IEngine& engine, const RecordFile& file, bool from_program_folder) {
  std::string settings_path = SettingsPath(engine, file);
  if (!from_program_folder && FileExists(settings_path)) return settings_path;
  return JoinPath(engine.GetProgramFolder(), file.file_name);
}

Ref<IHierStorageRoot> ReadRecordFile(IEngine& engine, const RecordFile& file, bool from_program_folder) {
  if (file.file_name.empty()) return nullptr;
  const std::string path = RecordFilePath(engine, file, from_program_folder);
  TextFileContent content = ReadTextLines(path);
  if (content.status == FileReadStatus::Missing) return nullptr;
  Ref<IHierStorageRoot> root = ParseRecordText(content, file.key);
  if (!root && path == SettingsPath(engine, file)) KeepFileAside(path);
  else if (!root) LogWarning(path + " could not be read; the tables start empty");
  return root;
}

bool WriteRecordFile(IEngine& engine, const RecordFile& file, IPersistable& object, std::string_view root_name) {
  if (file.file_name.empty()) return false;
  Ref<IHierStorageRoot> document = CreateStorage(root_name);
  document->WriteObject(&object);
  return engine.WriteSettingsText(EncryptText(file.key, document->SaveToText()), file.file_name);
}

}  // namespace corvellane
