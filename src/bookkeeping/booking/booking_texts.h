#pragma once
// The messages of the booking and search dialogs, shared by the dialogs and the
// command-line tool.

namespace cw::booking_texts {

inline constexpr char kInputErrorCaption[] = "操作错误";

// Booking checks, in the order the dialog runs them.
inline constexpr char kNeedAmount[] = "请输入一个大于0的金额！";
inline constexpr char kNegativeAmount[] = "金额不能小于0！";
inline constexpr char kAmountTooLarge[] = "金额太大， 请根据您的费用输入金额。";
inline constexpr char kSubCentAmount[] = "金额最多只能有两位小数！";
inline constexpr char kNoAccount[] = "您没有设置科目，请先设置。";
inline constexpr char kSameAccounts[] = "选择了两个相同的科目，请重新选择！";

// After "保存新增(&A)" stored a booking.
inline constexpr char kAddedContinue[] = "数据添加成功，请继续输入。";

// Search.
inline constexpr char kSearchTextMissing[] = "请输入记帐说明中包含的字符串。";
inline constexpr char kNothingFound[] = "没有查找到满足条件的记录。";

}  // namespace cw::booking_texts
