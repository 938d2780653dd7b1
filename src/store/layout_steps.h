#pragma once
// The ordered steps that bring the layout of a data set up to date.
//
// The level a data set's layout has reached is kept in PRAGMA user_version:
// level n means steps 1..n have run. A new data set runs every step when it is
// made; an older one gets the missing steps when it is opened, all in one
// transaction, and its level is raised only when every step succeeded.
#include <string>
#include <vector>

namespace cw {

struct LayoutStep {
  int level;         // the level the data set has after this step
  std::string what;  // for messages: what the step builds
  bool (*apply)();   // runs inside the caller's transaction; false when a statement failed
};

// Every step, in level order (level 1 first, no gaps).
const std::vector<LayoutStep>& LayoutSteps();
// The level this program writes: the last step's.
int CurrentLayoutLevel();

// The level of the open data set (0 before the first step).
int LayoutLevel();
// Runs the steps above `from` and records the new level, inside the caller's
// transaction (for an older data set: the upgrade's, core/schema_upgrade.h).
// False when one failed.
bool ApplyLayoutSteps(int from);

}  // namespace cw
