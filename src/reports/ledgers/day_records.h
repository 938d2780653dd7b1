#pragma once
// The records of one day ("记账详细数据"): the income and expense lines booked
// on that day, for the drill-down of the statistics tables.
#include "controls/grid_model.h"

namespace cw {

enum class DayRecordsMode { kIncome = 0, kExpense = 1, kBoth = 2 };

// The mode for the statistics table `command`: income for 收入分类表, expense
// for 支出分类表, both for any other.
DayRecordsMode DayRecordsModeOf(int command);

// Columns "日  期", "说  明", "类  别" and one amount column ("金  额"), or two
// ("收  入", "支  出") for both. One row per line of an income or expense
// account booked on `date` (a day number), opening vouchers and zero amounts
// left out, keyed by its voucher number; amounts positive when they raise
// income or spending, negative for refunds. A last total row "累    计" keyed 0
// on the total-row background, unless there is no line at all.
GridModel BuildDayRecords(DayRecordsMode mode, int date);

}  // namespace cw
