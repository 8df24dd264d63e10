#include "tests/story_screens/saved_records.h"

#include <fstream>
#include <iterator>
#include <string>

#include "persistence/cipher.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "shell/declarations.h"

namespace corvellane::testing {

namespace {

template <class T>
Ref<T> ReadSaved(const std::filesystem::path& file, product::FileKey key, const std::string& tables) {
  Ref<T> records = CreateObject<T>(tables);
  std::ifstream in(file, std::ios::binary);
  if (!in) return records;
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (Ref<IHierStorageRoot> root = OpenStorageText(DecryptText(product::FileKeyText(key), text), file.string()))
    records->LoadProperties(root.get());
  return records;
}

}  // namespace

Ref<THighScores> ReadSavedHighScores(const std::filesystem::path& settings) {
  return ReadSaved<THighScores>(settings / std::string(product::HighScoresFileName), product::FileKey::HighScores,
                                product::DefaultHighScoreTables());
}

Ref<TLevelRecords> ReadSavedLevelRecords(const std::filesystem::path& settings) {
  return ReadSaved<TLevelRecords>(settings / std::string(product::LevelRecordsFileName),
                                  product::FileKey::LevelRecords, product::DefaultLevelRecordTables());
}

}  // namespace corvellane::testing
