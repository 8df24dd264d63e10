#include "shell/declarations.h"

#include <array>

#include "persistence/number_text.h"

namespace corvellane::product {

namespace {

constexpr std::array kFileKeys = {
    FileKeyEntry{FileKey::Options, "options", "Qm7tVb2XwL9pRc4NhZ8k"},
    FileKeyEntry{FileKey::Profiles, "profiles", "Up2Gx7RkW4nJq9TzB6c"},
    FileKeyEntry{FileKey::HighScores, "highscores", "Hs4kT9vQm2ZbW7xLp3R"},
    FileKeyEntry{FileKey::LevelRecords, "records", "Lr8Nc3YqT6wVb1KmZ5p"},
    FileKeyEntry{FileKey::Definitions, "definitions", "Df5Kq_8WmT3xZr7Vn2L"},
};

constexpr std::array kTableNames = {0, 1};

std::string HighScoreTable(int name) {
  return "\\record_table={name=" + FormatInt(name) + "\\max_records=10\\" + "record_structure={param=" + "Score" +
         "\\param=" + "Player" + "\\param=" + "Level" + "\\param=" + "Const" + "}}";
}

std::string LevelRecordTable(int name) { return "\\level_record_table={name=" + FormatInt(name) + "}"; }

// "\file=...\cryptkey={...}": where the object keeps itself in the settings folder.
std::string RecordFileParams(std::string_view file_name, FileKey key) {
  return "\\file=" + std::string(file_name) + "\\cryptkey={" + std::string(FileKeyText(key)) + "}";
}

}  // namespace

std::string DefaultHighScoreTables() {
  std::string tables;
  for (int name : kTableNames) tables += HighScoreTable(name);
  return tables + RecordFileParams(HighScoresFileName, FileKey::HighScores);
}

std::string DefaultLevelRecordTables() {
  std::string tables;
  for (int name : kTableNames) tables += LevelRecordTable(name);
  return tables + RecordFileParams(LevelRecordsFileName, FileKey::LevelRecords);
}

std::string DefaultUserProfiles() { return RecordFileParams(UserProfilesFileName, FileKey::Profiles); }

std::span<const FileKeyEntry> FileKeys() { return kFileKeys; }

std::string_view FileKeyText(FileKey key) {
  for (const FileKeyEntry& entry : kFileKeys)
    if (entry.key == key) return entry.text;
  return {};
}

std::optional<FileKey> FindFileKey(std::string_view name) {
  for (const FileKeyEntry& entry : kFileKeys)
    if (entry.name == name) return entry.key;
  return std::nullopt;
}

}  // namespace corvellane::product
