#pragma once
// The table of a window that a verb's document carries, with the texts the
// window shows around it: what --xlsx writes and coinwright-print prints.
#include <string>
#include <string_view>
#include <vector>

#include "cli/output.h"

namespace cw::cli {

// The document's first table that comes from a window's table; throws
// BadInput naming `verb` when there is none.
const Table& WindowTable(const Document& document, std::string_view verb);
// The document's "title" field (a ledger's title), else the verb's name.
std::string DocumentTitle(const Document& document, std::string_view verb);
// The other fields of the document's records as "标题：值" lines (account,
// range, date ...), as a window shows them above its table.
std::vector<std::string> CaptionLines(const Document& document);

}  // namespace cw::cli
