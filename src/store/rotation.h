#pragma once
// The rotating automatic backups in the backup folder: CW_1.db is the newest,
// CW_<n>.db the oldest of the n kept. Only the names CW_1.db ... CW_15.db take
// part; every other file (a manual backup CW_20261210.db, a safety copy
// CW_before_restore_....db) is left alone.
#include <string>
#include <vector>

namespace cw {

inline constexpr int kMostBackupsKept = 15;

// n for "CW_<n>.db" with n 1-15 written without leading zeros, else 0.
int RotationNumber(const std::string& file_name);
std::string RotationName(int number);

// One step of a rotation: `from` is renamed to `to`, or deleted when `to` is empty.
struct RotationStep {
  std::string from;
  std::string to;
  friend bool operator==(const RotationStep&, const RotationStep&) = default;
};

// The steps that make room for a new CW_1.db among the files `names` of the
// folder, keeping `retain` copies with the new one: every CW_<n> below
// `retain` becomes CW_<n+1>, the others go. Steps run from the oldest down, so
// a rename always lands on a name already moved away or on a copy that is to
// go (a rename replaces it in one step); nothing is deleted that a rename
// replaces anyway. Whatever step a crash stops at, every remaining file is a
// whole copy.
std::vector<RotationStep> PlanRotation(const std::vector<std::string>& names, int retain);

// Rotates the backups in `folder` and puts the whole copy `fresh` (a file in
// the same folder) in place as CW_1.db. Every step that failed is described in
// *problems. False when the fresh copy could not be put in place (also when
// the old CW_1.db could not move aside: it is kept rather than replaced).
bool RotateIn(const std::string& folder, int retain, const std::string& fresh, std::vector<std::string>* problems);

}  // namespace cw
