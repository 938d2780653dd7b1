#pragma once
// What the ledger window shows, without the window: the table (one of the
// commands 32930-32937 detail, 32940-32947 balance), its range of months, the
// account of a detail table, and the request that a scope dialog, a balance
// row or the account tree leaves for the next set-up of a detail table.
#include <optional>
#include <string>
#include <vector>

#include "output/page_output.h"
#include "reports/ledgers/ledger_tables.h"

namespace cw {

// What 打印 and 导出 take with ledger `command` (the window adds the grid):
// the title "明细表 - 科目：path，日期范围：2024.01-2024.03" (a balance table:
// its name), the header printed under it, and for the balance tables other
// than income and expense the exported column titles, which name the period's
// movements in full ("本期借入", "本期返还"). `account` only for a detail table.
PageOutput LedgerOutput(int command, const std::string& account, const LedgerRange& range);

class LedgerPage {
 public:
  // Starts on the month `yyyymm` (the current month).
  explicit LedgerPage(int yyyymm);

  static bool IsLedgerCommand(int command);
  static bool IsDetailCommand(int command);

  int Command() const { return command_; }
  bool IsDetail() const { return IsDetailCommand(command_); }
  int Type() const;  // the account category of the table
  const LedgerRange& Range() const { return range_; }
  const std::string& Account() const { return account_; }

  // Sets up table `command`. Nothing to do (false) when it is the one shown,
  // `forced` is off and no request is pending. A detail table takes the
  // pending request, else the account and range of `replay` (a history
  // entry), else the first account of its category; a balance table takes the
  // range of `replay` when given.
  struct Replay {
    std::string account;
    LedgerRange range;
  };
  bool Show(int command, bool forced, const std::optional<Replay>& replay);

  // A request for the detail table of `account` over `range`; the command to
  // ask the frame for is returned (the detail table of the account's category,
  // 0 when the account has none).
  int Request(const std::string& account, const LedgerRange& range);
  bool HasRequest() const { return pending_.has_value(); }
  // A new range for the table shown (a detail table keeps its account).
  void SetRange(const LedgerRange& range) { range_ = range; }

  // Commands 705-708 on a detail table: the first, previous, next or last
  // account of the category. False (nothing changes) when there is none.
  bool StepAccount(int command);

  LedgerTable Build() const;

  // Second caption line: "科目：" path + name + six blanks + "日期范围：" range
  // for a detail table, "日期范围：" range for a balance table.
  std::string CaptionLine() const;

  // LedgerOutput of the table shown.
  PageOutput Output() const { return LedgerOutput(command_, account_, range_); }

  // The accounts of the table's category in code order (the account tree).
  std::vector<std::pair<std::string, std::string>> CategoryAccounts() const;  // code, name

 private:
  int command_ = 0;
  LedgerRange range_;
  std::string account_;
  std::optional<Replay> pending_;
};

}  // namespace cw
