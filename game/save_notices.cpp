#include "game/save_notices.h"

#include <utility>

namespace corvellane {

bool TSaveNotices::Failed(std::string_view file_name) {
  if (!failing_.emplace(file_name).second) return false;
  notice_pending_ = true;
  return true;
}

void TSaveNotices::Saved(std::string_view file_name) {
  if (auto it = failing_.find(file_name); it != failing_.end()) failing_.erase(it);
}

bool TSaveNotices::TakePendingNotice() { return std::exchange(notice_pending_, false); }

}  // namespace corvellane
