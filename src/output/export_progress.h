#pragma once
// The progress an export reports while it writes rows.
#include <functional>

namespace cw {

// States: kExportStarting before anything is written, 0..100 percent of the
// rows written, kExportSaving while the file is saved.
inline constexpr int kExportStarting = -1;
inline constexpr int kExportSaving = -2;
using ExportProgress = std::function<void(int state)>;

// Reports after each written row: after every row of a table under 100 rows,
// else after every (rows / 100)-th row, so a long table updates about a
// hundred times. `done` counts the rows written so far (1-based).
void ReportRowDone(const ExportProgress& progress, int done, int rows);

}  // namespace cw
