#pragma once
// The file an export writes, as the user chooses it in the save dialog
// "请输入导出的文件名" with the filters "Excel电子表格 (*.xlsx)" and "CSV 文件 (*.csv)".
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace cw {

enum class ExportFormat { kXlsx, kCsv };

struct ExportTarget {
  std::filesystem::path file;
  ExportFormat format = ExportFormat::kXlsx;
  bool operator==(const ExportTarget&) const = default;
};

// The name the export writes for a name typed with a filter chosen: a name
// ending in ".xlsx" or ".csv" (any case) is written in that format; any other
// name gains the chosen filter's suffix.
ExportTarget ExportTargetOf(const std::string& typed, ExportFormat chosen);

// The type's name in the progress dialog: "Excel电子表格" or "CSV 文件".
std::string ExportFormatName(ExportFormat format);

// Asks for the file; none when the user cancels. The dialog confirms before an
// existing file is replaced, and it does so for the name with its suffix.
using ExportFileChooser = std::function<std::optional<ExportTarget>(QWidget* parent)>;
std::optional<ExportTarget> ChooseExportFile(QWidget* parent);
// Replaces the save dialog (tests answer it); empty: the dialog again.
void SetExportFileChooser(ExportFileChooser chooser);

}  // namespace cw
