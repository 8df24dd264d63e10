#include "story/object_list.h"

namespace corvellane {

std::vector<std::string> SplitList(std::string_view list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(';', start);
    if (end == std::string_view::npos) end = list.size();
    if (end > start) names.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

bool ListHas(std::string_view list, std::string_view name) {
  return list.find(";" + std::string(name) + ";") != std::string_view::npos;
}

bool IsEmptyList(std::string_view list) { return list.empty() || list == kEmptyList; }

std::string_view ObjectOfEntry(std::string_view entry) { return entry.substr(0, entry.find('/')); }

std::string_view LocationOfEntry(std::string_view entry) {
  const size_t slash = entry.find('/');
  return slash == std::string_view::npos ? std::string_view() : entry.substr(slash + 1);
}

}  // namespace corvellane
