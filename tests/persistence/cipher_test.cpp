#include <gtest/gtest.h>

#include <string>

#include "persistence/cipher.h"

namespace corvellane::testing {
namespace {

TEST(CipherTest, KnownAnswers) {
  struct Case {
    const char* key;
    const char* plain;
    const char* hex;
  };
  const Case cases[] = {
      {"0123456789ABCDEF", "HelloWorld", "F0D1CBED1D7314EF9CB5"},
      {"key", "abc", "B37E2D"},
      {"anything", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncryptText(c.key, c.plain), c.hex) << c.plain;
    EXPECT_EQ(DecryptText(c.key, c.hex), c.plain) << c.hex;
  }
}

TEST(CipherTest, LengthIsKeptAndBlocksAreIndependent) {
  const std::string key = "0123456789ABCDEF";
  std::string hex = EncryptText(key, "HelloWorld");
  ASSERT_EQ(hex.size(), 20u);
  // The first block depends only on the first 8 bytes.
  EXPECT_EQ(EncryptText(key, "HelloWorXYZ").substr(0, 16), hex.substr(0, 16));
  EXPECT_EQ(EncryptText(key, "HelloWor").substr(0, 16), hex.substr(0, 16));
  EXPECT_NE(EncryptText(key, "HelloWorle").substr(16), hex.substr(16));
  for (size_t length = 0; length < 40; ++length) {
    std::string plain(length, 'x');
    for (size_t i = 0; i < length; ++i) plain[i] = static_cast<char>(i * 37 + 11);
    std::string enciphered = EncryptText(key, plain);
    EXPECT_EQ(enciphered.size(), 2 * length);
    EXPECT_EQ(DecryptText(key, enciphered), plain) << length;
  }
}

TEST(CipherTest, KeyUsesTheFirstSixteenBytesPaddedWithZeros) {
  EXPECT_EQ(EncryptText("0123456789ABCDEFextra", "HelloWorld"), "F0D1CBED1D7314EF9CB5");
  EXPECT_EQ(EncryptText(std::string("key\0\0", 5), "abc"), "B37E2D");
  EXPECT_NE(EncryptText("kez", "abc"), "B37E2D");
}

TEST(CipherTest, RawAndHexadecimalFormsAgree) {
  TCipher_Xtea cipher("key");
  std::string raw = cipher.Apply("some longer text", CipherDirection::Encipher, CipherForm::RawCopy);
  EXPECT_EQ(ToHexText(raw), cipher.Apply("some longer text", CipherDirection::Encipher, CipherForm::Hexadecimal));
  EXPECT_EQ(cipher.Apply(raw, CipherDirection::Decipher, CipherForm::RawCopy), "some longer text");
  EXPECT_EQ(cipher.Apply(ToHexText(raw), CipherDirection::Decipher, CipherForm::Hexadecimal), "some longer text");
}

TEST(CipherTest, ReadingHexadecimalText) {
  struct Case {
    const char* hex;
    const char* lenient;  // DecryptText
    bool valid;           // TryDecryptText accepts it
  };
  const Case cases[] = {
      {"B37E2D", "abc", true},
      {"b37e2d", "abc", true},
      {"B3 7E\r\n2D\t", "abc", true},
      {"B37E2D4", "abc", true},                  // a final unpaired digit is dropped
      {"B3-7E-2D", "abc", false},                // other characters are skipped
      {"\xEF\xBB\xBF" "B37E2D\x1A", "abc", false},  // byte-order mark, end-of-file mark
      {"", "", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecryptText("key", c.hex), c.lenient) << c.hex;
    std::optional<std::string> strict = TryDecryptText("key", c.hex);
    EXPECT_EQ(strict.has_value(), c.valid) << c.hex;
    if (strict) EXPECT_EQ(*strict, c.lenient) << c.hex;
  }
}

}  // namespace
}  // namespace corvellane::testing
