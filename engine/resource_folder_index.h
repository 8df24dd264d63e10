// resource_folder_index.h: finding files whose names differ in letter case.
//
// Data files were written on a case-insensitive system: "Data\Images\Logo.PNG"
// must find "data/images/logo.png". TFolderIndex resolves a normalised path
// (paths.h) to the path that exists on disk, one component at a time, through
// cached listings of the folders it has visited, so a lookup costs no folder
// scan once the folders are known.
//
// A lookup that misses in a listing tries the exact spelling on disk, then
// re-reads the listing when the folder's time stamp moved since it was read
// (or, throttled, when the folder changed so shortly before that the stamp
// cannot tell), so files written after a folder was listed are still found.
// Forget drops one folder's listing; Clear drops them all.
//
//   TFolderIndex index;
//   index.Resolve("DATA/ini/Game.INI");   // "data/ini/game.ini" when that exists
//
// "." components are dropped and ".." kept as it is; an exact-case match wins
// over other spellings of the same name. Listings are filed under absolute
// folder names, so a change of the current folder does not confuse them.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvellane {

class TFolderIndex {
 public:
  // The on-disk spelling of the path (a file or a folder), or none.
  std::optional<std::string> Resolve(std::string_view path);
  void Forget(std::string_view folder);
  void Clear() { listings_.clear(); }

 private:
  struct Listing {
    // Folded (upper-case) name -> every spelling present in the folder.
    std::unordered_map<std::string, std::vector<std::string>> names;
    std::filesystem::file_time_type folder_time{};
    std::chrono::system_clock::time_point read_at{};
  };

  std::optional<std::string> MatchComponent(const std::string& folder, std::string_view name);
  static std::optional<std::string> Lookup(const Listing& listing, const std::string& folded, std::string_view name);
  const Listing& ListingOf(const std::string& folder);
  bool IsStale(const std::string& folder, const Listing& listing) const;
  static std::string CurrentFolder();
  static std::string AbsoluteFolder(std::string_view folder);

  std::unordered_map<std::string, Listing> listings_;
};

}  // namespace corvellane
