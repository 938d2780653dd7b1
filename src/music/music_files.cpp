#include "music/music_files.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>

namespace cw {

bool IsPlayableMusicName(const std::string& file_name) {
  const std::size_t dot = file_name.find('.');
  if (dot == std::string::npos) return false;
  const std::string extension = file_name.substr(dot + 1);
  return extension == "mp3" || extension == "wav";
}

std::vector<std::string> PlayableMusicFiles(const std::string& folder) {
  std::vector<std::string> files;
  if (folder.empty()) return files;
  namespace fs = std::filesystem;
  std::error_code error;
  for (fs::directory_iterator it(fs::path(folder), error), end; !error && it != end; it.increment(error)) {
    if (it->is_directory(error)) continue;
    if (IsPlayableMusicName(it->path().filename().string())) files.push_back(it->path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::size_t UniformPick(std::size_t count) {
  static std::mt19937 engine{std::random_device{}()};
  return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine);
}

std::string NextTrack(const std::vector<std::string>& files, const std::string& current, PlayOrder order,
                      const RandomPick& pick) {
  if (files.empty()) return {};
  if (order == PlayOrder::kRandom) return files[pick(files.size()) % files.size()];
  auto found = std::find(files.begin(), files.end(), current);
  if (found == files.end() || found + 1 == files.end()) return files.front();
  return *(found + 1);
}

}  // namespace cw
