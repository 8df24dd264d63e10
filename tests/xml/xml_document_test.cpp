#include <gtest/gtest.h>

#include <string>

#include "xml/text_encoding.h"
#include "xml/xml_document.h"
#include "xml/xml_path.h"
#include "xml/xml_text.h"
#include "xml/xml_writer.h"

namespace corvellane::testing {
namespace {

TEST(TextEncodingTest, Utf8Validity) {
  struct Case {
    std::string bytes;
    bool valid;
  };
  const Case cases[] = {
      {"", true},
      {"plain", true},
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", true},  // é € 😀
      {"\xC3", false},                                 // cut short
      {"\xC0\xAF", false},                             // overlong "/"
      {"\xE0\x80\xAF", false},                         // overlong, 3 bytes
      {"\xED\xA0\x80", false},                         // surrogate
      {"\xF4\x90\x80\x80", false},                     // above U+10FFFF
      {"\x80", false},                                 // lone continuation
      {"\xFF", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(TextEncodingTest, Windows1252CoversTheWholeByteRange) {
  EXPECT_EQ(Windows1252ToUtf8("a\x80\x81\x9F\xA0\xE9\xFF"), "a\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\xA9\xC3\xBF");
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_TRUE(IsValidUtf8(Windows1252ToUtf8(all)));
}

TEST(TextEncodingTest, DeclarationSniffing) {
  struct Case {
    std::string bytes;
    bool foreign;
  };
  const Case cases[] = {
      {"<a/>", false},
      {"<?xml version=\"1.0\"?><a/>", false},
      {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", false},
      {"<?xml version=\"1.0\" encoding=\"Utf-8\"?>", false},
      {"<?xml version=\"1.0\" encoding=\"windows-1251\"?>", true},
      {"<?Xml encoding='koi8-r'?>", true},
      {"  <?xml encoding=\"latin1\"", false},           // never closed
      {"<?pi encoding=\"latin1\"?><?xml encoding=\"x\"?>", false},  // the first one decides
      {"<?xml encoding=latin1?>", false},               // does not parse
      {" \r\n<?xml encoding=\"latin1\"?>", true},
      {"<a><![CDATA[<?xml encoding=\"latin1\"?>]]></a>", false},  // text, not a declaration
      {"<!--x--><?xml encoding=\"latin1\"?>", false},
  };
  for (const Case& c : cases) EXPECT_EQ(DeclaresForeignEncoding(c.bytes), c.foreign) << c.bytes;
}

TEST(TextEncodingTest, BinarySignature) {
  EXPECT_TRUE(IsBinaryXml("< binary-xml >"));
  EXPECT_TRUE(IsBinaryXml(std::string("< binary-xml >\0rest", 19)));
  EXPECT_FALSE(IsBinaryXml("< binary-xml >rest"));
  EXPECT_FALSE(IsBinaryXml("<binary-xml/>"));
}

TEST(XmlDocumentTest, ParseErrorsAndEmptyDocuments) {
  EXPECT_THROW(XmlDocument::Parse("<a>"), EXmlParseError);
  EXPECT_THROW(XmlDocument::Parse("<a></b>"), EXmlParseError);
  EXPECT_FALSE(XmlDocument::Parse("")->Root());
  EXPECT_FALSE(XmlDocument::Parse("<!-- c -->")->Root());
  EXPECT_EQ(XmlDocument::Parse("<!-- c -->")->ToText(), "<!-- c -->");
  EXPECT_THROW(XmlDocument::ParseBytes("< binary-xml >"), EXmlParseError);
}

TEST(XmlDocumentTest, SingleElementDocuments) {
  EXPECT_TRUE(XmlDocument::ParseSingleElement("<a><b/></a>"));
  EXPECT_TRUE(XmlDocument::ParseSingleElement("<!--c--><a/>"));
  EXPECT_FALSE(XmlDocument::ParseSingleElement("<a/><b/>"));
  EXPECT_FALSE(XmlDocument::ParseSingleElement("text"));
  EXPECT_FALSE(XmlDocument::ParseSingleElement("<a>"));
}

TEST(XmlDocumentTest, RemovedNodesStayUsableButLeaveTheText) {
  auto doc = XmlDocument::Parse("<r><a x=\"1\"><b/></a><c/></r>");
  XmlNode a = doc->Root().FirstChild();
  XmlNode b = a.FirstChild();
  uint64_t before = doc->Revision();
  doc->Remove(a);
  EXPECT_GT(doc->Revision(), before);
  EXPECT_EQ(doc->ToText(), "<r><c/></r>");
  EXPECT_EQ(b.Name(), "b");
  doc->AppendElement(b, "deeper");
  a.SetAttribute("x", "2");
  EXPECT_EQ(ToXml(a), "<a x=\"2\"><b><deeper/></b></a>");
  doc->RemoveChildren(doc->Root());
  EXPECT_EQ(doc->ToText(), "<r/>");
  doc->Remove(doc->Root());
  EXPECT_FALSE(doc->Root());
  EXPECT_EQ(doc->ToText(), "");
}

TEST(XmlDocumentTest, NodesOfOtherDocumentsAreLeftAlone) {
  auto one = XmlDocument::Parse("<r><a/></r>");
  auto two = XmlDocument::Parse("<s/>");
  two->Remove(one->Root().FirstChild());
  EXPECT_FALSE(two->AppendElement(one->Root(), "x"));
  EXPECT_EQ(one->ToText(), "<r><a/></r>");
  EXPECT_TRUE(two->AppendCopy(two->Root(), one->Root()));
  EXPECT_EQ(two->ToText(), "<s><r><a/></r></s>");
}

TEST(XmlWriterTest, DeepTreesNeedNoRecursion) {
  constexpr int kDepth = 200000;
  std::string text;
  for (int i = 0; i < kDepth; ++i) text += "<d>";
  text += "x";
  for (int i = 0; i < kDepth; ++i) text += "</d>";
  auto doc = XmlDocument::Parse(text);
  EXPECT_EQ(doc->ToText(), text);
  EXPECT_EQ(InnerText(doc->Root()), "x");
}

TEST(XmlWriterTest, CharacterDataHoldingItsOwnEnd) {
  auto doc = XmlDocument::Parse("<r><![CDATA[a]]]]><![CDATA[>b]]></r>");
  EXPECT_EQ(InnerText(doc->Root()), "a]] >b");
  XmlNode cdata = doc->Root().FirstChild();
  cdata.SetValue("x]]>y");
  EXPECT_EQ(ToXml(cdata), "x]]&gt;y");
  cdata.SetValue("x]]y");
  EXPECT_EQ(ToXml(cdata), "<![CDATA[x]]y]]>");
}

TEST(XmlPathTest, ConditionValuesMayHoldSlashes) {
  auto doc = XmlDocument::Parse("<r><f path=\"a/b\" n=\"1\"/><f path=\"c\" n=\"2\"/></r>");
  EXPECT_EQ(*SelectFirst(doc->Root(), "f[path=a/b]").Attribute("n"), "1");
  EXPECT_EQ(*SelectFirst(doc->Root(), "f[path='c']").Attribute("n"), "2");
  EXPECT_FALSE(SelectFirst(doc->Root(), "f[path=a]"));
  EXPECT_FALSE(SelectFirst(XmlNode(), "f"));
}

}  // namespace
}  // namespace corvellane::testing
