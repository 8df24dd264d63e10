// embedded_archives.h: zip archives built into the program ("res:" paths).
//
// A few files must be readable before any data folder is known, above all the
// default language file "res:iniresource/default.lng". The build packs each
// folder of content/ named in the engine's CMakeLists into a zip archive and
// compiles its bytes into the program (cmake/EmbedArchive.cmake); the resource
// reader opens "res:" + name through FindEmbeddedArchive.
//
// AddEmbeddedArchive files further archives under a name (tests, tools); a
// later archive of a name hides an earlier one. Names are compared without
// regard to ASCII letter case.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace corvellane {

struct EmbeddedArchive {
  std::string_view name;
  std::span<const unsigned char> bytes;
};

// The bytes of the archive of that name, or none.
std::optional<std::span<const unsigned char>> FindEmbeddedArchive(std::string_view name);
// The bytes must live as long as the program may read them.
void AddEmbeddedArchive(std::string_view name, std::span<const unsigned char> bytes);

// The archives compiled into the program (defined by the generated source).
std::span<const EmbeddedArchive> BuiltInArchives();

}  // namespace corvellane
