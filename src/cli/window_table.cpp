#include "cli/window_table.h"

#include "cli/cli_error.h"

namespace cw::cli {
namespace {

constexpr char kTitleKey[] = "title";

std::string TextOf(const Value& value) { return value.is_string() ? value.get<std::string>() : value.dump(); }

}  // namespace

const Table& WindowTable(const Document& document, std::string_view verb) {
  for (const Section& section : document) {
    const auto* table = std::get_if<Table>(&section.body);
    if (table && table->grid) return *table;
  }
  throw BadInput(std::string(verb) + " shows no table");
}

std::string DocumentTitle(const Document& document, std::string_view verb) {
  for (const Section& section : document) {
    const auto* record = std::get_if<Record>(&section.body);
    if (!record) continue;
    for (const Field& field : *record)
      if (field.column.key == kTitleKey && field.value.is_string()) return field.value.get<std::string>();
  }
  return std::string(verb);
}

std::vector<std::string> CaptionLines(const Document& document) {
  std::vector<std::string> lines;
  for (const Section& section : document) {
    const auto* record = std::get_if<Record>(&section.body);
    if (!record) continue;
    for (const Field& field : *record) {
      if (field.column.key != kTitleKey) lines.push_back(field.column.title + "：" + TextOf(field.value));
    }
  }
  return lines;
}

}  // namespace cw::cli
