#include "output/ui/export_dialog.h"

#include <QApplication>
#include <QFontMetrics>

#include <exception>

#include "output/table_export.h"
#include "output/ui/export_file_choice.h"
#include "output/ui/export_progress_dialog.h"

namespace cw {

void ExportPageOutput(QWidget* parent, const PageOutput& output, Prompter& prompter) {
  if (!output.grid) return;
  const std::optional<ExportTarget> target = ChooseExportFile(parent);
  if (!target) return;
  const std::string file = target->file.string();
  ExportProgressDialog progress(parent, ExportFormatName(target->format), file);
  progress.show();
  const TableExport table{.grid = *output.grid,
                          .title = output.title,
                          .header = output.export_header,
                          .average_char_width = QFontMetrics(QApplication::font()).averageCharWidth()};
  try {
    if (target->format == ExportFormat::kXlsx) {
      ExportXlsx(table, target->file, [&progress](int state) { progress.SetState(state); });
    } else {
      progress.SetState(kExportSaving);
      ExportCsv(table, target->file);
    }
  } catch (const std::exception& error) {
    progress.close();
    prompter.Inform("文件导出失败：" + file + "\n\n" + error.what(), "导出", PromptStyle::Error);
  }
}

}  // namespace cw
