#include "engine/embedded_archives.h"

#include <string>
#include <vector>

#include "xml/ascii_case.h"

namespace corvellane {

namespace {

struct AddedArchive {
  std::string name;
  std::span<const unsigned char> bytes;
};

std::vector<AddedArchive>& AddedArchives() {
  static std::vector<AddedArchive> archives;
  return archives;
}

}  // namespace

std::optional<std::span<const unsigned char>> FindEmbeddedArchive(std::string_view name) {
  const auto& added = AddedArchives();
  for (auto it = added.rbegin(); it != added.rend(); ++it)
    if (EqualsIgnoreAsciiCase(it->name, name)) return it->bytes;
  for (const EmbeddedArchive& archive : BuiltInArchives())
    if (EqualsIgnoreAsciiCase(archive.name, name)) return archive.bytes;
  return std::nullopt;
}

void AddEmbeddedArchive(std::string_view name, std::span<const unsigned char> bytes) {
  AddedArchives().push_back({std::string(name), bytes});
}

}  // namespace corvellane
