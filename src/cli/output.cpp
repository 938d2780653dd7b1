#include "cli/output.h"

#include <algorithm>
#include <cmath>

#include "base/gbk_text.h"

namespace cw::cli {
namespace {

// An amount rounded to cents; never -0, which would print as "-0.00".
double Cents(double amount) { return std::round(amount * 100) / 100 + 0.0; }

std::string TextOf(const Value& value, Format format) {
  if (value.is_null()) return "";
  switch (format) {
    case Format::kAmount: return StrFormat("%.2f", Cents(value.get<double>()));
    case Format::kFlag: return value.get<bool>() ? "是" : "否";
    case Format::kSide: return value.get<bool>() ? "借" : "贷";
    case Format::kText:
    case Format::kNumber: return value.is_string() ? value.get<std::string>() : value.dump();
  }
  return "";
}

Value JsonOf(const Value& value, Format format) {
  if (format == Format::kAmount && value.is_number()) return Cents(value.get<double>());
  return value;
}

// Terminal columns of a text: a CJK character takes two, as it takes two bytes in GBK.
std::size_t Width(const std::string& text) { return GbkLength(text); }

void Pad(std::ostream& out, const std::string& text, std::size_t width, bool right) {
  std::string fill(width - std::min(width, Width(text)), ' ');
  out << (right ? fill + text : text + fill);
}

bool RightAligned(Format format) { return format == Format::kNumber || format == Format::kAmount; }

void WriteRecord(const Record& record, std::ostream& out) {
  std::size_t width = 0;
  for (const Field& field : record) width = std::max(width, Width(field.column.title));
  for (const Field& field : record) {
    std::string value = TextOf(field.value, field.column.format);
    // An empty value leaves no padding behind.
    Pad(out, field.column.title, value.empty() ? 0 : width, false);
    out << (value.empty() ? "" : "  ") << value << '\n';
  }
}

void WriteTable(const Table& table, std::ostream& out) {
  const std::size_t n = table.columns.size();
  std::vector<std::vector<std::string>> cells;
  cells.reserve(table.rows.size());
  std::vector<std::size_t> widths(n);
  for (std::size_t c = 0; c < n; ++c) widths[c] = Width(table.columns[c].title);
  for (const auto& row : table.rows) {
    std::vector<std::string>& texts = cells.emplace_back(n);
    for (std::size_t c = 0; c < n && c < row.size(); ++c) {
      texts[c] = TextOf(row[c], table.columns[c].format);
      widths[c] = std::max(widths[c], Width(texts[c]));
    }
  }
  auto write_line = [&](auto text_of) {
    for (std::size_t c = 0; c < n; ++c) {
      if (c > 0) out << "  ";
      // The last column is not padded: no trailing blanks.
      bool last = c + 1 == n;
      bool right = RightAligned(table.columns[c].format);
      Pad(out, text_of(c), last && !right ? 0 : widths[c], right);
    }
    out << '\n';
  };
  write_line([&](std::size_t c) { return table.columns[c].title; });
  for (const auto& texts : cells) write_line([&](std::size_t c) { return texts[c]; });
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

void WriteCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "," : "") << CsvField(fields[i]);
  out << "\r\n";
}

}  // namespace

void WriteText(const Document& document, std::ostream& out) {
  bool first = true;
  for (const Section& section : document) {
    if (!first) out << '\n';
    first = false;
    if (const Record* record = std::get_if<Record>(&section.body)) {
      WriteRecord(*record, out);
    } else {
      WriteTable(std::get<Table>(section.body), out);
    }
  }
}

void WriteJson(const Document& document, std::ostream& out) {
  Value root = Value::object();
  for (const Section& section : document) {
    Value& body = root[section.key];
    if (const Record* record = std::get_if<Record>(&section.body)) {
      body = Value::object();
      for (const Field& field : *record) body[field.column.key] = JsonOf(field.value, field.column.format);
      continue;
    }
    const Table& table = std::get<Table>(section.body);
    body = Value::array();
    for (const auto& row : table.rows) {
      Value item = Value::object();
      for (std::size_t c = 0; c < table.columns.size() && c < row.size(); ++c) {
        item[table.columns[c].key] = JsonOf(row[c], table.columns[c].format);
      }
      body.push_back(std::move(item));
    }
  }
  out << root.dump(-1, ' ', false, Value::error_handler_t::replace) << '\n';
}

void WriteCsv(const Document& document, std::ostream& out) {
  bool first = true;
  for (const Section& section : document) {
    const Table* table = std::get_if<Table>(&section.body);
    if (!table) continue;
    if (!first) out << "\r\n";
    first = false;
    std::vector<std::string> fields;
    for (const Column& column : table->columns) fields.push_back(column.title);
    WriteCsvLine(out, fields);
    for (const auto& row : table->rows) {
      fields.clear();
      for (std::size_t c = 0; c < table->columns.size(); ++c) {
        fields.push_back(c < row.size() ? TextOf(row[c], table->columns[c].format) : std::string());
      }
      WriteCsvLine(out, fields);
    }
  }
}

}  // namespace cw::cli
