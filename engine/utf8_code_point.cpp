#include "engine/utf8_code_point.h"

namespace corvellane {
namespace {

struct TLead {
  int length;         // bytes of the whole sequence
  uint32_t bits;      // payload of the lead byte
  uint32_t smallest;  // below this the form is overlong
};

std::optional<TLead> ReadLead(uint8_t byte) {
  if (byte < 0x80) return TLead{1, byte, 0};
  if ((byte & 0xE0) == 0xC0) return TLead{2, byte & 0x1Fu, 0x80};
  if ((byte & 0xF0) == 0xE0) return TLead{3, byte & 0x0Fu, 0x800};
  if ((byte & 0xF8) == 0xF0) return TLead{4, byte & 0x07u, 0x10000};
  return std::nullopt;
}

}  // namespace

std::optional<uint32_t> FirstCodePoint(std::string_view utf8) {
  if (utf8.empty()) return std::nullopt;
  std::optional<TLead> lead = ReadLead(uint8_t(utf8[0]));
  if (!lead || utf8.size() < size_t(lead->length)) return std::nullopt;
  uint32_t code = lead->bits;
  for (int i = 1; i < lead->length; ++i) {
    const uint8_t next = uint8_t(utf8[size_t(i)]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3Fu);
  }
  if (code < lead->smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
  return code;
}

}  // namespace corvellane
