#pragma once
// The texts of the daily entry window that more than one file shows: messages
// of its commands, row labels, captions.

namespace cw::entry_texts {

// Captions.
inline constexpr char kInputErrorCaption[] = "操作错误";
inline constexpr char kDeleteCaption[] = "资料删除";

// Rows and selections.
inline constexpr char kNoRowSelected[] = "鼠标不在有效行上，请重新选择。";
inline constexpr char kNoRowTicked[] = "请先从表格中勾选一条或多条记录，再进行操作。";
inline constexpr char kStatisticsRow[] = "不能对统计行（背景色为绿色）进行操作。";

// Rows generated on the income and expense page explain where they come from.
inline constexpr char kGainMark[] = "【投资收益】";
inline constexpr char kDepositInterestMark[] = "【存款利息】";
inline constexpr char kCardInterestMark[] = "【信用卡利息】";
inline constexpr char kGeneratedGain[] =
    "这笔账单是自动生成的投资收益。\n\n此账单的原始数据在投资记账中录入，请在投资记账中进行相关操作。";
inline constexpr char kGeneratedDepositInterest[] =
    "这笔账单是自动生成的存款利息。\n\n此账单的原始数据在存款取款记账中录入，请在存款取款记账中进行相关操作。";
inline constexpr char kGeneratedCardInterest[] =
    "这笔账单是自动生成的信用卡利息。\n\n此账单的原始数据在信用卡记账中录入，请在信用卡记账中进行相关操作。";

// Deleting.
inline constexpr char kDeleteQuestion[] = "资料删除后将不可恢复。确实要删除吗？";
inline constexpr char kCannotDelete[] = "不能删除这笔记账数据。\n\n用户只能删除自己创建并且尚未审核的记账数据。";

// Auditing.
inline constexpr char kAuditByOthers[] = "记账数据必须由其他人审核。";
inline constexpr char kAlreadyAudited[] = "记账数据已经审核，不能再次审核。";
inline constexpr char kNotAudited[] = "记账数据还未审核，不需要取消审核。";
inline constexpr char kOnlyAuditorCancels[] = "取消审核的操作必须由审核人进行。";

// Statistics rows.
inline constexpr char kMonthTotal[] = "  %2d 月 统 计";
inline constexpr char kYearTotal[] = "  %d 年 统 计";
inline constexpr char kGrandTotal[] = "  累         计";

// Captions of the pages.
inline constexpr char kRangeLabel[] = "日期范围：";
inline constexpr char kRangeFormat[] = "%d年%d月 - %d年%d月";
inline constexpr char kChangeLink[] = "(更改)";
inline constexpr char kSearchResultSuffix[] = " - 查找结果";

// Search.
inline constexpr char kSearchConditionLabel[] = "查找条件：";
inline constexpr char kSearchCountFormat[] = "查找结果：%d笔记账数据";
inline constexpr char kSearchHeaderFormat[] = "查找条件：%s\n查找结果：找到%d笔记账数据";
inline constexpr char kNothingFound[] = "没有查找到满足条件的记录。";

// Initial assets.
inline constexpr char kInvalidDate[] = "请输入一个有效的日期。";
inline constexpr char kInvalidAmount[] = "请输入一个大于或等于0的数。";
inline constexpr char kInitialHelp[] = "请在表格中编辑日期、说明、财产及负债数据，绿色背景的单元格表示是可编辑的";
inline constexpr char kInitialIncomeTitle[] = "初始收入科目";
inline constexpr char kInitialIncomeText[] = "请您选择一个初始收入科目，初始财产负债数据都将记录到这个科目中。";
inline constexpr char kInitialIncomeSetting[] = "InitRichItem";

}  // namespace cw::entry_texts
