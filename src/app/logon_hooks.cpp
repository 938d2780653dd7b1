#include "app/logon_hooks.h"

#include "frame/logon_profile.h"

namespace cw {

// The steps named in the header belong to the backup, scheduled-booking
// and update subsystems; none of them is part of this program yet, so each
// hook has nothing to run.

void StartLogonWork(const LogonProfile&) {}

void EndLogonWork(const LogonProfile&) {}

void RunClosingWork(bool) {}

}  // namespace cw
