// save_notices.h: TSaveNotices, how the game keeps track of saves that fail.
//
// Every file the game keeps for the player is written whole through one of
// two doors: the options by the game itself (the options store), everything
// else (profiles with their story progress, high scores, level records)
// through IEngine::WriteSettingsText. Each save reports its outcome to the
// game, IGame::ReportSave, and the game answers a failure twice over: one
// warning in the log naming the file, the folder and the system's reason,
// and its save-notice screen shown to the player ("savenoticegs" in the game
// definition) as soon as no start screen is up. Code that writes a player's
// file some other way reports through the same call:
//
//   const bool saved = WriteMyFile(...);
//   engine->GetGame()->ReportSave("album.dat", saved, saved ? "" : std::strerror(errno));
//
// TSaveNotices remembers which files are failing, so that a player whose
// folder is full is told once, not at every click: a file's next failure is
// news again only after a save of that file went through.
//
//   if (notices.Failed("options.dat")) { log it; }   // news: first failure
//   notices.Saved("options.dat");                      // the next failure is news again
//   if (notices.TakePendingNotice()) ShowScreen(...);  // once per piece of news
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace corvellane {

class TSaveNotices {
 public:
  // Records a failed save; true when it is news (the file had not been
  // failing), which also makes a notice pending.
  bool Failed(std::string_view file_name);
  // Records a save that went through.
  void Saved(std::string_view file_name);
  // Whether a notice waits to be shown; taking it clears it.
  bool TakePendingNotice();

 private:
  std::set<std::string, std::less<>> failing_;
  bool notice_pending_ = false;
};

}  // namespace corvellane
