#include "bookkeeping/entries/ui/entry_context_menu.h"

#include "core/ledger_model.h"
#include "frame/app_commands.h"
#include "frame/command_rights.h"

namespace cw {
namespace {

// The context menu's own numbers for the selected row.
constexpr int kChangeSelected = 32844;
constexpr int kDeleteSelected = 32845;
constexpr int kCancelAuditSelected = 32846;
constexpr int kAuditSelected = 32847;

}  // namespace

std::vector<ContextEntry> EntryContextMenu(int page, const Rights& rights, int level) {
  const bool initial = page == kPageInitial;
  const bool search = page == kPageSearchResult;
  auto frame = [&](const char* label, int command) {
    return ContextEntry{label, command, CommandEnabled(command, rights, level)};
  };
  const ContextEntry separator{};
  return {
      {"新增...", cmd::kAdd, !initial && !search},
      {"更改...", kChangeSelected, !initial},
      {"删除", kDeleteSelected, !initial},
      separator,
      {"预约记账...", cmd::kPlans, !search},
      separator,
      frame("收入支出表", 32920),
      frame("收入分类表", 32921),
      frame("支出分类表", 32922),
      separator,
      {"查找...", cmd::kFind, true},
      separator,
      {"审核", kAuditSelected, true},
      {"取消审核", kCancelAuditSelected, true},
      separator,
      frame("打印", cmd::kPrint),
      frame("导出", cmd::kExport),
      separator,
      frame("记账科目管理", cmd::kAccountManagement),
      frame("计算器...", cmd::kCalculator),
  };
}

}  // namespace cw
