#pragma once
// coinwright-print's output: the table of a verb printed to a PDF file, laid
// out and drawn as the desktop prints it.
#include <string>
#include <string_view>

#include "base/prompter.h"
#include "cli/output.h"

namespace cw::cli {

// Prints the document's window table under its title, with the document's
// other fields (account, range, date ...) as the page header, on A4 paper.
// The file is written under a temporary name and renamed over `file` when
// complete: a failure leaves an existing file as it was. Throws BadInput when
// the verb shows no table, Failed when the file cannot be written (the cause
// is told through `prompter`).
void PrintDocumentPdf(const Document& document, std::string_view verb, const std::string& file, Prompter& prompter);

}  // namespace cw::cli
