#include "output/export_progress.h"

namespace cw {

void ReportRowDone(const ExportProgress& progress, int done, int rows) {
  if (!progress || rows <= 0) return;
  const int step = rows < 100 ? 1 : rows / 100;
  if (done % step == 0) progress(done * 100 / rows);
}

}  // namespace cw
