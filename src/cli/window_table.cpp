#include "cli/window_table.h"

#include "cli/cli_error.h"

namespace cw::cli {
namespace {

constexpr char kTitleKey[] = "title";

std::string TextOf(const Value& value) { return value.is_string() ? value.get<std::string>() : value.dump(); }

const Table& FirstWindowTable(const Document& document, std::string_view verb, std::string_view asked) {
  for (const Section& section : document) {
    const auto* table = std::get_if<Table>(&section.body);
    if (table && table->grid) return *table;
  }
  const std::string refusal = std::string(verb) + " shows no table";
  throw BadInput(asked.empty() ? refusal : std::string(asked) + ": " + refusal);
}

// The title and page header a document's records give.
PageOutput RecordTexts(const Document& document, std::string_view verb) {
  PageOutput output;
  for (const Section& section : document) {
    const auto* record = std::get_if<Record>(&section.body);
    if (!record) continue;
    for (const Field& field : *record) {
      if (field.column.key != kTitleKey) {
        output.page_header.push_back(field.column.title + "：" + TextOf(field.value));
      } else if (output.title.empty() && field.value.is_string()) {
        output.title = field.value.get<std::string>();
      }
    }
  }
  if (output.title.empty()) output.title = verb;
  return output;
}

}  // namespace

PageOutput WindowOutput(const Document& document, std::string_view verb, std::string_view asked) {
  const Table& table = FirstWindowTable(document, verb, asked);
  PageOutput output = table.window.title.empty() ? RecordTexts(document, verb) : table.window;
  output.grid = table.grid.get();
  if (output.document_name.empty()) output.document_name = output.title;
  return output;
}

}  // namespace cw::cli
