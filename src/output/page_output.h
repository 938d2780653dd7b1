#pragma once
// What 打印 and 导出 take from the page a module window shows.
#include <string>
#include <vector>

#include "controls/grid_model.h"

namespace cw {

struct PageOutput {
  const GridModel* grid = nullptr;           // the page's table, owned by the window
  std::string title{};                       // export title row and printed title
  std::vector<std::string> export_header{};  // export header texts by exported column; empty: column titles
  std::vector<std::string> page_header{};    // the module's header text printed under the title on every
                                             // page (account and period of a ledger, user, range…)
  std::string document_name{};               // print job name
};

}  // namespace cw
