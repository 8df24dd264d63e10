// site_query.h: the query text sent to the maker's web site, and the
// uninstall page address built from it.
//
//   product=corvellane&v=1.1&language=en&affiliate=shop%2042
//
// "affiliate" appears only when an affiliate is known (the installer of some
// distributors records one; on this platform there is none). Every value is
// percent-encoded: letters, digits and "-._~" stay, every other byte becomes
// "%" and two upper-case hexadecimal digits, so no value can add parameters
// of its own or break the address.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvellane {

struct SiteQueryValues {
  std::string product;
  std::string version;
  std::string language;
  std::optional<std::string> affiliate;
};

std::string PercentEncode(std::string_view value);
std::string BuildSiteQuery(const SiteQueryValues& values);

// The values of this product and the current language.
SiteQueryValues CurrentSiteQueryValues();

// The affiliate the installation was made for; none on this platform, which
// has no registry where an installer would leave it.
std::optional<std::string> ReadAffiliate();

// SiteAddress + UninstallPagePath + "?" + the query.
std::string UninstallPageAddress(std::string_view query);

}  // namespace corvellane
