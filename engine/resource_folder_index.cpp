#include "engine/resource_folder_index.h"

#include <algorithm>
#include <system_error>

#include "xml/ascii_case.h"

namespace corvellane {

namespace fs = std::filesystem;

namespace {

// A folder changed this shortly before it was listed may change again within
// the resolution of its time stamp without the stamp moving.
constexpr auto kUntrustedAge = std::chrono::seconds(2);

std::string JoinComponent(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  if (folder.back() == '/') return folder + std::string(name);
  return folder + "/" + std::string(name);
}

std::string ListablePath(const std::string& folder) { return folder.empty() ? std::string(".") : folder; }

}  // namespace

std::optional<std::string> TFolderIndex::Resolve(std::string_view path) {
  if (path.empty()) return std::nullopt;
  std::string resolved = path.front() == '/' ? "/" : "";
  while (!path.empty()) {
    size_t slash = path.find('/');
    std::string_view component = path.substr(0, slash);
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    if (component.empty()) continue;
    if (component == "." || component == "..") {
      resolved = JoinComponent(resolved, component);
      continue;
    }
    std::optional<std::string> actual = MatchComponent(resolved, component);
    if (!actual) return std::nullopt;
    resolved = JoinComponent(resolved, *actual);
  }
  return resolved;
}

void TFolderIndex::Forget(std::string_view folder) { listings_.erase(CacheKey(ListablePath(std::string(folder)))); }

std::optional<std::string> TFolderIndex::MatchComponent(const std::string& folder, std::string_view name) {
  const std::string folded = ToUpperAscii(name);
  for (int attempt = 0; attempt < 2; ++attempt) {
    const std::string listable = ListablePath(folder);
    const Listing& listing = ListingOf(listable);
    auto found = listing.names.find(folded);
    if (found != listing.names.end()) {
      const auto& spellings = found->second;
      bool exact = std::find(spellings.begin(), spellings.end(), name) != spellings.end();
      return exact ? std::string(name) : spellings.front();
    }
    if (attempt == 0 && !IsStale(listable, listing)) break;
    Forget(listable);
  }
  return std::nullopt;
}

const TFolderIndex::Listing& TFolderIndex::ListingOf(const std::string& folder) {
  std::string key = CacheKey(folder);
  auto cached = listings_.find(key);
  if (cached != listings_.end()) return cached->second;

  Listing listing;
  std::error_code ec;
  listing.folder_time = fs::last_write_time(folder, ec);
  listing.read_at = std::chrono::system_clock::now();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    listing.names[ToUpperAscii(name)].push_back(std::move(name));
  }
  return listings_.emplace(std::move(key), std::move(listing)).first->second;
}

bool TFolderIndex::IsStale(const std::string& folder, const Listing& listing) const {
  std::error_code ec;
  fs::file_time_type now_stamp = fs::last_write_time(folder, ec);
  if (ec) return true;
  if (now_stamp != listing.folder_time) return true;
  auto stamp_as_system = std::chrono::file_clock::to_sys(now_stamp);
  return listing.read_at - stamp_as_system < kUntrustedAge;
}

std::string TFolderIndex::CacheKey(const std::string& folder) {
  std::error_code ec;
  fs::path absolute = fs::absolute(folder, ec);
  if (ec) return folder;
  std::string key = absolute.lexically_normal().string();
  if (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

}  // namespace corvellane
