#include "app/shell_navigation.h"

#include "frame/app_commands.h"

namespace cw {
namespace {

NavGroup SystemGroup(const Rights& rights, int level) {
  return {"系统管理",
          {
              CommandItem("用户管理", cmd::kUserManagement, "", "system-users", rights, level),
              CommandItem("记账科目管理", cmd::kAccountManagement, "", "view-list-tree", rights, level),
              CommandItem("数据库管理", cmd::kDatabaseManagement, "", "drive-harddisk", rights, level),
          }};
}

}  // namespace

NavigationModel HomeNavigation(const Rights& rights, int level) {
  return {
      {"",
       {
           CommandItem("日常记账", 32900, "记录日常生活及投资的各种费用", "accessories-text-editor", rights, level),
           CommandItem("账薄查询", 32935, "查询记账数据，并对数据进行分类统计", "x-office-spreadsheet", rights,
                       level),
           CommandItem("图表统计", 32950, "以图形和表格的方式表示财产数据", "x-office-presentation", rights,
                       level),
           CommandItem("收支预算", 32960, "设置家庭财产、收入、支出预算数据", "x-office-calendar", rights, level),
       }},
      SystemGroup(rights, level),
  };
}

NavigationModel SystemNavigation(const Rights& rights, int level) { return {SystemGroup(rights, level)}; }

}  // namespace cw
