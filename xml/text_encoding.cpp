#include "xml/text_encoding.h"

#include "xml/ascii_case.h"

#include <pugixml.hpp>

#include <array>
#include <cstdint>

namespace corvellane {

namespace {

constexpr std::string_view kBinarySignature = "< binary-xml >";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned
// bytes there map to the control characters of the same number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence starting at `i`, or 0.
size_t SequenceLength(std::string_view s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return 1;
  size_t length;
  char32_t min;
  char32_t code;
  if ((c & 0xE0) == 0xC0) length = 2, min = 0x80, code = c & 0x1F;
  else if ((c & 0xF0) == 0xE0) length = 3, min = 0x800, code = c & 0x0F;
  else if ((c & 0xF8) == 0xF0) length = 4, min = 0x10000, code = c & 0x07;
  else return 0;
  if (s.size() - i < length) return 0;
  for (size_t k = 1; k < length; ++k) {
    unsigned char d = static_cast<unsigned char>(s[i + k]);
    if (!IsContinuation(d)) return 0;
    code = (code << 6) | (d & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

bool IsBinaryXml(std::string_view bytes) {
  if (!bytes.starts_with(kBinarySignature)) return false;
  return bytes.size() == kBinarySignature.size() || bytes[kBinarySignature.size()] == '\0';
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char b : bytes) {
    unsigned char c = static_cast<unsigned char>(b);
    AppendUtf8(c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : char32_t(c), out);
  }
  return out;
}

bool DeclaresForeignEncoding(std::string_view bytes) {
  size_t open = bytes.find("<?");
  if (open == std::string_view::npos) return false;
  // Only a declaration at the start counts: the same characters further on are
  // document text (character data, a comment), and taking them for the
  // declaration would decode a UTF-8 file as the code page, again each time
  // it is saved and read.
  if (bytes.substr(0, open).find_first_not_of(" \t\r\n") != std::string_view::npos &&
      bytes.substr(0, open) != kUtf8Bom)
    return false;
  size_t close = bytes.find("?>", open + 2);
  if (close == std::string_view::npos) return false;
  std::string_view declaration = bytes.substr(open, close + 2 - open);
  pugi::xml_document doc;
  pugi::xml_parse_result parsed = doc.load_buffer(declaration.data(), declaration.size(),
                                                  pugi::parse_declaration | pugi::parse_pi, pugi::encoding_utf8);
  // A lone declaration is "no document element" to the parser; that is fine here.
  if (!parsed && parsed.status != pugi::status_no_document_element) return false;
  pugi::xml_node first = doc.first_child();
  if (!first || !EqualsIgnoreAsciiCase(first.name(), "xml")) return false;
  std::string_view encoding = first.attribute("encoding").as_string("utf-8");
  return !EqualsIgnoreAsciiCase(encoding, "utf-8");
}

std::string DecodeXmlBytes(std::string_view bytes) {
  if (DeclaresForeignEncoding(bytes)) return Windows1252ToUtf8(bytes);
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  if (!IsValidUtf8(bytes)) return {};
  return std::string(bytes);
}

}  // namespace corvellane
