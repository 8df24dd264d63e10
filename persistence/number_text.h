// number_text.h: the one place where numbers become text and text numbers.
//
// Everything here is independent of the process locale: data files always use
// "." as the decimal separator, whatever the player's desktop is set to.
//
// Integers are read the way data files write them: optional blanks, an optional
// sign, then decimal digits, or "$" / "0x" followed by hexadecimal digits.
// Hexadecimal values up to FFFFFFFF are taken modulo 2^32, so "$FF000000" (an
// opaque black colour) reads as the signed 32-bit integer with those bits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvellane {

std::optional<int32_t> ParseInt(std::string_view text);
// Accepts "." and "," as the decimal separator and an exponent ("1.5e3").
std::optional<double> ParseFloat(std::string_view text);

std::string FormatInt(int64_t value);
// Shortest general form with at most 15 significant digits: 1.5 -> "1.5",
// 2.0 -> "2", 0.1 -> "0.1".
std::string FormatFloat(double value);
// "$" followed by exactly eight upper-case hexadecimal digits: 255 -> "$000000FF".
std::string FormatHex32(uint32_t value);

}  // namespace corvellane
