// text_encoding.h: how the bytes of a data file become UTF-8 text.
//
// Data files are UTF-8 unless their XML declaration names another encoding;
// any other declared encoding is read in the system code page, which is
// Windows-1252 here whatever the declaration says ("windows-1251" included).
// Bytes that claim to be UTF-8 but are not valid UTF-8 give an empty text,
// which parses as a document without an element.
//
//   DecodeXmlBytes("<a x=\"\xE9\"/>")                            -> ""  (invalid)
//   DecodeXmlBytes("<?xml encoding=\"windows-1251\"?><a x=\"\xE9\"/>") -> "... x=\"é\" ..."
#pragma once

#include <string>
#include <string_view>

namespace corvellane {

// The signature of the binary document form: "< binary-xml >" followed by a
// zero byte (or the end of the data).
bool IsBinaryXml(std::string_view bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Every byte becomes one character of the Windows-1252 code page.
std::string Windows1252ToUtf8(std::string_view bytes);

// True when the data begins (after blanks) with an XML declaration whose
// "encoding" is something other than "utf-8" (letter case ignored).
bool DeclaresForeignEncoding(std::string_view bytes);

// The whole rule: the decoded UTF-8 text of a data file (without byte-order mark).
std::string DecodeXmlBytes(std::string_view bytes);

}  // namespace corvellane
