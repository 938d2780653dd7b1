#pragma once
// The table of a window that a verb's document carries, with the texts the
// window takes with it: what --xlsx writes and coinwright-print prints.
#include <string_view>

#include "cli/output.h"

namespace cw::cli {

// The document's first table that comes from a window's table, with the
// window's title, exported header and page header when the verb gives them;
// else the document's "title" field (else the verb's name) is the title and
// the records' other fields, as "标题：值" lines, the page header. Throws
// BadInput naming `verb`, after the option that `asked` for the table
// ("--xlsx"), when the document has no such table.
PageOutput WindowOutput(const Document& document, std::string_view verb, std::string_view asked = {});

}  // namespace cw::cli
