#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "persistence/cipher.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

// Every test starts and ends with an empty external-storage cache.
class StorageTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearExternalStorageCache(); }
  void TearDown() override { ClearExternalStorageCache(); }

  // An "_outstorage" text naming a file of the temporary folder.
  std::string OutStorage(std::string_view file, std::string_view key = {}) const {
    std::string target = "\\file={" + dir.File(file) + "}";
    if (!key.empty()) target += "\\cryptkey=" + std::string(key);
    return target;
  }

  // A root whose first child "item" inherits from the external file.
  Ref<IHierStorage> ItemInheritingFrom(std::string_view file, std::string_view item_body = "") {
    root = OpenStorageText("<root><item _outstorage=\"" + OutStorage(file) + "\"" + std::string(item_body) + "</root>");
    return root->GetChild("item", 0);
  }

  TempDir dir;
  Ref<IHierStorageRoot> root;
};

// --- external storage --------------------------------------------------------------

TEST_F(StorageTest, OutStorageSuppliesMissingValuesOnly) {
  dir.Write("ext.xml", R"(<sounds volume="50" pan="3"/>)");
  struct Case {
    const char* item_body;
    int volume;
  };
  const Case cases[] = {{"/>", 50}, {" volume=\"70\"/>", 70}, {" volume=\"\"/>", -1}};
  for (const Case& c : cases) {
    Ref<IHierStorage> item = ItemInheritingFrom("ext.xml", c.item_body);
    ASSERT_TRUE(item) << c.item_body;
    EXPECT_EQ(ReadInt(item.get(), "volume", -1), c.volume) << c.item_body;
    EXPECT_EQ(ReadInt(item.get(), "pan", -1), 3);
    EXPECT_EQ(ReadInt(item.get(), "absent", -1), -1);
  }
}

TEST_F(StorageTest, OutStorageChildListsAreNotMerged) {
  dir.Write("ext.xml", "<r><sound n=\"e0\"/><sound n=\"e1\"/><sound n=\"e2\"/><sound n=\"e3\"/><sound n=\"e4\"/></r>");
  Ref<IHierStorage> own = ItemInheritingFrom("ext.xml", "><sound n=\"o0\"/><sound n=\"o1\"/></item>");
  EXPECT_EQ(own->GetChildCount("sound"), 2);
  EXPECT_EQ(own->GetChild("sound", 1)->GetValue("n", ""), Variant("o1"));

  Ref<IHierStorage> inherited = ItemInheritingFrom("ext.xml", "><other/></item>");
  EXPECT_EQ(inherited->GetChildCount("sound"), 5);
  EXPECT_EQ(inherited->GetChild("sound", 4)->GetValue("n", ""), Variant("e4"));
  EXPECT_FALSE(inherited->GetChild("sound", 5));
  EXPECT_EQ(inherited->GetChildCount("other"), 1);
}

TEST_F(StorageTest, OutStorageChainsFollowEachFile) {
  dir.Write("b.xml", R"(<r deep="2"/>)");
  dir.Write("a.xml", "<r middle=\"1\" _outstorage=\"" + OutStorage("b.xml") + "\"/>");
  Ref<IHierStorage> item = ItemInheritingFrom("a.xml", "/>");
  EXPECT_EQ(ReadInt(item.get(), "middle", 0), 1);
  EXPECT_EQ(ReadInt(item.get(), "deep", 0), 2);
}

TEST_F(StorageTest, OutStorageCyclesEndWithTheDefault) {
  // A file that names itself, and two files that name each other.
  dir.Write("self.xml", "<r x=\"1\" _outstorage=\"" + OutStorage("self.xml") + "\"><c/></r>");
  dir.Write("a.xml", "<r a=\"1\" _outstorage=\"" + OutStorage("b.xml") + "\"/>");
  dir.Write("b.xml", "<r b=\"2\" _outstorage=\"" + OutStorage("a.xml") + "\"/>");
  for (const char* file : {"self.xml", "a.xml", "b.xml"}) {
    Ref<IHierStorage> item = ItemInheritingFrom(file, "/>");
    ASSERT_TRUE(item) << file;
    EXPECT_EQ(ReadInt(item.get(), "missing", 7), 7) << file;
    EXPECT_EQ(item->GetChildCount("missing"), 0) << file;
  }
  Ref<IHierStorage> item = ItemInheritingFrom("a.xml", "/>");
  EXPECT_EQ(ReadInt(item.get(), "a", 0), 1);
  EXPECT_EQ(ReadInt(item.get(), "b", 0), 2);
}

TEST_F(StorageTest, FileNamesWithSeparatorsNeedBraces) {
  // Without braces the name ends at the first backslash after "file=".
  std::string folder = dir.path().string();
  dir.Write("ext.xml", R"(<r from="short"/>)");
  dir.Write("sub/inner.xml", R"(<r from="braced"/>)");
  struct Case {
    std::string target;
    const char* from;
  };
  const Case cases[] = {
      {"\\file={" + folder + "\\sub\\inner.xml}", "braced"},
      {"\\file=" + folder + "/ext.xml\\sub\\inner.xml", "short"},
      {"\\FILE={" + folder + "/sub/inner.xml}\\cryptkey=", "braced"},
      {"\\name=" + folder + "/ext.xml", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    ClearExternalStorageCache();
    Ref<IHierStorage> external = OpenExternalStorage(c.target);
    EXPECT_EQ(ReadText(external.get(), "from"), c.from) << c.target;
  }
}

TEST_F(StorageTest, ExternalFilesAreCachedByNameIgnoringCase) {
  dir.Write("ext.xml", R"(<r v="1"/>)");
  Ref<IHierStorage> first = OpenExternalStorage(OutStorage("ext.xml"));
  dir.Write("ext.xml", R"(<r v="2"/>)");
  std::string upper_spec = "\\file={" + (dir.path() / "EXT.XML").string() + "}";
  EXPECT_EQ(OpenExternalStorage(upper_spec), first);
  EXPECT_EQ(ReadInt(OpenExternalStorage(OutStorage("ext.xml")).get(), "v", 0), 1);
  ClearExternalStorageCache();
  EXPECT_EQ(ReadInt(OpenExternalStorage(OutStorage("ext.xml")).get(), "v", 0), 2);
  EXPECT_EQ(ReadInt(first.get(), "v", 0), 1);  // an old storage keeps its document
}

TEST_F(StorageTest, UnreadableExternalFilesGiveNothing) {
  dir.Write("broken.xml", "<r><unclosed></r>");
  EXPECT_FALSE(OpenExternalStorage(OutStorage("missing.xml")));
  EXPECT_FALSE(OpenExternalStorage(OutStorage("broken.xml")));
  Ref<IHierStorage> item = ItemInheritingFrom("broken.xml", " v=\"4\"/>");
  EXPECT_EQ(ReadInt(item.get(), "v", 0), 4);
  EXPECT_EQ(ReadInt(item.get(), "w", 9), 9);
}

TEST_F(StorageTest, SavedExternalStorageReadsBackEnciphered) {
  Ref<IHierStorageRoot> saved = CreateStorage("options");
  WriteText(saved.get(), "player", "Ann & <Bob>", true);
  std::string target = OutStorage("new/level/opts.dat", "secret");
  SaveExternalStorage(saved.get(), target);
  std::string on_disk = dir.Read("new/level/opts.dat");
  EXPECT_EQ(on_disk, EncryptText("secret", saved->SaveToText()));
  EXPECT_EQ(ReadText(OpenExternalStorage(target).get(), "player"), "Ann & <Bob>");
  // A wrong key gives bytes that are no UTF-8 text: a document without element.
  ClearExternalStorageCache();
  EXPECT_EQ(ReadText(OpenExternalStorage(OutStorage("new/level/opts.dat", "wrong")).get(), "player", "-"), "-");
}

TEST_F(StorageTest, SavingExternalStorageReportsFailure) {
  dir.Write("blocker", "a file where a folder should be");
  Ref<IHierStorageRoot> saved = CreateStorage("r");
  EXPECT_THROW(SaveExternalStorage(saved.get(), OutStorage("blocker/x.xml")), std::runtime_error);
  EXPECT_NO_THROW(SaveExternalStorage(saved.get(), "\\cryptkey=abc"));
}

// --- parsing and encodings ---------------------------------------------------------------

TEST_F(StorageTest, DeclaredEncodingChoosesTheDecoding) {
  struct Case {
    std::string bytes;
    const char* value;  // null: the document has no element
  };
  const Case cases[] = {
      {"<?xml version=\"1.0\" encoding=\"windows-1251\"?><a v=\"\xE9\x80\"/>", "\xC3\xA9\xE2\x82\xAC"},
      {"<?XML version=\"1.0\" encoding=\"ISO-8859-1\"?><a v=\"\xE9\"/>", "\xC3\xA9"},
      {"<a v=\"\xE9\x80\"/>", nullptr},
      {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a v=\"\xC3\xA9\"/>", "\xC3\xA9"},
      {"<?xml version=\"1.0\"?><a v=\"\xC3\xA9\"/>", "\xC3\xA9"},
      {"<?xml-stylesheet encoding=\"latin1\"?><a v=\"\xC3\xA9\"/>", "\xC3\xA9"},
      {"\xEF\xBB\xBF<a v=\"\xC3\xA9\"/>", "\xC3\xA9"},
      {"<a v=\"\xC0\xAF\"/>", nullptr},  // overlong form
  };
  for (const Case& c : cases) {
    std::string path = dir.Write("enc.xml", c.bytes);
    Ref<IHierStorageRoot> storage = OpenStorageFile(path);
    ASSERT_TRUE(storage) << c.bytes;
    if (c.value) {
      EXPECT_EQ(storage->GetValue("v", "-"), Variant(c.value)) << c.bytes;
    } else {
      EXPECT_EQ(storage->GetNodeName(), "") << c.bytes;
      EXPECT_EQ(storage->GetValue("v", "-"), Variant("-")) << c.bytes;
      EXPECT_EQ(storage->GetChildCount(""), 0) << c.bytes;
    }
  }
}

TEST_F(StorageTest, UnparsableTextIsAnErrorForOpenersAndFalseForLoaders) {
  const std::string cases[] = {
      "<a><b></a>",
      std::string("< binary-xml >\0\x01\x02", 17),
      "< binary-xml >",
  };
  for (const std::string& text : cases) {
    EXPECT_THROW(OpenStorageText(text), EStorageParseError) << text;
    EXPECT_THROW(OpenStorageFile(dir.Write("bad.xml", text)), EStorageParseError) << text;
    Ref<IHierStorageRoot> storage = CreateStorage("keep");
    EXPECT_FALSE(storage->LoadFromText(text)) << text;
    EXPECT_FALSE(storage->LoadFromFile(dir.File("bad.xml"))) << text;
    EXPECT_EQ(storage->GetNodeName(), "keep");
  }
  EXPECT_FALSE(OpenStorageFile(dir.File("missing.xml")));
}

TEST_F(StorageTest, DocumentWithoutElementAnswersDefaults) {
  for (const char* text : {"", "<!-- only a comment -->", "just text"}) {
    Ref<IHierStorageRoot> storage = OpenStorageText(text);
    ASSERT_TRUE(storage) << text;
    EXPECT_EQ(storage->GetValue("x", 5), Variant(5));
    EXPECT_EQ(storage->GetChildCount(""), 0);
    EXPECT_FALSE(storage->AddChild("c"));
    storage->SetValue("x", "1");
    EXPECT_EQ(storage->GetValueCount(), 0);
  }
}

// --- the written form -------------------------------------------------------------------

TEST_F(StorageTest, DocumentsAreWrittenInTheCompactForm) {
  Ref<IHierStorageRoot> storage = CreateStorage("game");
  storage->SetValue("x", 1);
  storage->SetValue("quote", "a\"b&c<d>e");
  storage->AddChild("empty");
  Ref<IHierStorage> text = storage->AddChild("text");
  text->SetText("1 < 2 & \"3\" > 0");
  Ref<IHierStorage> nested = storage->AddChild("nested");
  nested->AddChild("leaf")->SetValue("lines", "one\ntwo\tthree\r");
  const std::string expected =
      "<game x=\"1\" quote=\"a&quot;b&amp;c&lt;d&gt;e\"><empty/>"
      "<text>1 &lt; 2 &amp; &quot;3&quot; &gt; 0</text>"
      "<nested><leaf lines=\"one&#10;two&#9;three&#13;\"/></nested></game>";
  EXPECT_EQ(storage->SaveToText(), expected);

  Ref<IHierStorageRoot> reread = OpenStorageText(expected);
  EXPECT_EQ(reread->SaveToText(), expected);
  EXPECT_EQ(reread->GetValue("quote", ""), Variant("a\"b&c<d>e"));
  EXPECT_EQ(reread->GetChild("text", 0)->GetText(), Variant("1 < 2 & \"3\" > 0"));
  EXPECT_EQ(reread->FindChild("nested/leaf")->GetValue("lines", ""), Variant("one\ntwo\tthree\r"));
}

TEST_F(StorageTest, ParsedDocumentsLoseTheirDeclarationButKeepOtherNodes) {
  Ref<IHierStorageRoot> storage = OpenStorageText(
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<!-- top --><r a='1'>\n  <!--c--><?pi data?><![CDATA[x]]>y]]&gt;\n</r>");
  EXPECT_EQ(storage->SaveToText(), "<!-- top --><r a=\"1\"><!--c--><?pi data?><![CDATA[x]]>y]]&gt;\n</r>");
  EXPECT_EQ(storage->GetChildCount(""), 4);
}

TEST_F(StorageTest, SavedDocumentsReadBackUnchanged) {
  const char* cases[] = {
      "<r><![CDATA[<?xml version=\"1.0\" encoding=\"windows-1251\"?>\xC3\xA9]]></r>",
      "<r><!--<?xml encoding=\"latin1\"?>-->\xC3\xA9</r>",
      "<r a=\"&#9;&#10;&#13;\">x&#13;y\n</r>",
      "<r><![CDATA[x]]&gt;y]]></r>",
  };
  for (const char* text : cases) {
    std::string once = OpenStorageText(text)->SaveToText();
    dir.Write("again.xml", once);
    EXPECT_EQ(OpenStorageFile(dir.File("again.xml"))->SaveToText(), once) << text;
    EXPECT_EQ(OpenStorageText(once)->GetText(), OpenStorageText(text)->GetText()) << text;
  }
}

TEST_F(StorageTest, SaveToFileReplacesTheFileOrReportsFailure) {
  Ref<IHierStorageRoot> storage = CreateStorage("r");
  storage->SetValue("v", "2");
  dir.Write("out.xml", "old contents that are longer than the new ones");
  EXPECT_TRUE(storage->SaveToFile(dir.File("out.xml")));
  EXPECT_EQ(dir.Read("out.xml"), "<r v=\"2\"/>");
  EXPECT_FALSE(storage->SaveToFile(dir.File("no/such/folder/out.xml")));
  int files = 0;
  for (auto& entry : std::filesystem::directory_iterator(dir.path())) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);  // no temporary file left behind
  Ref<IHierStorageRoot> reread = CreateStorage("x");
  ASSERT_TRUE(reread->LoadFromFile(dir.File("out.xml")));
  EXPECT_EQ(reread->GetValue("v", ""), Variant("2"));
}

TEST_F(StorageTest, CreateNewNeedsAUsableName) {
  for (const char* bad : {"", "a b", "<a>", "a/b"}) EXPECT_FALSE(CreateStorage(bad)) << bad;
  EXPECT_EQ(CreateStorage("ok")->SaveToText(), "<ok/>");
}

// --- reading and changing nodes ------------------------------------------------------------------

class NodeTest : public StorageTest {
 protected:
  void SetUp() override {
    StorageTest::SetUp();
    root = OpenStorageText(
        "<root a=\"1\" b=\"2\">"
        "<group name=\"g1\"><item name=\"x\" v=\"1\"/><item name=\"y\" v=\"2\"/></group>"
        "<group name=\"g2\"><item name=\"x\" v=\"3\"/></group>"
        "<list><widgets><Button name=\"ok\"/></widgets><button name=\"own\"/><Sub><ok v=\"own\"/></Sub></list>"
        "</root>");
  }
};

TEST_F(NodeTest, ValuesByPositionAndName) {
  EXPECT_EQ(root->GetValueCount(), 2);
  EXPECT_EQ(root->GetValueName(1), "b");
  EXPECT_EQ(root->GetValueName(2), "");
  EXPECT_EQ(root->GetValueAt(0, "d"), Variant("1"));
  EXPECT_EQ(root->GetValueAt(5, "d"), Variant("d"));
  root->SetValueAt(1, 20);
  root->SetValueAt(9, 30);
  root->SetValue("c", true);
  root->DeleteValue("a");
  EXPECT_EQ(root->GetValueCount(), 2);
  EXPECT_EQ(root->GetValue("b", ""), Variant("20"));
  EXPECT_EQ(root->GetValue("c", ""), Variant("True"));
  EXPECT_EQ(root->GetValue("a", "gone"), Variant("gone"));
}

TEST_F(NodeTest, FindChildFollowsPaths) {
  struct Case {
    const char* path;
    const char* found_v;  // "v" of the found node; null: nothing found
  };
  const Case cases[] = {
      {"group/item", "1"},
      {"group/item[name=y]", "2"},
      {"group/item[@name='y']", "2"},
      {"group[name=g2]/item", "3"},
      {"group[@name=\"g2\"]/item[name=x]", "3"},
      {"group/item[name=z]", nullptr},
      {"group/../group[name=g2]/./item", "3"},
      {"/root/group/item[v=2]", "2"},
      {"*/item[v=3]", "3"},
      {"..", nullptr},  // the document node is no storage
      {"group//item", nullptr},
      {"group/item[name=x", nullptr},
      {"group/item[]", nullptr},
      {"", ""},  // the node itself
  };
  for (const Case& c : cases) {
    Ref<IHierStorage> found = root->FindChild(c.path);
    EXPECT_EQ(found != nullptr, c.found_v != nullptr) << c.path;
    if (found && c.found_v) EXPECT_EQ(found->GetValue("v", ""), Variant(c.found_v)) << c.path;
  }
}

TEST_F(NodeTest, FindNodeMatchesNamesAndTitlesLookingInTheGroupFirst) {
  struct Case {
    const char* path;
    const char* group;
    const char* name;  // "name" attribute or element name of the result; null: nothing
  };
  const Case cases[] = {
      {"", "", "root"},
      {"LIST/ok", "widgets", "ok"},
      {"list/ok", "", nullptr},
      {"list/button", "", "own"},
      {"list/BUTTON", "widgets", "ok"},
      {"list/sub/OK", "", "ok"},
      {"G2/x", "", "x"},
      {"list/missing", "widgets", nullptr},
  };
  for (const Case& c : cases) {
    Ref<IHierStorage> found = root->FindNode(c.path, c.group);
    ASSERT_EQ(found != nullptr, c.name != nullptr) << c.path;
    if (!found) continue;
    std::string title = ReadText(found.get(), "name", found->GetNodeName());
    EXPECT_EQ(title, c.name) << c.path;
  }
  EXPECT_EQ(ReadText(root->FindNode("g2/x", "").get(), "v"), "3");
  EXPECT_EQ(ReadText(root->FindNode("list/sub/ok", "widgets").get(), "v"), "own");
}

TEST_F(NodeTest, TextAndContentRules) {
  struct Case {
    const char* markup;
    const char* text;
    const char* content;
  };
  const Case cases[] = {
      {"<e/>", "", ""},
      {"<e>plain &amp; simple</e>", "plain & simple", "plain & simple"},
      {"<e><![CDATA[a<b]]></e>", "a<b", "a<b"},
      {"<e>one<b>two</b><![CDATA[three]]></e>", "one two three", "one<b>two</b><![CDATA[three]]>"},
      {"<e><b><c>x</c><d>y</d></b>z</e>", "x y z", "<b><c>x</c><d>y</d></b>z"},
      {"<e><b/>z<!--no--></e>", " z", "<b/>z<!--no-->"},
      {"<e><x a=\"&quot;\"/></e>", "", "<x a=\"&quot;\"/>"},
  };
  for (const Case& c : cases) {
    Ref<IHierStorageRoot> e = OpenStorageText(c.markup);
    EXPECT_EQ(e->GetText(), Variant(c.text)) << c.markup;
    EXPECT_EQ(e->GetContent(), Variant(c.content)) << c.markup;
    EXPECT_EQ(e->GetXml(), OpenStorageText(e->GetXml())->GetXml()) << c.markup;
  }
}

TEST_F(NodeTest, SettingTextAndContent) {
  Ref<IHierStorageRoot> e = CreateStorage("e");
  e->SetChildText("expression", "x < 1");
  e->SetChildText("expression", "x > 2");
  EXPECT_EQ(e->GetChildCount("expression"), 1);
  EXPECT_EQ(e->GetChildText("expression"), Variant("x > 2"));
  EXPECT_EQ(e->GetChildText("absent"), Variant());

  e->SetChildContent("storage_string", "<widget name=\"a\"><child/></widget>");
  e->SetChildContent("plain", "not <markup");
  e->SetChildContent("two", "<a/><b/>");
  EXPECT_EQ(e->GetChild("storage_string", 0)->GetXml(), "<storage_string><widget name=\"a\"><child/></widget></storage_string>");
  EXPECT_EQ(e->GetChildContent("storage_string"), Variant("<widget name=\"a\"><child/></widget>"));
  EXPECT_EQ(e->GetChildContent("plain"), Variant("not <markup"));
  EXPECT_EQ(e->GetChildContent("two"), Variant("<a/><b/>"));
  EXPECT_EQ(e->GetChild("two", 0)->GetChildCount(""), 1);  // kept as text

  Ref<IHierStorage> holder = e->AddChild("holder");
  holder->AddChild("old");
  holder->SetText("fresh");
  EXPECT_EQ(holder->GetXml(), "<holder>fresh</holder>");
  holder->SetText("");
  EXPECT_EQ(holder->GetXml(), "<holder/>");
}

TEST_F(NodeTest, ChildListsStayCurrentAfterChanges) {
  Ref<IHierStorage> group = root->GetChild("group", 0);
  ASSERT_EQ(group->GetChildCount("item"), 2);
  Ref<IHierStorage> first = group->GetChild("item", 0);
  // Removed through another storage of the same element.
  Ref<IHierStorage> same_group = root->FindChild("group");
  same_group->RemoveChild(first.get());
  EXPECT_EQ(group->GetChildCount("item"), 1);
  EXPECT_EQ(ReadText(group->GetChild("item", 0).get(), "name"), "y");
  // The removed child's storage still works, detached from the document.
  EXPECT_EQ(ReadText(first.get(), "name"), "x");
  first->SetValue("name", "changed");
  first->AddChild("grandchild");
  EXPECT_EQ(root->SaveToText().find("changed"), std::string::npos);

  group->AddChild("item");
  EXPECT_EQ(group->GetChildCount("item"), 2);
  group->SetText("gone");
  EXPECT_EQ(group->GetChildCount("item"), 0);
  EXPECT_EQ(group->GetChildCount(""), 1);
}

TEST_F(NodeTest, RemoveChildIgnoresNodesThatAreNotChildren) {
  Ref<IHierStorage> nested_item = root->FindChild("group/item");
  root->RemoveChild(nested_item.get());
  root->RemoveChild(root.get());
  root->RemoveChild(nullptr);
  root->RemoveChild(CreateStorage("foreign").get());
  EXPECT_EQ(root->GetChild("group", 0)->GetChildCount("item"), 2);
}

TEST_F(NodeTest, AppendCopyCopiesDeeply) {
  Ref<IHierStorage> list = root->GetChild("list", 0);
  std::string list_before = list->GetXml();
  Ref<IHierStorageRoot> other = CreateStorage("other");
  other->AppendCopy(list.get());
  list->SetValue("changed", "yes");
  EXPECT_EQ(other->SaveToText(), "<other>" + list_before + "</other>");
  root->AppendCopy(root.get());  // a copy of the element into itself
  EXPECT_EQ(root->GetChildCount("root"), 1);
  EXPECT_EQ(root->FindChild("root/list")->GetValue("changed", ""), Variant("yes"));
}

}  // namespace
}  // namespace corvellane::testing
