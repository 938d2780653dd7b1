#include <xlsxwriter.h>

#include <memory>

#include "output/cell_kinds.h"
#include "output/table_export.h"

namespace cw {
namespace {

// The font name stays the program's own; a spreadsheet without it substitutes.
constexpr const char* kFontName = "宋体";

using Workbook = std::unique_ptr<lxw_workbook, decltype(&workbook_close)>;

void Check(lxw_error error, const std::filesystem::path& target) {
  if (error != LXW_NO_ERROR)
    throw ExportError("cannot write " + target.string() + ": " + lxw_strerror(error));
}

lxw_format* Font(lxw_workbook* book, int size, uint8_t align) {
  lxw_format* format = workbook_add_format(book);
  format_set_font_name(format, kFontName);
  format_set_font_size(format, size);
  format_set_align(format, align);
  format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
  return format;
}

uint8_t AlignOf(Align align) {
  switch (align) {
    case Align::Centre: return LXW_ALIGN_CENTER;
    case Align::Right: return LXW_ALIGN_RIGHT;
    case Align::Left: break;
  }
  return LXW_ALIGN_LEFT;
}

// The body formats of one column: text, and the number format of its kind.
struct ColumnFormats {
  CellKind kind;
  lxw_format* text;
  lxw_format* number;
};

void WriteSheet(const TableExport& table, lxw_workbook* book, const std::filesystem::path& target,
                const ExportProgress& progress) {
  const GridModel& grid = table.grid;
  const std::vector<int> columns = ExportedColumns(grid);
  lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
  if (!sheet) throw ExportError("cannot write " + target.string());
  const auto last = static_cast<lxw_col_t>(columns.empty() ? 0 : columns.size() - 1);

  lxw_format* title = Font(book, 16, LXW_ALIGN_CENTER);
  Check(worksheet_set_row(sheet, 0, 30, nullptr), target);
  if (last > 0)
    Check(worksheet_merge_range(sheet, 0, 0, 0, last, table.title.c_str(), title), target);
  else
    Check(worksheet_write_string(sheet, 0, 0, table.title.c_str(), title), target);

  lxw_format* header = Font(book, 10, LXW_ALIGN_CENTER);
  const int half_char = std::max(1, table.average_char_width / 2);
  std::vector<ColumnFormats> formats;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const GridColumn& column = grid.Column(columns[i]);
    const auto at = static_cast<lxw_col_t>(i);
    const std::string& text = i < table.header.size() ? table.header[i] : column.title;
    Check(worksheet_write_string(sheet, 1, at, text.c_str(), header), target);
    Check(worksheet_set_column(sheet, at, at, column.width / half_char, nullptr), target);
    const CellKind kind = ColumnKind(grid, columns[i]);
    ColumnFormats f{kind, Font(book, 10, AlignOf(column.align)), nullptr};
    if (kind != CellKind::Text) {
      f.number = Font(book, 10, AlignOf(column.align));
      format_set_num_format(f.number, kind == CellKind::Percent ? "0.0%" : "0.00");
    }
    formats.push_back(f);
  }

  const int rows = grid.RowCount();
  for (int row = 0; row < rows; ++row) {
    const auto at_row = static_cast<lxw_row_t>(row + 2);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const std::string& text = grid.Cell(row, columns[i]);
      const auto at = static_cast<lxw_col_t>(i);
      if (auto number = CellNumber(formats[i].kind, text))
        Check(worksheet_write_number(sheet, at_row, at, *number, formats[i].number), target);
      else if (!text.empty())
        Check(worksheet_write_string(sheet, at_row, at, text.c_str(), formats[i].text), target);
      else
        Check(worksheet_write_blank(sheet, at_row, at, formats[i].text), target);
    }
    ReportRowDone(progress, row + 1, rows);
  }
}

}  // namespace

void ExportXlsx(const TableExport& table, const std::filesystem::path& target, const ExportProgress& progress) {
  if (progress) progress(kExportStarting);
  WriteReplacing(target, [&](const std::filesystem::path& temporary) {
    Workbook book(workbook_new(temporary.c_str()), &workbook_close);
    if (!book) throw ExportError("cannot write " + target.string());
    WriteSheet(table, book.get(), target, progress);
    if (progress) {
      progress(100);
      progress(kExportSaving);
    }
    Check(workbook_close(book.release()), target);
  });
}

std::vector<int> ExportedColumns(const GridModel& grid) {
  std::vector<int> columns;
  for (int column = 0; column < grid.ColumnCount(); ++column)
    if (grid.Column(column).visible) columns.push_back(column);
  return columns;
}

}  // namespace cw
