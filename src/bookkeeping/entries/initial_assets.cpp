#include "bookkeeping/entries/initial_assets.h"

#include <cmath>
#include <cstdlib>
#include <map>

#include "base/gbk_text.h"
#include "bookkeeping/booking/booking_checks.h"
#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_layout.h"
#include "bookkeeping/entries/entry_rows.h"
#include "bookkeeping/entries/entry_texts.h"
#include "bookkeeping/entries/entry_vouchers.h"
#include "bookkeeping/entries/person_names.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/settings.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/read_watch.h"

namespace cw {
namespace {

GridRow InitialRow(const std::string& account, const EntryVoucher* voucher, int today, const PersonNames& names) {
  GridRow row;
  row.key = InitialRowKey(voucher ? voucher->number : 0, account);
  row.cells.resize(LayoutOfPage(kPageInitial).columns.size());
  row.cells[kInitialDate] = IsoDate(voucher ? voucher->date : today);
  row.cells[kInitialCategory] = AccountPath(account);
  row.checkable = true;
  if (voucher) {
    row.cells[kInitialDescription] = voucher->Description();
    row.cells[InitialAmountColumn(account)] = AmountText(voucher->Amount1());
    row.cells[kInitialPerson] = names.NameOf(voucher->person);
    row.user_value = voucher->person;
    row.cells[kInitialChecker] = names.NameOf(voucher->checker);
  }
  return row;
}

bool IsIncomeLeaf(const std::string& code) {
  CItemCache& chart = CItemCache::Instance();
  return !code.empty() && chart.IsLeaf(code) && chart.TypeOf(code) == kTypeIncome;
}

// True for a text that is a whole decimal number (blanks around it allowed).
bool ReadAmount(const std::string& text, double* amount) {
  if (text.find_first_not_of(" \t") == std::string::npos) {
    *amount = 0;
    return true;
  }
  char* end = nullptr;
  *amount = std::strtod(text.c_str(), &end);
  return end != text.c_str() && std::string(end).find_first_not_of(" \t") == std::string::npos &&
         std::isfinite(*amount);
}

void SetEdited(GridModel& table, int row, bool edited) {
  EntryKey key = ParseEntryKey(table.Key(row));
  if (key.edited == edited) return;
  key.edited = edited;
  table.SetKey(row, EntryKeyOf(key));
}

// Writes one edited row through the engine and updates its key and the keys
// of the rows the engine renumbered. False when the engine failed.
bool SaveRow(GridModel& table, int row, const std::string& counter, int person_no, const std::string& user_name) {
  const EntryKey key = ParseEntryKey(table.Key(row));
  const double amount = AmountOf(table.Cell(row, InitialAmountColumn(key.account)));
  int number = 0;
  if (amount < 0.0000001) {
    if (key.voucher > 0) {
      if (!DeleteVoucher(key.voucher)) return false;
      ShiftKeys(table, key.voucher, /*up=*/false);
    }
  } else {
    CItemCache& chart = CItemCache::Instance();
    Booking booking;
    booking.kind = kKindInitial;
    ParseIsoDate(table.Cell(row, kInitialDate), &booking.date);
    booking.account1 = key.account;
    booking.type1 = chart.TypeOf(key.account);
    booking.account2 = counter;
    booking.type2 = chart.TypeOf(counter);
    booking.amount1 = amount;
    booking.description = table.Cell(row, kInitialDescription);
    number = key.voucher > 0 ? ReplaceVoucher(key.voucher, booking) : WriteVoucher(booking);
    if (number == 0) return false;
    if (key.voucher > 0) ShiftKeys(table, key.voucher, /*up=*/false);
    ShiftKeys(table, number - 1, /*up=*/true);
  }
  table.SetKey(row, InitialRowKey(number, key.account));
  table.SetCell(row, kInitialPerson, number > 0 ? user_name : std::string());
  table.SetUserValue(row, number > 0 ? person_no : 0);
  return true;
}

}  // namespace

int InitialAmountColumn(const std::string& account) {
  const int type = CItemCache::Instance().TypeOf(account);
  return type == kTypeBorrowed || type == kTypeCreditCard ? kInitialLiabilities : kInitialAssets;
}

int InitialRowOf(const GridModel& table, const std::string& account) {
  for (int row = 0; row < table.RowCount(); ++row) {
    if (ParseEntryKey(table.Key(row)).account == account) return row;
  }
  return -1;
}

GridModel BuildInitialTable(int today) {
  ReadWatch reads;
  GridModel table;
  table.SetColumns(LayoutOfPage(kPageInitial).columns);
  table.ShowCheckColumn(true);
  const PersonNames names;
  std::map<std::string, std::vector<EntryVoucher>> by_account;
  for (EntryVoucher& v : ReadInitialVouchers()) by_account[v.Account(0)].push_back(std::move(v));
  for (const CItemCache::Entry& entry : CItemCache::Instance().Entries()) {
    if (entry.leaf && IsPropertyType(entry.type)) by_account[entry.code];
  }
  for (const auto& [account, vouchers] : by_account) {
    if (vouchers.empty()) table.AddRow(InitialRow(account, nullptr, today, names));
    for (const EntryVoucher& v : vouchers) table.AddRow(InitialRow(account, &v, today, names));
  }
  if (reads.ReportIfFailed()) table.DeleteAllRows();  // rows read up to a failure are not shown
  RecomputeAccumulated(table);
  return table;
}

bool InitialCellEditable(const GridModel& table, int row, int column, int person_no) {
  if (row < 0 || row >= table.RowCount()) return false;
  const int person = table.Row(row).user_value;
  if ((person != 0 && person != person_no) || !table.Cell(row, kInitialChecker).empty()) return false;
  if (column == kInitialDate || column == kInitialDescription) return true;
  return column == InitialAmountColumn(ParseEntryKey(table.Key(row)).account);
}

bool CheckInitialEdit(GridModel& table, int row, int column, const std::string& text, Prompter& prompter) {
  double amount = 0;
  if (column == kInitialDate && !ParseIsoDate(text, nullptr)) {
    prompter.Inform(entry_texts::kInvalidDate, "提示", PromptStyle::Error);
    return false;
  }
  if ((column == kInitialAssets || column == kInitialLiabilities) && (!ReadAmount(text, &amount) || amount < 0)) {
    prompter.Inform(entry_texts::kInvalidAmount, "提示", PromptStyle::Error);
    return false;
  }
  // The limits of the booking dialog: the amount becomes a voucher like any other.
  if (column == kInitialAssets || column == kInitialLiabilities) {
    if (std::string why = CheckAmountLimits(amount); !why.empty()) {
      prompter.Inform(why, "提示", PromptStyle::Error);
      return false;
    }
  }
  if (text != table.Cell(row, column)) SetEdited(table, row, true);
  return true;
}

void InitialEditStored(GridModel& table, int row, int column) {
  if (column == kInitialDescription) {
    const std::string& text = table.Cell(row, column);
    if (GbkLength(text) > kInitialDescriptionLimit) table.SetCell(row, column, GbkCut(text, kInitialDescriptionLimit));
    return;
  }
  if (column != kInitialAssets && column != kInitialLiabilities) return;
  double amount = 0;
  ReadAmount(table.Cell(row, column), &amount);
  table.SetCell(row, column, AmountText(amount));
  RecomputeAccumulated(table, row);
}

void RecomputeAccumulated(GridModel& table, int from) {
  if (from < 0) from = 0;
  double total = from > 0 ? AmountOf(table.Cell(from - 1, kInitialAccumulated)) : 0;
  for (int row = from; row < table.RowCount(); ++row) {
    total += AmountOf(table.Cell(row, kInitialAssets)) - AmountOf(table.Cell(row, kInitialLiabilities));
    table.SetCell(row, kInitialAccumulated, AmountText(total));
  }
}

bool HasEditedRows(const GridModel& table) {
  for (int row = 0; row < table.RowCount(); ++row) {
    if (ParseEntryKey(table.Key(row)).edited) return true;
  }
  return false;
}

std::string InitialIncomeAccount(const CounterChooser& choose) {
  const std::string stored = settings::GetText("", entry_texts::kInitialIncomeSetting);
  if (IsIncomeLeaf(stored)) return stored;
  if (IsIncomeLeaf(kInitialIncomeAccount)) return kInitialIncomeAccount;
  const std::string chosen = choose ? choose() : std::string();
  if (!IsIncomeLeaf(chosen)) return {};
  settings::SetText("", entry_texts::kInitialIncomeSetting, chosen);
  return chosen;
}

InitialSaveResult SaveInitialAssets(GridModel& table, int person_no, const CounterChooser& choose) {
  if (!HasEditedRows(table)) return InitialSaveResult::kNothingEdited;
  const std::string counter = InitialIncomeAccount(choose);
  if (counter.empty()) return InitialSaveResult::kNoCounterAccount;

  // Saved on a copy, so that a failure half-way leaves the shown table as it was.
  const std::string user_name = PersonNames().NameOf(person_no);
  GridModel saved = table;
  Transaction transaction;
  if (!transaction.ok()) return InitialSaveResult::kFailed;
  for (int row = 0; row < saved.RowCount(); ++row) {
    if (!ParseEntryKey(saved.Key(row)).edited) continue;
    if (!SaveRow(saved, row, counter, person_no, user_name)) {
      transaction.Fail();
      return InitialSaveResult::kFailed;
    }
  }
  if (!transaction.Commit()) return InitialSaveResult::kFailed;
  for (int row = 0; row < saved.RowCount(); ++row) SetEdited(saved, row, false);
  table = std::move(saved);
  return InitialSaveResult::kSaved;
}

}  // namespace cw
