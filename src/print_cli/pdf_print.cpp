#include "print_cli/pdf_print.h"

#include <QPrinter>

#include "cli/cli_error.h"
#include "cli/window_table.h"
#include "output/replacing_write.h"
#include "output/ui/print_job.h"

namespace cw::cli {

void PrintDocumentPdf(const Document& document, std::string_view verb, const std::string& file, Prompter& prompter) {
  const PageOutput output = WindowOutput(document, verb);
  const PrintSource source{*output.grid, output.title, output.page_header};
  const PrintSettings settings{.columns = PrintColumnsOf(*output.grid)};
  try {
    WriteReplacing(file, [&](const std::filesystem::path& temporary) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setPageSize(QPageSize(QPageSize::A4));
      printer.setDocName(QString::fromStdString(output.document_name));
      printer.setOutputFileName(QString::fromStdString(temporary.string()));
      if (!PrintTable(printer, source, settings, prompter)) throw Failed("cannot write " + file);
    });
  } catch (const ExportError& error) {
    throw Failed(error.what());
  }
}

}  // namespace cw::cli
