#include "persistence/paths.h"

#include <algorithm>

#include "xml/ascii_case.h"

namespace corvellane {

namespace {

std::string& ProgramFolderSlot() {
  static std::string folder;
  return folder;
}

}  // namespace

std::string NormalizePath(std::string_view path) {
  constexpr std::string_view kAppPath = "%apppath%";
  std::string out;
  if (StartsWithIgnoreAsciiCase(path, kAppPath)) {
    out = ProgramFolder();
    path.remove_prefix(kAppPath.size());
  }
  out.reserve(out.size() + path.size());
  for (char c : path) {
    if (c == '\\') c = '/';
    // "a//b" and "a/\b" name the same file; keep a leading "//" out too.
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out.push_back(c);
  }
  return out;
}

void SetProgramFolder(std::string_view folder) {
  std::string f = NormalizePath(folder);
  if (!f.empty() && f.back() != '/') f.push_back('/');
  ProgramFolderSlot() = std::move(f);
}

const std::string& ProgramFolder() { return ProgramFolderSlot(); }

std::string JoinPath(std::string_view folder, std::string_view relative) {
  std::string out(folder);
  while (!relative.empty() && (relative.front() == '/' || relative.front() == '\\')) relative.remove_prefix(1);
  if (!out.empty() && out.back() != '/') out.push_back('/');
  out.append(relative);
  return out;
}

std::string_view FolderOf(std::string_view path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string_view FileNameOf(std::string_view path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace corvellane
