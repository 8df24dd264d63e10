#include "shell/user_folders.h"

#include <filesystem>
#include <optional>

#include "persistence/paths.h"
#include "persistence/whole_file.h"

namespace corvellane {
namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxUserDirsBytes = 64 * 1024;

bool HoldsData(const std::string& folder) {
  std::error_code error;
  return fs::is_directory(JoinPath(folder, "data"), error);
}

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::optional<std::string> Set(const EnvironmentLookup& environment, std::string_view name) {
  std::optional<std::string> value = environment(name);
  if (value && value->empty()) return std::nullopt;
  return value;
}

// The XDG_PICTURES_DIR="..." line of user-dirs.dirs, "$HOME" expanded.
std::optional<std::string> PicturesLine(const std::string& file, const std::string& home) {
  FileBytes dirs = ReadWholeFile(file, kMaxUserDirsBytes);
  if (!dirs.ok()) return std::nullopt;
  constexpr std::string_view kKey = "XDG_PICTURES_DIR=\"";
  size_t at = dirs.bytes.find(kKey);
  while (at != std::string::npos && at != 0 && dirs.bytes[at - 1] != '\n') at = dirs.bytes.find(kKey, at + 1);
  if (at == std::string::npos) return std::nullopt;
  const size_t start = at + kKey.size();
  const size_t end = dirs.bytes.find('"', start);
  if (end == std::string::npos) return std::nullopt;
  std::string folder = dirs.bytes.substr(start, end - start);
  if (folder.rfind("$HOME", 0) == 0) folder = home + folder.substr(5);
  if (folder.empty() || folder.front() != '/') return std::nullopt;
  return folder;
}

}  // namespace

std::string DataFolderBeside(std::string_view executable_folder) {
  const std::string own = WithSlash(std::string(executable_folder));
  if (HoldsData(own)) return own;
  std::error_code error;
  const fs::path installed = fs::weakly_canonical(fs::path(own) / kInstalledDataFolder, error);
  if (!error && HoldsData(installed.string())) return WithSlash(installed.string());
  return own;
}

std::string PicturesFolder(const EnvironmentLookup& environment) {
  if (std::optional<std::string> chosen = Set(environment, "XDG_PICTURES_DIR")) return WithSlash(*chosen);
  const std::optional<std::string> home = Set(environment, "HOME");
  if (!home) return {};
  const std::string config = Set(environment, "XDG_CONFIG_HOME").value_or(JoinPath(*home, ".config"));
  if (std::optional<std::string> line = PicturesLine(JoinPath(config, "user-dirs.dirs"), *home)) return WithSlash(*line);
  return WithSlash(JoinPath(*home, "Pictures"));
}

}  // namespace corvellane
