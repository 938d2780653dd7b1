#pragma once
// Which right a command needs, and whether a user may use it now. Menus,
// navigation bars and the frame's own routing all ask here, so a page that is
// greyed in the menu cannot be reached by a shortcut or a history entry either.
#include "prefs/rights.h"

namespace cw {

// The right a command needs (the command as it arrives, e.g. 32838 counts as
// the credit-card ledger it shows).
Need NeedOfCommand(int command);

// Permitted and carried out by this program (built_features.h).
bool CommandEnabled(int command, const Rights& rights, int level);

}  // namespace cw
