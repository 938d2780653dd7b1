#include "reports/ledgers/ledger_page.h"

#include "base/gbk_text.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/read_watch.h"

namespace cw {
namespace {

constexpr int kFirstAccount = 705, kPreviousAccount = 706, kNextAccount = 707, kLastAccount = 708;

// "2024.01-2024.03": the months of printed and exported titles.
std::string DottedRange(const LedgerRange& range) {
  return StrFormat("%d.%02d-%d.%02d", range.FirstMonth() / 100, range.FirstMonth() % 100, range.LastMonth() / 100,
                   range.LastMonth() % 100);
}

// The account's names from the top of the chart down, "负债\信用卡\招行".
std::string AccountPath(const std::string& account) {
  std::string path = CItemCache::Instance().FullPath(account);
  if (!path.empty()) path.pop_back();  // the separator after the account's own name
  return path;
}

// The movement pair of a balance table as exported, by account category.
std::vector<std::string> ExportedBalanceTitles(int type) {
  const auto pair = [](const char* increase, const char* decrease) {
    return std::vector<std::string>{"科目名称", "期初余额", increase, decrease, "期末余额"};
  };
  switch (type) {
    case kTypeIncome:
    case kTypeExpense: return {};  // the grid's own titles
    case kTypeInvestment: return pair("本期买入本金", "本期卖出本金");
    case kTypeBorrowed: return pair("本期借入", "本期返还");
    case kTypeLent: return pair("本期借出", "本期收回");
    case kTypeCreditCard: return pair("本期借款", "本期还款");
    default: return pair("本期转入", "本期转出");  // cash and bank
  }
}

}  // namespace

LedgerPage::LedgerPage(int yyyymm) : range_(LedgerRange::OfMonths(yyyymm, yyyymm)) {}

bool LedgerPage::IsLedgerCommand(int command) {
  return (command >= 32930 && command <= 32937) || (command >= 32940 && command <= 32947);
}

bool LedgerPage::IsDetailCommand(int command) { return command >= 32930 && command <= 32937; }

int LedgerPage::Type() const { return TypeOfPage(command_); }

bool LedgerPage::Show(int command, bool forced, const std::optional<Replay>& replay) {
  if (!IsLedgerCommand(command)) return false;
  if (command == command_ && !forced && !pending_) return false;
  command_ = command;
  if (!IsDetail()) {
    if (replay) range_ = replay->range;
    return true;
  }
  if (pending_) {
    account_ = pending_->account;
    range_ = pending_->range;
    pending_.reset();
    return true;
  }
  if (replay) {
    account_ = replay->account;
    range_ = replay->range;
    // A restored account keeps its place when it still belongs to the table.
    if (CItemCache::Instance().TypeOf(account_) == Type()) return true;
  }
  StepAccount(kFirstAccount);
  return true;
}

int LedgerPage::Request(const std::string& account, const LedgerRange& range) {
  const int command = PageOfType(CItemCache::Instance().TypeOf(account), true);
  if (command == 0) return 0;
  pending_ = Replay{account, range};
  return command;
}

std::vector<std::pair<std::string, std::string>> LedgerPage::CategoryAccounts() const {
  std::vector<std::pair<std::string, std::string>> accounts;
  for (const CItemCache::Entry& e : CItemCache::Instance().Entries()) {
    if (e.type == Type()) accounts.emplace_back(e.code, e.name);
  }
  return accounts;
}

bool LedgerPage::StepAccount(int command) {
  const auto accounts = CategoryAccounts();
  if (accounts.empty()) return false;
  std::optional<std::string> next;
  switch (command) {
    case kFirstAccount: next = accounts.front().first; break;
    case kLastAccount: next = accounts.back().first; break;
    case kPreviousAccount:
      for (const auto& [code, name] : accounts)
        if (code < account_) next = code;
      break;
    case kNextAccount:
      for (const auto& [code, name] : accounts)
        if (code > account_) {
          next = code;
          break;
        }
      break;
    default: break;
  }
  if (!next) return false;
  account_ = *next;
  return true;
}

LedgerTable LedgerPage::Build() const {
  // A table built from part of its rows would show wrong balances: it is shown empty.
  ReadWatch reads;
  LedgerTable table = IsDetail() ? BuildDetailTable(account_, range_) : BuildBalanceTable(Type(), range_);
  if (reads.ReportIfFailed()) table.grid.DeleteAllRows();
  return table;
}

std::string LedgerPage::CaptionLine() const {
  const std::string line = IsDetail() ? "科目：" + AccountPath(account_) + "      " : "";
  return line + "日期范围：" + RangeText(range_);
}

PageOutput LedgerOutput(int command, const std::string& account, const LedgerRange& range) {
  PageOutput output;
  output.title = PageTitle(command);
  output.document_name = output.title;
  const std::string range_line = "日期范围：" + DottedRange(range);
  if (LedgerPage::IsDetailCommand(command)) {
    output.title += " - 科目：" + AccountPath(account) + "，" + range_line;
    output.page_header = {"科目名称：" + AccountPath(account), range_line};
  } else {
    output.page_header = {range_line};
    output.export_header = ExportedBalanceTitles(TypeOfPage(command));
  }
  return output;
}

}  // namespace cw
