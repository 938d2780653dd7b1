#pragma once
// Damages a closed data file the way a failing disk does: some of its pages
// are overwritten, so that they fail their check when they are read.
//
// The pages chosen are among those a piece of work added to the file (rows
// written in order fill pages in order): a window from `from` to `to` of them
// holds later rows, while the pages that lead to the first rows were written
// before it and the layout written at the end of the work (a bulk import lays
// its triggers down again) after it. The file still opens and its first rows
// still read; a query that goes on to the later rows meets the damage.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace cw::testing {

constexpr std::uintmax_t kDataPageSize = 1024;  // the page size of the encrypted files

inline std::uintmax_t PageCount(const std::string& path) {
  return std::filesystem::file_size(path) / kDataPageSize;
}

// `pages_before`: the file's PageCount() before the work.
inline void DamageWrittenPages(const std::string& path, std::uintmax_t pages_before, double from = 0.6,
                               double to = 0.8) {
  const std::uintmax_t added = PageCount(path) - pages_before;
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  const std::string garbage(kDataPageSize, '\xA5');
  for (auto page = pages_before + static_cast<std::uintmax_t>(added * from);
       page < pages_before + static_cast<std::uintmax_t>(added * to); ++page) {
    file.seekp(static_cast<std::streamoff>(page * kDataPageSize));
    file.write(garbage.data(), static_cast<std::streamsize>(kDataPageSize));
  }
}

}  // namespace cw::testing
