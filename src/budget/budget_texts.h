#pragma once
// The texts the budget windows and dialogs show, and the tolerance within
// which an amount counts as zero.
#include <cmath>

namespace cw::budget_text {

inline constexpr char kSavedContinue[] = "数据添加成功，请继续输入。";                        // 142
inline constexpr char kZeroTotal[] = "累计金额不允许为0，请输入金额。";                        // 166
inline constexpr char kAlreadyExists[] = "这个预算已经存在，是否以现在的数据替换？";          // 167
inline constexpr char kActualRowNotDeleted[] =
    "此行是实际的数据，无法删除。\n\n请选择预算数据行，然后再删除。";                          // 171
inline constexpr char kNoDescription[] = "您没有输入说明，请输入。";                           // 217
inline constexpr char kStartAfterEnd[] = "开始日期大于结束日期，请重新输入。";                 // 216
inline constexpr char kAmountNotPositive[] = "请输入一个大于0的金额！";                        // 597
inline constexpr char kConfirmDelete[] = "资料删除后将不可恢复。确实要删除吗？";               // 559
inline constexpr char kDeleteCaption[] = "资料删除";                                           // 618
inline constexpr char kNoValidRow[] = "鼠标不在有效行上，请重新选择。";                        // 238
inline constexpr char kInputError[] = "操作错误";                                              // 552
// Titles of the property budget's two views (page 32962).
inline constexpr char kItemsTitle[] = "预算设置";
inline constexpr char kProjectionTitle[] = "显示财产预算结果";
inline constexpr char kEndMonthPrompt[] = "请输入预算的截止月份。";
inline constexpr char kEverydayTip[] = "日常预算用以计划当前收支，并与实际收支相比较及分析。";
inline constexpr char kPropertyTip[] =
    "家庭财产预算是一个估算今后几十年家庭财产状况的一个模型，录入的预算数据越完整，估计的结果就越接近实际情况。";

}  // namespace cw::budget_text

namespace cw {

// Amounts within this distance of zero count as zero.
inline constexpr double kAmountTolerance = 0.0000001;
inline bool IsZeroAmount(double value) { return std::fabs(value) < kAmountTolerance; }

}  // namespace cw
