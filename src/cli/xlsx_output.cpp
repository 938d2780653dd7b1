#include "cli/xlsx_output.h"

#include "cli/cli_error.h"
#include "cli/window_table.h"
#include "output/table_export.h"

namespace cw::cli {

void WriteWorkbook(const Document& document, std::string_view verb, const std::string& file) {
  const PageOutput output = WindowOutput(document, verb, "--xlsx");
  try {
    ExportXlsx({.grid = *output.grid, .title = output.title, .header = output.export_header}, file);
  } catch (const ExportError& error) {
    throw Failed(error.what());
  }
}

}  // namespace cw::cli
