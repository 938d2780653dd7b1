#pragma once
// The initial-assets page 32907 "初始财产、负债录入": what the household owns
// and owes when it starts, one row per asset or liability leaf account (types
// 3 to 8, in code order), or one row per opening voucher of an account that
// has some. Each amount is an opening voucher (kind 1) against the
// initial-income counter-account.
//
// Rows are keyed "<voucher>,<account>" (no voucher yet: ",<account>"), with
// ",1" once a cell was edited (entry_keys.h); a row's user value is the
// number of the user who entered its voucher (0 without one). The table is edited in place:
// "日期", "说明" and the row's own amount column ("财产" for assets, "负债" for
// liabilities) of the rows the current user may change; "保存" writes the
// edited rows.
#include <functional>
#include <string>

#include "base/prompter.h"
#include "controls/grid_model.h"

namespace cw {

// "说明" holds at most this many bytes (GBK).
inline constexpr int kInitialDescriptionLimit = 50;

// The columns of the page.
enum InitialColumn {
  kInitialDate = 0,         // "日期"
  kInitialDescription = 1,  // "说明"
  kInitialCategory = 2,     // "类别": the account's path
  kInitialAssets = 3,       // "财产"
  kInitialLiabilities = 4,  // "负债"
  kInitialAccumulated = 5,  // "累计"
  kInitialPerson = 6,       // "制单"
  kInitialChecker = 7,      // "审核"
};

// The amount column of an account: "负债" for liabilities (types 7 and 8),
// else "财产".
int InitialAmountColumn(const std::string& account);
// The first row of `account`, -1 when it has none.
int InitialRowOf(const GridModel& table, const std::string& account);

// The table of page 32907 from the open data set. Rows without a voucher get
// today's date (`today`, a serial day) and empty amounts.
GridModel BuildInitialTable(int today);

// Whether a cell may be edited by user `person_no`: the row has no voucher or
// one that user entered (told by number, so a renamed user keeps his rows),
// its "审核" is empty, and the cell is "日期", "说明" or the amount column of
// the account's kind.
bool InitialCellEditable(const GridModel& table, int row, int column, int person_no);

// Checks an edited text before it is stored: "日期" must be a real date
// ("请输入一个有效的日期。"), "财产" and "负债" a number of at least 0, empty
// meaning 0 ("请输入一个大于或等于0的数。") and within the booking dialog's
// limits (CheckAmountLimits); all shown in the error style.
// When the text is accepted and differs from the cell, the row is marked
// edited. Returns whether the text is accepted.
bool CheckInitialEdit(GridModel& table, int row, int column, const std::string& text, Prompter& prompter);

// After an accepted text was stored: an amount is written "%.2f" and "累计" is
// recomputed from the row down; a description is cut to its byte limit.
void InitialEditStored(GridModel& table, int row, int column);

// "累计" of every row from `from` down: the row above's total plus "财产"
// minus "负债".
void RecomputeAccumulated(GridModel& table, int from = 0);

// Whether a row of the table is marked edited.
bool HasEditedRows(const GridModel& table);

// Chooses a counter-account when neither the stored one nor "502" will do:
// an income leaf code, or empty for none (the "初始收入科目" dialog, or the
// command line's option).
using CounterChooser = std::function<std::string()>;

// The initial-income counter-account: the code stored in "InitRichItem" when
// it is an income leaf, else "502" when it is one, else what `choose` gives
// (then stored in "InitRichItem"); empty when there is none.
std::string InitialIncomeAccount(const CounterChooser& choose);

enum class InitialSaveResult {
  kNothingEdited,     // no row was marked edited
  kNoCounterAccount,  // no counter-account: nothing written
  kSaved,
  kFailed,  // the data store reported why; nothing written, the table keeps its edits
};

// "保存": writes every edited row as user `person_no` (the logged-in user) and
// clears the marks. Amount 0 deletes the row's voucher (the row stays, without
// voucher and "制单"); an amount above 0 writes or replaces the voucher: line
// 0 the account (debit for an asset, credit for a liability), line 1 the
// counter-account, both with the description. All of it is one transaction;
// the keys of rows renumbered on the way follow.
InitialSaveResult SaveInitialAssets(GridModel& table, int person_no, const CounterChooser& choose);

}  // namespace cw
