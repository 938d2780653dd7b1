#pragma once
// The texts of the database management page: its three sections, each a
// heading and an explanation filled with this data set's folders and files.
#include <string>
#include <vector>

#include "core/backup_settings.h"

namespace cw {

struct PageSection {
  std::string heading;
  std::string text;
};

// Backup (with the automatic backup's folder and copies kept), restore (with
// the data home and the data file's name) and compaction.
std::vector<PageSection> DatabasePageSections(const BackupSettings& settings, const std::string& data_home);

}  // namespace cw
