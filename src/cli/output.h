#pragma once
// What a verb prints, kept apart from how: a document of named sections, each a
// record (one value per field) or a table (one row per item). The same value
// becomes aligned text for people or one JSON object for programs:
//   text: a record as "title  value" lines, a table as a header row and
//         aligned rows, sections separated by a blank line;
//   JSON: {"<section key>": {<field key>: value, ...} or [{<column key>: value, ...}, ...]};
//   CSV:  the tables only, each a header row of the column titles and then its
//         rows, tables separated by an empty line. UTF-8 without byte-order
//         mark, lines ended by CR LF; a field with a comma, quote or line
//         break is quoted (RFC 4180); amounts are plain numbers with a dot.
#include <memory>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "controls/grid_model.h"
#include "output/page_output.h"

namespace cw::cli {

using Value = nlohmann::ordered_json;

enum class Format {
  kText,    // left-aligned as it stands
  kNumber,  // right-aligned as it stands
  kAmount,  // right-aligned with two decimals; rounded to cents in JSON
  kFlag,    // 是 / 否; a JSON boolean
  kSide,    // 借 (true) / 贷 (false); a JSON boolean
};

struct Column {
  std::string key;    // JSON name
  std::string title;  // text heading
  Format format = Format::kText;
};

struct Field {
  Column column;
  Value value;
};
using Record = std::vector<Field>;

struct Table {
  std::vector<Column> columns;
  std::vector<std::vector<Value>> rows;  // one value per column
  // The table value the window shows, when the table is one: --xlsx writes it
  // as the window's export does.
  std::shared_ptr<const GridModel> grid{};
  // The texts the window's 打印 and 导出 take with the table (title, exported
  // header, printed page header; `window.grid` stays empty). Without a title:
  // the document's fields stand for them (cli/window_table.h).
  PageOutput window{};
};

struct Section {
  std::string key;
  std::variant<Record, Table> body;
};
using Document = std::vector<Section>;

void WriteText(const Document& document, std::ostream& out);
void WriteJson(const Document& document, std::ostream& out);
void WriteCsv(const Document& document, std::ostream& out);

}  // namespace cw::cli
