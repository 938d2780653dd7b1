#pragma once
// What printed pages of a table must show, read back from a PDF file with
// pdftotext (output/pdf_text.h). Spaces are ignored: pdftotext drops the
// narrow ones of a CJK font.
#include <sstream>
#include <string>
#include <vector>

#include "output/pdf_text.h"
#include "output/print_layout.h"

namespace cw::testing {

// What pages of `pages` lack of `texts` and of their own page number, as
// "page 2: 现金明细表"; empty when every page shows all of it.
inline std::vector<std::string> MissingOnPages(const std::vector<std::string>& pages,
                                               const std::vector<std::string>& texts) {
  std::vector<std::string> missing;
  const int count = static_cast<int>(pages.size());
  for (int p = 0; p < count; ++p) {
    const std::string page = NoSpaces(pages[p]);
    std::vector<std::string> wanted = texts;
    wanted.push_back(PageNumberText(p + 1, count));
    for (const std::string& text : wanted) {
      if (page.find(NoSpaces(text)) == std::string::npos) missing.push_back("page " + std::to_string(p + 1) + ": " + text);
    }
  }
  return missing;
}

// The first of `rows` (a row's cells joined) that does not stand whole on a
// line of its own after the row before it; empty when every row does, in order.
inline std::string FirstRowMissing(const std::vector<std::string>& pages, const std::vector<std::string>& rows) {
  std::vector<std::string> lines;
  for (const std::string& page : pages) {
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);) lines.push_back(NoSpaces(line));
  }
  std::size_t at = 0;
  for (const std::string& row : rows) {
    while (at < lines.size() && lines[at] != NoSpaces(row)) ++at;
    if (at == lines.size()) return row;
    ++at;
  }
  return {};
}

}  // namespace cw::testing
