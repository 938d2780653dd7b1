#include "cli/xlsx_output.h"

#include "cli/cli_error.h"
#include "output/table_export.h"

namespace cw::cli {
namespace {

std::string TitleOf(const Document& document, std::string_view verb) {
  for (const Section& section : document) {
    const auto* record = std::get_if<Record>(&section.body);
    if (!record) continue;
    for (const Field& field : *record)
      if (field.column.key == "title" && field.value.is_string()) return field.value.get<std::string>();
  }
  return std::string(verb);
}

}  // namespace

void WriteWorkbook(const Document& document, std::string_view verb, const std::string& file) {
  for (const Section& section : document) {
    const auto* table = std::get_if<Table>(&section.body);
    if (!table || !table->grid) continue;
    try {
      ExportXlsx({.grid = *table->grid, .title = TitleOf(document, verb)}, file);
    } catch (const ExportError& error) {
      throw Failed(error.what());
    }
    return;
  }
  throw BadInput("--xlsx: " + std::string(verb) + " shows no table");
}

}  // namespace cw::cli
