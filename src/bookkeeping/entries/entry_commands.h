#pragma once
// The row commands of an entry page that need no dialog: which voucher a
// change opens, deleting and auditing rows. Each command shows every message
// at most once, however many rows give rise to it, and keeps the table in
// step with what it wrote.
#include <string>
#include <vector>

#include "base/prompter.h"
#include "bookkeeping/entries/entry_table.h"
#include "controls/grid_model.h"

namespace cw {

// The explanation of a generated row of the income and expense page, chosen
// by the mark its description starts with; null for any other description.
const char* GeneratedExplanation(const std::string& description);

// The voucher that "更改" opens for `row` (-1: none selected), or 0 after
// telling the user why there is none: no row, a generated row (where its
// voucher is entered), a statistics row. A row of the initial-assets page
// without a voucher gives 0 without a word.
int VoucherToChange(const GridModel& table, int row, Prompter& prompter);

// "删除" of `rows`: asks first, then deletes, from the last row to the first,
// the vouchers the logged-in user entered and that are not audited, and takes
// their rows out of the table. Returns the number of vouchers deleted.
int DeleteEntryRows(EntryTable& page, GridModel& table, const std::vector<int>& rows, Prompter& prompter);

// Where the rows of an audit command come from: the ticked rows (toolbar) or
// the selected row (context menu); they say differently that there is none.
enum class RowSource { kTicked, kSelected };

// "审核" (`on`) or "取消审核" of `rows`: statistics rows and rows without a
// voucher are passed over; a voucher is audited only by someone other than its
// author and only once, and only its auditor cancels the audit. The 审核
// column follows. Returns the number of vouchers changed.
int AuditEntryRows(const EntryTable& page, GridModel& table, const std::vector<int>& rows, bool on, RowSource source,
                   Prompter& prompter);

}  // namespace cw
