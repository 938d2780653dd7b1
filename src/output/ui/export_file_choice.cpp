#include "output/ui/export_file_choice.h"

#include <QFileDialog>

#include <algorithm>
#include <cctype>

namespace cw {
namespace {

constexpr const char* kXlsxFilter = "Excel电子表格 (*.xlsx)";
constexpr const char* kCsvFilter = "CSV 文件 (*.csv)";

std::string SuffixOf(ExportFormat format) { return format == ExportFormat::kCsv ? ".csv" : ".xlsx"; }

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
  if (text.size() <= suffix.size()) return false;
  return std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

std::optional<ExportTarget> ShowSaveDialog(QWidget* parent) {
  QFileDialog dialog(parent, QString::fromUtf8("请输入导出的文件名"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({QString::fromUtf8(kXlsxFilter), QString::fromUtf8(kCsvFilter)});
  // The default suffix is added before the dialog checks for an existing
  // file, so the overwrite question is asked for the name really written.
  dialog.setDefaultSuffix("xlsx");
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(filter == QString::fromUtf8(kCsvFilter) ? "csv" : "xlsx");
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const ExportFormat chosen =
      dialog.selectedNameFilter() == QString::fromUtf8(kCsvFilter) ? ExportFormat::kCsv : ExportFormat::kXlsx;
  return ExportTargetOf(dialog.selectedFiles().front().toStdString(), chosen);
}

ExportFileChooser& Chooser() {
  static ExportFileChooser chooser;
  return chooser;
}

}  // namespace

ExportTarget ExportTargetOf(const std::string& typed, ExportFormat chosen) {
  for (ExportFormat format : {ExportFormat::kXlsx, ExportFormat::kCsv})
    if (EndsWithNoCase(typed, SuffixOf(format))) return {typed, format};
  return {typed + SuffixOf(chosen), chosen};
}

std::string ExportFormatName(ExportFormat format) {
  return format == ExportFormat::kCsv ? "CSV 文件" : "Excel电子表格";
}

std::optional<ExportTarget> ChooseExportFile(QWidget* parent) {
  return Chooser() ? Chooser()(parent) : ShowSaveDialog(parent);
}

void SetExportFileChooser(ExportFileChooser chooser) { Chooser() = std::move(chooser); }

}  // namespace cw
