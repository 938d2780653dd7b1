#pragma once
// The context menu of an entry page's grid as plain entries.
#include <string>
#include <vector>

#include "prefs/rights.h"

namespace cw {

struct ContextEntry {
  std::string label;  // empty for a separator
  int command = 0;
  bool enabled = false;
  bool IsSeparator() const { return command == 0; }
};

// 新增..., 更改..., 删除, 预约记账..., the three statistics tables, 查找...,
// 审核, 取消审核, 打印, 导出, 记账科目管理, 计算器... On the initial-assets page
// the first four are greyed; on the search results 新增 is. Scheduled
// bookings, printing and export come with their modules and stay greyed; the
// frame's pages and the calculator follow the user's rights.
std::vector<ContextEntry> EntryContextMenu(int page, const Rights& rights, int level);

}  // namespace cw
