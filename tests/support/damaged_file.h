#pragma once
// Damages a closed data file the way a failing disk does: the pages of its
// last part are overwritten, so that the file still opens and its first rows
// still read, while a query that goes on to the later rows meets pages that
// fail their check. Rows written in order last lie there; the pages that lead
// to the first rows were written early and stay whole.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace cw::testing {

inline void DamageLaterPages(const std::string& path, double from_fraction = 0.85) {
  constexpr std::uintmax_t kPage = 1024;  // the page size of the encrypted files
  const std::uintmax_t pages = std::filesystem::file_size(path) / kPage;
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  const std::string garbage(kPage, '\xA5');
  for (std::uintmax_t page = static_cast<std::uintmax_t>(pages * from_fraction); page < pages; ++page) {
    file.seekp(static_cast<std::streamoff>(page * kPage));
    file.write(garbage.data(), static_cast<std::streamsize>(kPage));
  }
}

}  // namespace cw::testing
