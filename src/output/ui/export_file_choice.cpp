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

ExportFormat FormatOfFilter(const QString& filter) {
  return filter == QString::fromUtf8(kCsvFilter) ? ExportFormat::kCsv : ExportFormat::kXlsx;
}

// The save dialog. The suffix of the chosen filter becomes the default suffix
// before the dialog checks for an existing file, so the overwrite question is
// asked for the name really written.
class ExportSaveDialog : public QFileDialog {
 public:
  explicit ExportSaveDialog(QWidget* parent) : QFileDialog(parent, QString::fromUtf8("请输入导出的文件名")) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({QString::fromUtf8(kXlsxFilter), QString::fromUtf8(kCsvFilter)});
  }

  void accept() override {
    setDefaultSuffix(QString::fromStdString(SuffixOf(FormatOfFilter(selectedNameFilter())).substr(1)));
    QFileDialog::accept();
  }
};

std::optional<ExportTarget> ShowSaveDialog(QWidget* parent) {
  ExportSaveDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ExportTargetOf(dialog.selectedFiles().front().toStdString(), FormatOfFilter(dialog.selectedNameFilter()));
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
