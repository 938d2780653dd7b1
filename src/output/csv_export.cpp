#include <fstream>

#include "output/table_export.h"

namespace cw {
namespace {

void WriteField(std::ostream& out, const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    out << text;
    return;
  }
  out << '"';
  for (char c : text) {
    if (c == '"') out << '"';
    out << c;
  }
  out << '"';
}

void WriteLine(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out << ',';
    WriteField(out, fields[i]);
  }
  out << "\r\n";
}

}  // namespace

void ExportCsv(const TableExport& table, const std::filesystem::path& target) {
  const GridModel& grid = table.grid;
  const std::vector<int> columns = ExportedColumns(grid);
  WriteReplacing(target, [&](const std::filesystem::path& temporary) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << "\xEF\xBB\xBF";
    WriteLine(out, {table.title});
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < columns.size(); ++i)
      fields.push_back(i < table.header.size() ? table.header[i] : grid.Column(columns[i]).title);
    WriteLine(out, fields);
    for (int row = 0; row < grid.RowCount(); ++row) {
      fields.clear();
      for (int column : columns) fields.push_back(grid.Cell(row, column));
      WriteLine(out, fields);
    }
    out.flush();
    if (!out) throw ExportError("cannot write " + target.string());
  });
}

}  // namespace cw
