#include "engine/screenshot.h"

#include <filesystem>

#include "engine/platform/png_writer.h"

namespace corvellane {
namespace {

constexpr int kMostPicturesPerSecond = 100;

std::string TimeStamp(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d-%H-%M-%S", &local);
  return text;
}

}  // namespace

std::optional<std::string> SaveScreenshot(const CanvasView& canvas, const std::string& folder, std::string_view product,
                                          std::time_t now) {
  namespace fs = std::filesystem;
  if (folder.empty()) return std::nullopt;
  std::error_code error;
  fs::create_directories(folder, error);
  const std::string stem = (fs::path(folder) / (std::string(product) + "-" + TimeStamp(now))).string();
  for (int n = 1; n <= kMostPicturesPerSecond; ++n) {
    const std::string file = stem + (n == 1 ? "" : "-" + std::to_string(n)) + ".png";
    if (fs::exists(file, error)) continue;
    if (!WritePng(file, canvas)) return std::nullopt;
    return file;
  }
  return std::nullopt;
}

}  // namespace corvellane
