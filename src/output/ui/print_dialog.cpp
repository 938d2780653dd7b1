#include "output/ui/print_dialog.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include "output/ui/print_columns_dialog.h"
#include "output/ui/print_job.h"
#include "output/ui/print_margins_dialog.h"

namespace cw {
namespace {

QPushButton* AddButton(QDialogButtonBox& buttons, const char* text, const char* name) {
  QPushButton* button = buttons.addButton(QString::fromUtf8(text), QDialogButtonBox::ActionRole);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// The extra buttons go into the button row of Qt's print dialog, which on
// Linux is Qt's own widget dialog.
void AddSettingButtons(QPrintDialog& dialog, PrintSettings& settings, bool& preview, Prompter& prompter) {
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  if (!buttons) return;
  QObject::connect(AddButton(*buttons, "页边距(&M)", "marginsButton"), &QPushButton::clicked, &dialog,
                   [&dialog, &settings] {
                     CPrintMarginsDialog margins(settings.margins, &dialog);
                     if (margins.exec() == QDialog::Accepted) settings.margins = margins.Margins();
                   });
  if (!settings.columns.empty()) {
    QObject::connect(AddButton(*buttons, "打印格式(&F)", "columnsButton"), &QPushButton::clicked, &dialog,
                     [&dialog, &settings, &prompter] {
                       CPrintColumnsDialog columns(settings.columns, prompter, &dialog);
                       if (columns.exec() == QDialog::Accepted) settings.columns = columns.Columns();
                     });
  }
  // Accepting takes over the dialog's printer and pages for the preview.
  QObject::connect(AddButton(*buttons, "预览(&V)", "previewButton"), &QPushButton::clicked, &dialog,
                   [&dialog, &preview] {
                     preview = true;
                     dialog.accept();
                   });
}

}  // namespace

bool PrintWithDialog(QWidget* parent, const PrintSource& source, const std::string& document_name,
                     Prompter& prompter, QPrinter& printer) {
  PrintSettings settings{.columns = PrintColumnsOf(source.grid)};
  printer.setDocName(QString::fromStdString(document_name.empty() ? source.title : document_name));

  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle("打印");
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(1, PageRange::kLastSelectable);
  dialog.setFromTo(1, 1);
  bool preview = false;
  AddSettingButtons(dialog, settings, preview, prompter);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (dialog.printRange() == QAbstractPrintDialog::PageRange) settings.range = {printer.fromPage(), printer.toPage()};

  if (!preview) return PrintTable(printer, source, settings, prompter);
  QPrintPreviewDialog view(&printer, parent);
  view.setWindowTitle("打印预览");
  QObject::connect(&view, &QPrintPreviewDialog::paintRequested, &view,
                   [&](QPrinter* device) { PrintTable(*device, source, settings, prompter); });
  return view.exec() == QDialog::Accepted;
}

void PrintPageOutput(QWidget* parent, const PageOutput& output, Prompter& prompter) {
  if (!output.grid) return;
  QPrinter printer(QPrinter::HighResolution);
  PrintWithDialog(parent, {*output.grid, output.title, output.page_header}, output.document_name, prompter, printer);
}

}  // namespace cw
