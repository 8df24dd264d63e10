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
constexpr auto kRescanInterval = std::chrono::milliseconds(50);

std::string JoinComponent(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  if (folder.back() == '/') return folder + std::string(name);
  return folder + "/" + std::string(name);
}

}  // namespace

std::optional<std::string> TFolderIndex::Resolve(std::string_view path) {
  if (path.empty()) return std::nullopt;
  // Relative paths are matched below the current folder, so listings are
  // filed under absolute folder names and stay right when it changes.
  const bool relative = path.front() != '/';
  std::string base = relative ? CurrentFolder() : "/";
  std::string resolved = base;
  while (!path.empty()) {
    size_t slash = path.find('/');
    std::string_view component = path.substr(0, slash);
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    if (component.empty() || component == ".") continue;
    if (component == "..") {
      resolved = JoinComponent(resolved, component);
      continue;
    }
    std::optional<std::string> actual = MatchComponent(resolved, component);
    if (!actual) return std::nullopt;
    resolved = JoinComponent(resolved, *actual);
  }
  if (!relative) return resolved;
  // Hand back a relative path, as the caller gave one.
  if (resolved.size() == base.size()) return std::string(".");
  return resolved.substr(base.size() + (base.back() == '/' ? 0 : 1));
}

void TFolderIndex::Forget(std::string_view folder) { listings_.erase(AbsoluteFolder(folder)); }

std::optional<std::string> TFolderIndex::MatchComponent(const std::string& folder, std::string_view name) {
  const std::string folded = ToUpperAscii(name);
  if (auto found = Lookup(ListingOf(folder), folded, name)) return found;
  // Not in the listing: the exact spelling may have been created since.
  std::error_code ec;
  if (fs::exists(JoinComponent(folder, name), ec)) {
    listings_.erase(folder);
    return std::string(name);
  }
  if (!IsStale(folder, ListingOf(folder))) return std::nullopt;
  listings_.erase(folder);
  return Lookup(ListingOf(folder), folded, name);
}

std::optional<std::string> TFolderIndex::Lookup(const Listing& listing, const std::string& folded,
                                                std::string_view name) {
  auto found = listing.names.find(folded);
  if (found == listing.names.end()) return std::nullopt;
  const auto& spellings = found->second;
  bool exact = std::find(spellings.begin(), spellings.end(), name) != spellings.end();
  return exact ? std::string(name) : spellings.front();
}

const TFolderIndex::Listing& TFolderIndex::ListingOf(const std::string& folder) {
  auto cached = listings_.find(folder);
  if (cached != listings_.end()) return cached->second;

  Listing listing;
  std::error_code ec;
  listing.folder_time = fs::last_write_time(folder, ec);
  listing.read_at = std::chrono::system_clock::now();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    listing.names[ToUpperAscii(name)].push_back(std::move(name));
  }
  return listings_.emplace(folder, std::move(listing)).first->second;
}

bool TFolderIndex::IsStale(const std::string& folder, const Listing& listing) const {
  std::error_code ec;
  fs::file_time_type now_stamp = fs::last_write_time(folder, ec);
  if (ec) return true;
  if (now_stamp != listing.folder_time) return true;
  // Same time stamp: only a listing read right after a change can be behind,
  // and it is read again at most once per interval.
  const auto now = std::chrono::system_clock::now();
  const bool untrusted = listing.read_at - std::chrono::file_clock::to_sys(now_stamp) < kUntrustedAge;
  return untrusted && now - listing.read_at >= kRescanInterval;
}

std::string TFolderIndex::CurrentFolder() {
  std::error_code ec;
  std::string folder = fs::current_path(ec).string();
  return ec || folder.empty() ? std::string("/") : folder;
}

std::string TFolderIndex::AbsoluteFolder(std::string_view folder) {
  std::string key = folder.empty() || folder.front() != '/' ? JoinComponent(CurrentFolder(), folder) : std::string(folder);
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

}  // namespace corvellane
