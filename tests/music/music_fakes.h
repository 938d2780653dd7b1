#pragma once
// What the music tests share: the desktop's choosers answered by the test, and
// a folder of music files.
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "music/background_music.h"

namespace cw::testing {

class FakeHost : public MusicHost {
 public:
  std::optional<std::string> ChooseFolder(const std::string&) override { return folder_choice; }
  bool StoreFolder(const std::string& folder) override {
    stored.push_back(folder);
    return true;
  }
  std::optional<std::string> ChooseTrack(const std::vector<std::string>& files) override {
    offered = files;
    if (files.size() < 2) return std::nullopt;
    return files[1];
  }

  std::optional<std::string> folder_choice;
  std::vector<std::string> stored;
  std::vector<std::string> offered;
};

// Makes `folder` with files of these names, each holding `content`.
inline std::string MakeFolder(const std::filesystem::path& folder, const std::vector<std::string>& names,
                              const std::string& content = "x") {
  std::filesystem::create_directories(folder);
  for (const std::string& name : names) std::ofstream(folder / name) << content;
  return folder.string();
}

}  // namespace cw::testing
