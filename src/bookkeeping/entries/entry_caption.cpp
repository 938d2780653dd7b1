#include "bookkeeping/entries/entry_caption.h"

#include "base/gbk_text.h"
#include "bookkeeping/entries/entry_texts.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

std::string SearchDescription(const EntryTable& page) {
  return page.Search() ? DescribeSearch(*page.Search()) : std::string();
}

}  // namespace

EntryCaption CaptionOf(const EntryTable& page) {
  EntryCaption caption;
  if (page.IsSearch()) {
    caption.title = PageTitle(page.KindPage()) + entry_texts::kSearchResultSuffix;
    return caption;
  }
  caption.title = PageTitle(page.Page());
  caption.range_line = std::string(entry_texts::kRangeLabel) + RangeText(page.Range());
  caption.change_link = page.Page() != kPageInitial;
  return caption;
}

std::string CaptionPlainText(const EntryCaption& caption) {
  if (caption.range_line.empty()) return caption.title;
  return caption.title + "\n" + caption.range_line + (caption.change_link ? entry_texts::kChangeLink : "");
}

std::string SearchConditionLine(const EntryTable& page) {
  return entry_texts::kSearchConditionLabel + SearchDescription(page);
}

std::string SearchCountLine(const EntryTable& page) {
  return StrFormat(entry_texts::kSearchCountFormat, page.FoundCount());
}

std::string SearchHeader(const EntryTable& page) {
  return StrFormat(entry_texts::kSearchHeaderFormat, SearchDescription(page).c_str(), page.FoundCount());
}


PageOutput EntryOutput(const EntryTable& page) {
  const EntryCaption caption = CaptionOf(page);
  PageOutput output;
  output.title = caption.title;
  output.document_name = caption.title;
  if (page.IsSearch()) {
    // The header above the results, one printed line per line.
    const std::string header = SearchHeader(page);
    const std::size_t br = header.find('\n');
    output.page_header = {header.substr(0, br), header.substr(br + 1)};
  } else {
    output.page_header = {caption.range_line};
  }
  return output;
}

}  // namespace cw
