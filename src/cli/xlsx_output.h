#pragma once
// --xlsx FILE: the table a verb shows written to a workbook, as the window
// showing the same table exports it.
#include <string>
#include <string_view>

#include "cli/output.h"

namespace cw::cli {

// Writes the document's first table that comes from a window's table, under
// the document's "title" field (a ledger's title), else under the verb's name.
// Throws BadInput when the verb shows no such table, Failed when the file
// cannot be written (an existing file then stays as it was).
void WriteWorkbook(const Document& document, std::string_view verb, const std::string& file);

}  // namespace cw::cli
