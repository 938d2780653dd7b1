// import: a whole ledger from JSON lines, all or nothing. The file is read line
// by line; the vouchers are kept in memory until every one has been checked,
// then written together by the bulk import.
#include <algorithm>
#include <fstream>
#include <map>

#include "base/gbk_text.h"
#include "bookkeeping/booking/booking_checks.h"
#include "calendar/calendar.h"
#include "cli/chart_import.h"
#include "cli/cli_error.h"
#include "cli/import_lines.h"
#include "cli/login.h"
#include "cli/verbs.h"
#include "core/balances.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_import.h"
#include "store/database.h"

namespace cw::cli {
namespace {

// Runs `step` for line `number` of the file; its refusal names the line.
template <typename Step>
auto AtLine(std::size_t number, Step step) {
  try {
    return step();
  } catch (const CliError& error) {
    throw CliError(error.code(), StrFormat("line %zu: %s", number, error.what()));
  }
}

// A line of the file may be this long at most: far above any voucher, and a
// file without line ends is refused before it is read whole.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// Reads line `number` of the file into `line`, without its end; false when the
// file has ended.
bool ReadLine(std::istream& in, std::string& line, std::size_t number) {
  line.clear();
  std::streambuf& buffer = *in.rdbuf();
  for (int c = buffer.sbumpc(); c != std::char_traits<char>::eof(); c = buffer.sbumpc()) {
    if (c == '\n') return true;
    if (line.size() == kMaxLineBytes) throw BadInput(StrFormat("line %zu: longer than 1 MB", number));
    line.push_back(static_cast<char>(c));
  }
  return !line.empty();
}

// Refuses the import when a month would hold more vouchers than it can number.
void CheckMonthsHaveRoom(const std::vector<ImportedVoucher>& vouchers) {
  std::map<int, int> per_month;  // yyyymm -> vouchers imported
  for (const ImportedVoucher& v : vouchers) {
    Ymd day = DateOfSerialDay(v.date);
    ++per_month[day.year * 100 + day.month];
  }
  for (const auto& [yyyymm, count] : per_month) {
    const int year = yyyymm / 100, month = yyyymm % 100;
    // Numbers run 1, 2, 3 ... without gaps: the last one is the count.
    VoucherSpan span = FirstAndLastVoucher(MonthFirstNumber(year, month), MonthLastNumber(year, month));
    const int total = count + (span.found ? VoucherSequence(span.last) : 0);
    if (total > kMaxVouchersPerMonth) {
      throw BadInput(StrFormat("%d年%d月将有%d张凭证，一个月最多%d张。", year, month, total, kMaxVouchersPerMonth));
    }
  }
}

}  // namespace

Document RunImport(Invocation& invocation) {
  VerbOptions options = invocation.Options({}, 1);
  const std::string& path = options.positionals()[0];
  std::ifstream in(path);
  if (!in) throw BadInput("cannot read " + path);
  OpenLedger(invocation);

  Transaction tx;
  if (!tx.ok()) throw Failed("cannot begin a transaction");
  std::string line;
  if (!ReadLine(in, line, 1)) throw BadInput(path + " is empty; its first line lists the accounts");
  const int accounts_added = AtLine(1, [&] {
    std::vector<NewAccount> accounts = ParseChartLine(line);
    CItemCache& chart = CItemCache::Instance();
    if (std::any_of(accounts.begin(), accounts.end(), [&](const NewAccount& a) { return !chart.Exists(a.code); }))
      RequireRight(Need::kSystemSet, "import with accounts the chart lacks");
    return AddMissingAccounts(std::move(accounts));
  });

  std::vector<ImportedVoucher> vouchers;
  for (std::size_t number = 2; ReadLine(in, line, number); ++number) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    AtLine(number, [&] {
      ImportedVoucher voucher = ParseVoucherLine(line);
      if (std::string why = CheckImportedVoucher(voucher); !why.empty()) throw BadInput(why);
      // The same rules as booking: the kind's account types and the side of every line.
      if (std::string why = CheckImportedBooking(voucher); !why.empty()) throw BadInput(why);
      vouchers.push_back(std::move(voucher));
    });
  }
  CheckMonthsHaveRoom(vouchers);

  std::string error;
  if (!ImportVouchers(vouchers, &error)) throw Failed(error);
  if (!tx.Commit()) throw Failed("the import was not committed");
  return {{"imported", Record{{{"accounts", "新增科目", Format::kNumber}, accounts_added},
                              {{"vouchers", "导入凭证", Format::kNumber}, static_cast<int>(vouchers.size())}}}};
}

}  // namespace cw::cli
