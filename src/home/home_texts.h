#pragma once
// Fixed texts of the home page and the tip dialog (string-table numbers noted).

namespace cw {

// 761: shown instead of the card bills and the statistics.
inline constexpr char kUntypedLeafNotice[] =
    "记账科目中尚有末级科目未设置科目类型，所以无法统计收入支出数据。设置科目类型请在系统管理菜单下的记账科目管理中进行。";
// 209: the tips file is missing, unreadable or holds no tip.
inline constexpr char kNoDailyNotes[] = "无法打开每日一帖文件。";

inline constexpr char kCardSectionTitle[] = "  信用卡账单";
inline constexpr char kStatisticsSectionTitle[] = "  收入支出统计";

}  // namespace cw
