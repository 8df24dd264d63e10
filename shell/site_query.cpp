#include "shell/site_query.h"

#include "persistence/localization.h"
#include "shell/lower_case.h"
#include "shell/declarations.h"

namespace corvellane {

namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

void AppendPair(std::string& query, std::string_view name, std::string_view value) {
  if (!query.empty()) query += '&';
  query.append(name);
  query += '=';
  query += PercentEncode(value);
}

}  // namespace

std::string PercentEncode(std::string_view value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(value.size());
  for (char ch : value) {
    auto c = static_cast<unsigned char>(ch);
    if (IsUnreserved(c)) {
      out.push_back(ch);
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
    }
  }
  return out;
}

std::string BuildSiteQuery(const SiteQueryValues& values) {
  std::string query;
  AppendPair(query, "product", ToLowerAscii(values.product));
  AppendPair(query, "v", values.version);
  AppendPair(query, "language", values.language);
  if (values.affiliate && !values.affiliate->empty()) AppendPair(query, "affiliate", *values.affiliate);
  return query;
}

SiteQueryValues CurrentSiteQueryValues() {
  return {std::string(product::ProductShortName), std::string(product::ProductVersion), GetLanguageId(),
          ReadAffiliate()};
}

std::optional<std::string> ReadAffiliate() { return std::nullopt; }

std::string UninstallPageAddress(std::string_view query) {
  return std::string(product::SiteAddress) + std::string(product::UninstallPagePath) + "?" + std::string(query);
}

}  // namespace corvellane
