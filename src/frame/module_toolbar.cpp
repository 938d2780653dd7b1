#include "frame/module_toolbar.h"

#include "core/ledger_model.h"
#include "frame/app_commands.h"

namespace cw {
namespace {

ToolButton B(const char* label, int command, const char* tooltip = nullptr) {
  return {label, tooltip ? tooltip : label, command};
}
const ToolButton kSep{};

const ToolButton kAdd = B("新增", cmd::kAdd);
const ToolButton kChange = B("更改", cmd::kChange, "更改所选择的资料");
const ToolButton kDelete = B("删除", cmd::kDelete, "删除所选择的资料");
const ToolButton kPlans = B("预约记账", cmd::kPlans, "预约未来某一天的记账内容");
const ToolButton kFind = B("查找", cmd::kFind);
const ToolButton kColumns = B("显示", cmd::kColumns, "设置表格显示的内容");
const ToolButton kAudit = B("审核", cmd::kAudit, "审核记账数据，审核后的记账数据不能修改");
const ToolButton kCancelAudit = B("取消审核", cmd::kCancelAudit, "取消审核后的记账数据允许修改");
const ToolButton kPrint = B("打印", cmd::kPrint);
const ToolButton kExport = B("导出", cmd::kExport);
const ToolButton kDetails = B("详细数据", cmd::kDetails, "查看所选行的详细记录");

std::vector<ToolButton> EntryPage(int page) {
  if (page == kPageInitial) {
    return {B("保存", cmd::kSave), kSep, kColumns, kSep, kAudit, kCancelAudit, kSep, kPrint, kExport};
  }
  std::vector<ToolButton> buttons{kAdd, kChange, kDelete, kSep};
  if (page == kPageCreditCard) buttons.insert(buttons.end(), {B("信用卡", cmd::kCreditCard, "设置信用卡信息"), kSep});
  buttons.insert(buttons.end(), {kPlans, kSep, kFind, kSep, kColumns, kSep, kAudit, kCancelAudit, kSep, kPrint, kExport});
  return buttons;
}

}  // namespace

std::vector<ToolButton> ModuleToolbar(int page) {
  switch (page) {
    case cmd::kHomePage:
      return {B("用户界面", cmd::kDisplaySettings), B("修改密码", cmd::kChangePassword), kSep,
              B("背景图片", cmd::kBackground, "设置背景图片")};
    case cmd::kUserManagement:
      return {kAdd, kChange, kDelete, kSep, B("排序", cmd::kSort, "对表格中的记录进行排序"), kSep, kPrint, kExport};
    case cmd::kAccountManagement:
      return {B("新增下级科目", cmd::kAddChildAccount, "新增的科目为所选科目的下级科目"),
              B("新增同级科目", cmd::kAddSiblingAccount, "新增的科目与所选科目为同一级别"), kChange, kDelete, kSep,
              B("数据转移", cmd::kMoveData, "将一个科目中的记账数据全部转移到另一个科目")};
    case cmd::kDatabaseManagement:
      return {B("自动备份设置", cmd::kBackupSettings, "设置数据库自动备份的参数"), kSep,
              B("备份数据库", cmd::kBackupDatabase), B("还原数据库", cmd::kRestoreDatabase),
              B("压缩数据库", cmd::kCompactDatabase)};
    case kPageSearchResult:
      return {kChange, kDelete, kSep, kPlans, kSep, kFind, kSep, kColumns, kSep, kAudit, kCancelAudit, kSep,
              kPrint, kExport};
    case 32920: return {kFind, kSep, kDetails, B("盈余曲线图", cmd::kSurplusCurve), kSep, kPrint, kExport};
    case 32921: return {kFind, kSep, kDetails, B("收入分类图", cmd::kClassChart), kSep, kPrint, kExport};
    case 32922: return {kFind, kSep, kDetails, B("支出分类图", cmd::kClassChart), kSep, kPrint, kExport};
    case 32950: return {kFind, kSep, kPrint, kExport};
    default: break;
  }
  switch (PageClass(page)) {
    case 1: return EntryPage(page);
    case 3:
      return {B("开始科目", cmd::kFirstAccount), B("前一科目", cmd::kPreviousAccount), B("后一科目", cmd::kNextAccount),
              B("末尾科目", cmd::kLastAccount), kFind, kSep, kDetails, kSep, kPrint, kExport};
    case 4: return {kFind, kSep, kDetails, kSep, kPrint, kExport};
    case 8:
    case 9: return {kAdd, kChange, kDelete, kSep, kPrint, kExport};
    default: return {};
  }
}

}  // namespace cw
