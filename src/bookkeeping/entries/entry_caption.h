#pragma once
// The caption above an entry page and the texts that describe a search.
#include <string>

#include "bookkeeping/entries/entry_table.h"
#include "output/page_output.h"

namespace cw {

struct EntryCaption {
  std::string title;         // the page title; "<searched page> - 查找结果" for a search
  std::string range_line;    // "日期范围：2024年1月 - 2024年3月"; empty for a search
  bool change_link = false;  // "(更改)" follows the range (not on the initial-assets page)
};

EntryCaption CaptionOf(const EntryTable& page);
// The caption as plain text: title, then the range line with "(更改)".
std::string CaptionPlainText(const EntryCaption& caption);

// The two lines the navigation bar shows for a search: "查找条件：..." and
// "查找结果：%d笔记账数据".
std::string SearchConditionLine(const EntryTable& page);
std::string SearchCountLine(const EntryTable& page);
// The header above the search results: "查找条件：%s\n查找结果：找到%d笔记账数据".
std::string SearchHeader(const EntryTable& page);

// What 打印 and 导出 take with the page (the window adds the grid): the
// caption's title, and under it the months of an entry page or the search's
// condition and count.
PageOutput EntryOutput(const EntryTable& page);

}  // namespace cw
