#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "persistence/localization.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane::testing {
namespace {

// One element holding the text `stored` under "v" (none when null).
Ref<IHierStorageRoot> NodeWith(const char* stored) {
  Ref<IHierStorageRoot> node = CreateStorage("node");
  if (stored) node->SetValue("v", stored);
  return node;
}

TEST(ValueAccessTest, ReadingTypedValues) {
  struct Case {
    const char* stored;
    bool as_bool;
    int32_t as_int;
    double as_float;
    uint32_t as_hex;
  };
  // Fallbacks: true, -1, -1.5, 0xDEAD.
  const Case cases[] = {
      {nullptr, true, -1, -1.5, 0xDEAD},
      {"yes", true, -1, -1.5, 0xDEAD},
      {"no", false, -1, -1.5, 0xDEAD},
      {"Yes", true, -1, -1.5, 0xDEAD},
      {"", true, -1, -1.5, 0xDEAD},
      {"42", true, 42, 42, 42},
      {" 7", true, 7, 7, 7},
      {"-12", true, -12, -12, 0xFFFFFFF4},
      {"$FF", true, 255, -1.5, 255},
      {"$FF000000", true, int32_t(0xFF000000), -1.5, 0xFF000000},
      {"1.5", true, -1, 1.5, 0xDEAD},
      {"1,5", true, -1, 1.5, 0xDEAD},
      {"2147483648", true, -1, 2147483648.0, 0xDEAD},
      {"12abc", true, -1, -1.5, 0xDEAD},
  };
  for (const Case& c : cases) {
    auto node = NodeWith(c.stored);
    const char* label = c.stored ? c.stored : "(absent)";
    EXPECT_EQ(ReadBool(node.get(), "v", true), c.as_bool) << label;
    EXPECT_EQ(ReadInt(node.get(), "v", -1), c.as_int) << label;
    EXPECT_EQ(ReadFloat(node.get(), "v", -1.5), c.as_float) << label;
    EXPECT_EQ(ReadHexInt(node.get(), "v", 0xDEAD), c.as_hex) << label;
  }
}

TEST(ValueAccessTest, FloatsIgnoreTheProcessLocale) {
  // A desktop whose decimal separator is a comma must not change the files.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
  auto node = NodeWith("1.5");
  EXPECT_EQ(ReadFloat(node.get(), "v", 0), 1.5);
  WriteFloat(node.get(), "w", 1.5, true);
  EXPECT_EQ(ReadText(node.get(), "w"), "1.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!switched) GTEST_SKIP() << "no comma-separator locale installed; checked in the C locale only";
}

TEST(ValueAccessTest, WrittenTextForms) {
  auto node = NodeWith(nullptr);
  WriteBool(node.get(), "b", true, true);
  WriteBool(node.get(), "c", false, true);
  WriteInt(node.get(), "i", -42, true);
  WriteFloat(node.get(), "f", 0.1 + 0.2, true);
  WriteFloat(node.get(), "g", 2.0, true);
  WriteHexInt(node.get(), "h", 255, true);
  WriteHexInt(node.get(), "k", 0xFF00AA11, true);
  WriteText(node.get(), "t", "a & b", true);
  WriteEnum(node.get(), "e", "/copyrect//fillcolor", 1, true);
  EXPECT_EQ(node->SaveToText(),
            "<node b=\"yes\" c=\"no\" i=\"-42\" f=\"0.3\" g=\"2\" h=\"$000000FF\" k=\"$FF00AA11\" t=\"a &amp; b\" "
            "e=\"fillcolor\"/>");
}

TEST(ValueAccessTest, Enumerations) {
  const char* names = "/normal//screen/overlay/";
  struct Case {
    const char* stored;
    int index;
  };
  const Case cases[] = {{"normal", 0}, {"screen", 1}, {"overlay", 2}, {"Screen", 9}, {"", 9}, {nullptr, 9}};
  for (const Case& c : cases) EXPECT_EQ(ReadEnum(NodeWith(c.stored).get(), "v", names, 9), c.index);
  auto node = NodeWith(nullptr);
  WriteEnum(node.get(), "v", names, 3, true);
  WriteEnum(node.get(), "v", names, -1, true);
  EXPECT_EQ(node->GetValueCount(), 0);
}

TEST(ValueAccessTest, UnforcedWritesOnlyChangeDifferingValues) {
  struct Case {
    const char* stored;
    int32_t value;
    const char* expected;  // the stored text afterwards; null: still absent
  };
  const Case cases[] = {
      {nullptr, 5, nullptr},  // a default into a fresh element adds nothing
      {"7", 5, "5"},          // a stale value is brought back
      {"5", 5, "5"},
      {"$05", 5, "$05"},      // equal as a number: left as written
      {"junk", 5, "junk"},    // reads as the new value: left alone
  };
  for (const Case& c : cases) {
    auto node = NodeWith(c.stored);
    WriteInt(node.get(), "v", c.value, false);
    Variant stored = node->GetValue("v", Variant());
    if (c.expected) EXPECT_EQ(stored, Variant(c.expected)) << c.expected;
    else EXPECT_TRUE(stored.IsEmpty());
  }
  auto fresh = NodeWith(nullptr);
  WriteBool(fresh.get(), "b", false, false);
  WriteText(fresh.get(), "t", "x", false);
  WriteHexInt(fresh.get(), "h", 1, false);
  WriteFloat(fresh.get(), "f", 0.5, false);
  WriteEnum(fresh.get(), "e", "/a/b", 1, false);
  EXPECT_EQ(fresh->GetValueCount(), 0);

  auto stale = OpenStorageText(R"(<n b="yes" t="old" h="$00000002" f="0.25" e="a"/>)");
  WriteBool(stale.get(), "b", false, false);
  WriteText(stale.get(), "t", "x", false);
  WriteHexInt(stale.get(), "h", 1, false);
  WriteFloat(stale.get(), "f", 0.5, false);
  WriteEnum(stale.get(), "e", "/a/b", 1, false);
  EXPECT_EQ(stale->SaveToText(), R"(<n b="no" t="x" h="$00000001" f="0.5" e="b"/>)");
}

TEST(ValueAccessTest, NullNodesReadDefaultsAndIgnoreWrites) {
  EXPECT_EQ(ReadText(nullptr, "v", "d"), "d");
  EXPECT_EQ(ReadDisplayText(nullptr, "v", "d"), "d");
  EXPECT_TRUE(ReadBool(nullptr, "v", true));
  EXPECT_EQ(ReadInt(nullptr, "v", 3), 3);
  EXPECT_EQ(ReadEnum(nullptr, "v", "/a/b", 1), 1);
  EXPECT_NO_THROW(WriteInt(nullptr, "v", 3, true));
}

TEST(ValueAccessTest, DisplayTextIsLocalised) {
  CreateMultiLanguages();
  SetMacro("who", "Ann");
  auto node = NodeWith("Hi %who%, 100%%");
  EXPECT_EQ(ReadDisplayText(node.get(), "v"), "Hi Ann, 100%");
  EXPECT_EQ(ReadText(node.get(), "v"), "Hi %who%, 100%%");
  ReleaseMultiLanguages();
  EXPECT_EQ(ReadDisplayText(node.get(), "v"), "Hi %who%, 100%%");
}

}  // namespace
}  // namespace corvellane::testing
