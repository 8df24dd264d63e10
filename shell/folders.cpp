#include "shell/folders.h"

#include <cstdlib>
#include <filesystem>

#include "persistence/paths.h"
#include "shell/lower_case.h"
#include "xml/ascii_case.h"
#include "shell/declarations.h"

namespace corvellane {

namespace {

namespace fs = std::filesystem;

std::string WithTrailingSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder.push_back('/');
  return folder;
}

std::optional<std::string> NonEmpty(const EnvironmentLookup& environment, std::string_view name) {
  if (!environment) return std::nullopt;
  std::optional<std::string> value = environment(name);
  if (!value || value->empty()) return std::nullopt;
  return value;
}

// The per-user data folder: XDG_DATA_HOME when it is absolute (relative
// values are to be ignored), otherwise ~/.local/share.
std::optional<std::string> UserDataFolder(const EnvironmentLookup& environment) {
  if (auto xdg = NonEmpty(environment, "XDG_DATA_HOME"); xdg && xdg->front() == '/') return xdg;
  if (auto home = NonEmpty(environment, "HOME")) return JoinPath(*home, ".local/share");
  return std::nullopt;
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool EnsureFolderTree(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return IsFolder(path);
}

bool EnsureFolder(const std::string& path) {
  std::error_code ec;
  fs::create_directory(path, ec);
  return IsFolder(path);
}

// Below an existing data folder: TolvoGames, then corvellane; the answer is
// the deepest level that exists as a folder, stopping at the first failure.
std::string CompanyProductFolder(const std::string& data_folder) {
  std::string result = WithTrailingSlash(NormalizePath(data_folder));
  const std::string company = result + std::string(product::CompanyFolderName);
  if (!EnsureFolder(company)) return result;
  GrantFolderAccess(company);
  const std::string product_folder = company + "/" + std::string(product::ProductShortName);
  if (EnsureFolder(product_folder)) result = product_folder + "/";
  GrantFolderAccess(product_folder);
  return result;
}

bool WriteTextInFolder(std::string_view folder, std::string_view text, std::string_view file_name) {
  const std::string path = JoinPath(folder, NormalizePath(file_name));
  if (!WriteTextLinesAtomically(path, text)) return false;
  GrantFolderAccess(path);
  return true;
}

TFileSystemSecurity& FileSystemSecurity() {
  static TFileSystemSecurity security;
  return security;
}

}  // namespace

EnvironmentLookup SystemEnvironment() {
  return [](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    if (!value) return std::nullopt;
    return std::string(value);
  };
}

std::string ExecutableFolder() {
  std::error_code ec;
  fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return WithTrailingSlash(executable.parent_path().string());
}

std::string GetProgramFolder(std::string_view executable_folder, std::span<const std::string> arguments) {
  std::string folder = WithTrailingSlash(std::string(executable_folder));
  if (arguments.size() == 2 && EqualsIgnoreAsciiCase(arguments[0], "-changepath")) folder += ToLowerAscii(arguments[1]);
  return WithTrailingSlash(NormalizePath(folder));
}

std::string GetSettingsFolder(std::string_view program_folder, const EnvironmentLookup& environment) {
  if (auto chosen = NonEmpty(environment, "CORVELLANE_SETTINGS_DIR")) {
    if (EnsureFolderTree(*chosen)) return WithTrailingSlash(NormalizePath(*chosen));
    return std::string(program_folder);
  }
  std::optional<std::string> data_folder = UserDataFolder(environment);
  if (!data_folder || !EnsureFolderTree(*data_folder)) return std::string(program_folder);
  return CompanyProductFolder(*data_folder);
}

std::string GetSettingsFolder() { return GetSettingsFolder(ProgramFolder(), SystemEnvironment()); }

void GrantFolderAccess(std::string_view path) { FileSystemSecurity().Grant(path); }

TextFileContent ReadSettingsText(std::string_view file_name) {
  return ReadTextLines(JoinPath(GetSettingsFolder(), NormalizePath(file_name)));
}

bool WriteSettingsText(std::string_view text, std::string_view file_name) {
  return WriteTextInFolder(GetSettingsFolder(), text, file_name);
}

bool WriteProgramText(std::string_view text, std::string_view file_name) {
  return WriteTextInFolder(ProgramFolder(), text, file_name);
}

}  // namespace corvellane
