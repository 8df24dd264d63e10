#include "shell/site_query.h"

#include <gtest/gtest.h>

namespace corvellane {
namespace {

TEST(PercentEncode, KeepsOnlyUnreservedCharacters) {
  struct Case {
    std::string_view value, expected;
  };
  const Case cases[] = {
      {"", ""},
      {"AZaz09-._~", "AZaz09-._~"},
      {"a b", "a%20b"},
      {"x&y=z", "x%26y%3Dz"},
      {"100%", "100%25"},
      {"a+b/c?d#e", "a%2Bb%2Fc%3Fd%23e"},
      {"\xC3\xA9", "%C3%A9"},
      {std::string_view("\0\n", 2), "%00%0A"},
  };
  for (const Case& c : cases) EXPECT_EQ(PercentEncode(c.value), c.expected) << c.value;
}

TEST(SiteQuery, ListsProductVersionLanguageAndAffiliateWhenKnown) {
  struct Case {
    SiteQueryValues values;
    std::string_view expected;
  };
  const Case cases[] = {
      {{"Corvellane", "1.1", "en", std::nullopt}, "product=corvellane&v=1.1&language=en"},
      {{"corvellane", "1.1", "", std::nullopt}, "product=corvellane&v=1.1&language="},
      {{"corvellane", "1.1", "en", ""}, "product=corvellane&v=1.1&language=en"},
      {{"corvellane", "1.1", "pt br", "shop&v=9"},
       "product=corvellane&v=1.1&language=pt%20br&affiliate=shop%26v%3D9"},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildSiteQuery(c.values), c.expected);
}

TEST(SiteQuery, UninstallPageAddressJoinsSitePageAndQuery) {
  EXPECT_EQ(UninstallPageAddress("product=corvellane"),
            "https://www.tolvogames.example/cgi-bin/uninstall.cgi?product=corvellane");
}

}  // namespace
}  // namespace corvellane
