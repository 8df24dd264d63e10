// value_access.h: typed reading and writing of stored values.
//
// Every LoadProperties / SaveProperties goes through these. Text forms:
//   bool   "yes" / "no" (exactly; anything else reads as the fallback)
//   int    decimal ("$" + hexadecimal also accepted on reading)
//   float  "." as decimal separator, shortest form, at most 15 digits
//   hex    "$" + eight upper-case hexadecimal digits (colours, masks)
//   enum   one name of a "/"-separated list ("/copyrect/fillcolor")
// A null node makes readers return their fallback and writers do nothing.
//
// Writers take a `force` flag. Forced, they always write. Unforced, they first
// read the current value with the new value as fallback and write only when
// that differs: an unforced write of a default adds nothing to a fresh element,
// yet brings a stale stored value back to the default.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvellane {

struct IHierStorage;

std::string ReadText(IHierStorage* node, std::string_view name, std::string_view fallback = {});
// ReadText, then localised (references between percent signs expanded).
std::string ReadDisplayText(IHierStorage* node, std::string_view name, std::string_view fallback = {});
bool ReadBool(IHierStorage* node, std::string_view name, bool fallback);
int32_t ReadInt(IHierStorage* node, std::string_view name, int32_t fallback);
double ReadFloat(IHierStorage* node, std::string_view name, double fallback);
uint32_t ReadHexInt(IHierStorage* node, std::string_view name, uint32_t fallback);
int ReadEnum(IHierStorage* node, std::string_view name, std::string_view names, int fallback);

void WriteText(IHierStorage* node, std::string_view name, std::string_view value, bool force);
void WriteBool(IHierStorage* node, std::string_view name, bool value, bool force);
void WriteInt(IHierStorage* node, std::string_view name, int32_t value, bool force);
void WriteFloat(IHierStorage* node, std::string_view name, double value, bool force);
void WriteHexInt(IHierStorage* node, std::string_view name, uint32_t value, bool force);
void WriteEnum(IHierStorage* node, std::string_view name, std::string_view names, int index, bool force);

}  // namespace corvellane
