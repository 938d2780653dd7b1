#pragma once
// Compaction of the open data set: VACUUM on the open connection rewrites the
// file in place, atomically through the journal, so the live file is never
// replaced and other processes that have it open see the result. The file is
// checked before (a damaged file is not rewritten) and after.
#include <functional>
#include <string>

namespace cw {

// Compacts the open data set. `tick` (may be empty) is called now and then
// while the file is rewritten, so that a window can show progress. False with
// the cause in *error; the data set is then as it was.
bool CompactLive(const std::function<void()>& tick, std::string* error);

}  // namespace cw
