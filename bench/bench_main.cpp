// cw_bench: how fast the ledger core is on a long household ledger.
//
//   cw_bench [--years N] [--keep] [--no-cli]
//
// Works in a data home of its own under /tmp (kept with --keep) and prints:
//  (b) the bulk import of N years (default 30) of 999 vouchers a month;
//  (c) the reports the windows run on it, over the whole span;
//  (e) the budget table with its comparison and the property projection;
//  (a) single bookings with random dates into months that are nearly full;
//  (d) the size of the database file;
//  and the same import through `coinwright-cli import` from JSON lines.
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench/bench_support.h"
#include "bench/budget_bench.h"
#include "bench/household_ledger.h"
#include "bench/ledger_bench.h"
#include "bench/statistics_bench.h"
#include "bench/stopwatch.h"
#include "calendar/calendar.h"
#include "cli/chart_import.h"
#include "core/balances.h"
#include "core/data_sets.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_engine.h"
#include "core/voucher_import.h"
#include "store/database.h"

namespace cw::bench {
namespace {

constexpr int kFirstYear = 1990;
constexpr int kVouchersPerMonth = 999;
// Months that are filled to this many vouchers and then booked into one by one.
constexpr int kNearlyFull = 990;
constexpr int kBookingMonths = 24;
constexpr int kReportRuns = 3;

struct Options {
  int years = 30;
  bool keep = false;
  bool cli = true;
};

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "cw_bench: %s\n", what.c_str());
  std::exit(1);
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--keep") == 0) {
      options.keep = true;
    } else if (std::strcmp(argv[i], "--no-cli") == 0) {
      options.cli = false;
    } else if (std::strcmp(argv[i], "--years") == 0 && i + 1 < argc) {
      options.years = std::atoi(argv[++i]);
      if (options.years < 1 || options.years > 100) Fail("--years: 1 to 100");
    } else {
      Fail(std::string("usage: cw_bench [--years N] [--keep] [--no-cli] (not: ") + argv[i] + ")");
    }
  }
  return options;
}

std::string MegaBytes(std::uintmax_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  return text;
}

std::string Rate(double count, Timing t) {
  char text[64];
  std::snprintf(text, sizeof text, "%.0f /s (%.2f s, cpu %.2f s)", count / t.wall, t.wall, t.cpu);
  return text;
}

void AddChart() {
  Transaction tx;
  cli::AddMissingAccounts(HouseholdAccounts());
  if (!tx.Commit()) Fail("the chart was not written");
}

std::vector<ImportedVoucher> GenerateLedger(HouseholdLedger& ledger, int years) {
  std::vector<ImportedVoucher> vouchers;
  vouchers.reserve(static_cast<std::size_t>(years) * 12 * kVouchersPerMonth);
  for (int year = kFirstYear; year < kFirstYear + years; ++year) {
    for (int month = 1; month <= 12; ++month) {
      std::vector<ImportedVoucher> part = ledger.Month(year, month, kVouchersPerMonth);
      std::move(part.begin(), part.end(), std::back_inserter(vouchers));
    }
  }
  return vouchers;
}

std::size_t LineCount(const std::vector<ImportedVoucher>& vouchers) {
  std::size_t lines = 0;
  for (const ImportedVoucher& v : vouchers) lines += v.lines.size();
  return lines;
}

void Import(const std::vector<ImportedVoucher>& vouchers) {
  std::string error;
  if (!ImportVouchers(vouchers, &error)) Fail("import: " + error);
}

void TimeImport(const std::vector<ImportedVoucher>& vouchers, int years) {
  Stopwatch watch;
  Import(vouchers);
  Timing t{watch.Seconds(), watch.CpuSeconds()};
  Line("(b) ImportVouchers, " + std::to_string(years) + " years: " + std::to_string(vouchers.size()) + " vouchers, " +
           std::to_string(LineCount(vouchers)) + " lines",
       Rate(static_cast<double>(vouchers.size()), t), "aim > 50000 /s");
}

void TimeReports(int years) {
  const int last_year = kFirstYear + years - 1;
  double property = 0;
  Timing t = MedianTiming(kReportRuns, [&] { property = NetProperty(kAllVouchersLast + 1); });
  Line("(c) NetProperty, whole ledger", Ms(t), "aim < 200 ms");

  std::size_t periods = 0;
  t = MedianTiming(kReportRuns, [&] {
    periods = IncomeExpenseSeries(kByMonth, kFirstYear * 10000 + 101, last_year * 10000 + 1231, false).size();
  });
  Line("(c) IncomeExpenseSeries, " + std::to_string(periods) + " months", Ms(t), "aim < 200 ms");

  CategorySeries series;
  t = MedianTiming(kReportRuns, [&] {
    series = CategoryAccountSeries(false, kMonth, MonthFirstNumber(kFirstYear, 1), MonthLastNumber(last_year, 12));
  });
  Line("(c) CategoryAccountSeries (expense), " + std::to_string(series.period_count) + " months x " +
           std::to_string(series.accounts.size()) + " accounts",
       Ms(t), "aim < 200 ms");
  if (property == 0) Fail("the ledger has no property: the import went wrong");
}

// Months after the imported ledger are filled to kNearlyFull vouchers, then
// each takes the rest of its 999 by single bookings on random days.
void TimeBookings(HouseholdLedger& ledger, int years) {
  const int first_year = kFirstYear + years;
  std::vector<ImportedVoucher> filling;
  for (int i = 0; i < kBookingMonths; ++i) {
    int yyyymm = MonthAdd(first_year, 1, i);
    std::vector<ImportedVoucher> part = ledger.Month(yyyymm / 100, yyyymm % 100, kNearlyFull);
    std::move(part.begin(), part.end(), std::back_inserter(filling));
  }
  Import(filling);

  std::vector<double> wall, cpu;
  for (int i = 0; i < kBookingMonths; ++i) {
    int yyyymm = MonthAdd(first_year, 1, i);
    for (int n = kNearlyFull; n < kVouchersPerMonth; ++n) {
      Booking booking = ledger.NextBooking(yyyymm / 100, yyyymm % 100);
      Stopwatch watch;
      if (!WriteVoucher(booking)) Fail("a booking was refused");
      wall.push_back(watch.Seconds());
      cpu.push_back(watch.CpuSeconds());
    }
  }
  Line("(a) WriteVoucher into a month of " + std::to_string(kNearlyFull) + "+ (" + std::to_string(wall.size()) +
           " bookings): median",
       Ms({Percentile(wall, 0.5), Percentile(cpu, 0.5)}), "aim < 5 ms");
  Line("    90th percentile", Ms({Percentile(wall, 0.9), Percentile(cpu, 0.9)}));
}

std::uintmax_t FileSize(const std::string& path) {
  std::error_code error;
  std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

// The same ledger as JSON lines, for the command-line import.
std::string WriteJsonLines(const std::string& folder, int years) {
  const std::string path = folder + "/ledger.jsonl";
  std::ofstream out(path);
  nlohmann::json chart = {{"accounts", nlohmann::json::array()}};
  for (const cli::NewAccount& a : HouseholdAccounts()) {
    chart["accounts"].push_back({{"code", a.code}, {"name", a.name}, {"type", a.type}});
  }
  out << chart.dump() << '\n';
  HouseholdLedger ledger;
  for (const ImportedVoucher& v : GenerateLedger(ledger, years)) {
    nlohmann::json lines = nlohmann::json::array();
    for (const VoucherLine& line : v.lines) lines.push_back({{"item", line.item}, {"cash", line.cash}, {"debit", line.debit}});
    nlohmann::json voucher = {{"date", IsoDate(v.date)}, {"kind", v.kind}, {"lines", std::move(lines)},
                              {"content", v.lines[0].content}};
    if (v.kind == 40) voucher["deposit"] = v.deposit_code;
    out << voucher.dump() << '\n';
  }
  if (!out) Fail("cannot write " + path);
  return path;
}

void TimeCliImport(const std::string& folder, int years, std::size_t vouchers) {
  const std::string file = WriteJsonLines(folder, years);
  const std::string home = folder + "/cli";
  // The data set is made beforehand; the timed run opens it (about 0.1 s of key derivation) and imports.
  if (RunCli(home, "init") != 0) Fail("coinwright-cli init failed");
  const double children_before = ChildrenCpuSeconds();
  Stopwatch watch;
  if (RunCli(home, "import '" + file + "'") != 0) Fail("coinwright-cli import failed");
  Timing t{watch.Seconds(), ChildrenCpuSeconds() - children_before};
  Line("coinwright-cli import of the same ledger (JSON lines)", Rate(static_cast<double>(vouchers), t),
       "aim > 50000 /s");
}

}  // namespace
}  // namespace cw::bench

int main(int argc, char** argv) {
  using namespace cw;
  using namespace cw::bench;
  const Options options = ParseOptions(argc, argv);
  std::string pattern = "/tmp/coinwright-bench-XXXXXX";
  if (!mkdtemp(pattern.data())) Fail("cannot create a folder under /tmp");
  const std::string folder = pattern;
  std::printf("Coinwright benchmark in %s%s\n", folder.c_str(), options.keep ? " (kept)" : "");

  Database::SetDataHome(folder);
  if (!OpenDataSet(Database::kUserData)) Fail("cannot open the data set");
  SetLoggedInPerson(1);
  AddChart();
  std::printf("chart: %zu accounts\n", CItemCache::Instance().Entries().size());

  HouseholdLedger ledger;
  std::vector<ImportedVoucher> vouchers = GenerateLedger(ledger, options.years);
  TimeImport(vouchers, options.years);
  TimeReports(options.years);
  TimeStatistics(kFirstYear, options.years);
  TimeLedgers(kFirstYear, options.years);
  TimeBudgets(kFirstYear, options.years);
  TimeBookings(ledger, options.years);

  Database::CloseDatabase();  // checkpoints the write-ahead log into the file
  Line("(d) database file", MegaBytes(FileSize(Database::FilePath(Database::kUserData))));

  if (options.cli) {
    TimeCliStatistics(folder, kFirstYear, options.years);
    TimeCliImport(folder, options.years, vouchers.size());
  }

  if (!options.keep) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  return 0;
}
