#pragma once
// The work other subsystems attach to a user's logon and to the end of the
// program. The frame calls these at the fixed points of its start-up and
// shutdown order; each subsystem adds its step inside.
namespace cw {

struct LogonProfile;

// After the profile is loaded and before the home page opens: the update check
// when "AutoUpdate" is set, the scheduled-booking run (which sends 1199 to the
// frame when it has finished). The background music is the frame's own.
void StartLogonWork(const LogonProfile& profile);

// When a user's logon ends (re-login or close), after the frame has saved the
// music state.
void EndLogonWork(const LogonProfile& profile);

// When the frame closes, after the placement is saved and the module window is
// gone, before the exit steps of the data file (backup, monthly compaction,
// reminder: store/ui/database_commands.h) and before the database is closed.
void RunClosingWork(bool demo_open);

}  // namespace cw
