#include "play/count_text.h"

#include "persistence/localization.h"
#include "persistence/number_text.h"

namespace corvellane {

namespace {

bool IsReference(std::string_view caption) {
  return caption.size() >= 3 && caption.front() == '%' && caption.back() == '%' &&
         caption.find('%', 1) == caption.size() - 1;
}

}  // namespace

std::string PluralForm(std::string_view caption, int32_t count) {
  const int32_t n = count < 21 ? count : count % 10;
  if (n == 1 || !IsReference(caption)) return Localize(caption);
  const std::string key(caption.substr(1));  // "cup%"
  for (const std::string& reference : {"%" + FormatInt(n) + "_" + key, "%n_" + key}) {
    std::string form = Localize(reference);
    // Without a language loaded a reference comes back as it is: no such string.
    if (!form.empty() && form != reference) return form;
  }
  return Localize(caption);
}

std::string CountText(std::string_view caption, int32_t count) {
  if (count == 1) return Localize(caption);
  return FormatInt(count) + " " + PluralForm(caption, count);
}

}  // namespace corvellane
