#include "shell/declarations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "persistence/param_string.h"

namespace corvellane {
namespace {

using product::FileKey;

TEST(FileKeys, HaveTheDeclaredLengthsAndAlphabet) {
  struct Case {
    FileKey key;
    size_t length;
    int underscores;
  };
  const Case cases[] = {
      {FileKey::Options, 20, 0},    {FileKey::HighScores, 19, 0},  {FileKey::LevelRecords, 19, 0},
      {FileKey::Profiles, 19, 0},   {FileKey::Definitions, 19, 1},
  };
  for (const Case& c : cases) {
    std::string_view text = product::FileKeyText(c.key);
    SCOPED_TRACE(std::string(text));
    EXPECT_EQ(text.size(), c.length);
    EXPECT_EQ(std::count(text.begin(), text.end(), '_'), c.underscores);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char ch) { return std::isalnum(ch) || ch == '_'; }));
  }
}

TEST(FileKeys, AreDistinct) {
  auto keys = product::FileKeys();
  for (size_t i = 0; i < keys.size(); ++i)
    for (size_t j = i + 1; j < keys.size(); ++j) EXPECT_NE(keys[i].text, keys[j].text);
}

TEST(FileKeys, AreFoundByTheirToolNames) {
  EXPECT_EQ(product::FindFileKey("options"), FileKey::Options);
  EXPECT_EQ(product::FindFileKey("profiles"), FileKey::Profiles);
  EXPECT_EQ(product::FindFileKey("highscores"), FileKey::HighScores);
  EXPECT_EQ(product::FindFileKey("records"), FileKey::LevelRecords);
  EXPECT_EQ(product::FindFileKey("definitions"), FileKey::Definitions);
  EXPECT_EQ(product::FindFileKey("Options"), std::nullopt);
  EXPECT_EQ(product::FindFileKey(""), std::nullopt);
}

// The parameters after the tables name the object's settings file and key.
void ExpectRecordFile(const std::vector<ParamPair>& params, std::string_view file, product::FileKey key) {
  ASSERT_GE(params.size(), 2u);
  const ParamPair& name = params[params.size() - 2];
  const ParamPair& cipher = params.back();
  EXPECT_EQ(name.key, "file");
  EXPECT_EQ(name.value, file);
  EXPECT_EQ(cipher.key, "cryptkey");
  EXPECT_EQ(cipher.value, product::FileKeyText(key));
}

TEST(RecordTables, HighScoreTablesParseIntoTwoTablesOfFourFields) {
  std::vector<ParamPair> params = ParseParamString(product::DefaultHighScoreTables());
  ExpectRecordFile(params, "highscores.dat", product::FileKey::HighScores);
  const std::vector<ParamPair> tables(params.begin(), params.end() - 2);
  ASSERT_EQ(tables.size(), 2u);
  for (size_t i = 0; i < tables.size(); ++i) {
    EXPECT_EQ(tables[i].key, "record_table");
    EXPECT_EQ(FindParam(tables[i].value, "name"), std::to_string(i));
    EXPECT_EQ(FindParam(tables[i].value, "max_records"), "10");
    std::optional<std::string> structure = FindParam(tables[i].value, "record_structure");
    ASSERT_TRUE(structure);
    std::vector<std::string> fields;
    for (const ParamPair& field : ParseParamString(*structure)) {
      EXPECT_EQ(field.key, "param");
      fields.push_back(field.value);
    }
    EXPECT_EQ(fields, (std::vector<std::string>{"Score", "Player", "Level", "Const"}));
  }
}

TEST(RecordTables, LevelRecordTablesAreNamedZeroAndOne) {
  std::vector<ParamPair> params = ParseParamString(product::DefaultLevelRecordTables());
  ExpectRecordFile(params, "records.dat", product::FileKey::LevelRecords);
  EXPECT_TRUE(product::DefaultLevelRecordTables().starts_with(
      "\\level_record_table={name=0}\\level_record_table={name=1}\\"));
}

}  // namespace
}  // namespace corvellane
