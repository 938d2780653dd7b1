// A process killed in the middle of renumbering never leaves a month half
// renumbered: every operation is one transaction.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <map>
#include <thread>

#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::LedgerTest;

// Books into one month, always before the vouchers already there, so that each
// booking moves the whole month; deletes now and then. Never returns.
[[noreturn]] void BookUntilKilled(unsigned seed) {
  if (Database::OpenDatabase(Database::kUserData) != 1) _exit(3);
  for (unsigned i = seed;; ++i) {
    int day = 28 - static_cast<int>(i % 28);
    Booking b;
    b.date = SerialDay(2024, 5, day);
    b.kind = i % 3 == 0 ? 41 : 3;
    b.account1 = b.kind == 41 ? "102" : "601";
    b.account2 = "101";
    b.account3 = "504";
    b.type1 = b.kind == 41 ? 4 : 2;
    b.type2 = 3;
    b.type3 = 1;
    b.amount1 = 100 + i % 7;
    b.amount2 = 3;
    WriteVoucher(b);
    if (i % 5 == 0) DeleteVoucher(202405001 + static_cast<int>(i % 3));
  }
}

struct Problems {
  std::vector<std::string> found;
  void Add(const std::string& what) { found.push_back(what); }
};

// Numbers unique and in date order within each month, numbered 1..n; every
// voucher with its 2 or 3 lines and debits equal to credits; no stray lines.
Problems CheckLedger() {
  Problems problems;
  std::map<int, std::vector<std::pair<int, double>>> months;  // yyyymm -> (number, date)
  std::map<int, int> kinds;
  {
    CDBPack rows;
    rows.Open("SELECT Voucher_No, Input_Time, Input_Type FROM AccountInput ORDER BY Voucher_No");
    for (; !rows.IsEnd(); rows.MoveNext()) {
      int n = rows.GetLong("Voucher_No");
      months[n / 1000].push_back({n, rows.GetDate("Input_Time")});
      kinds[n] = rows.GetByte("Input_Type");
    }
  }
  for (const auto& [month, list] : months) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].first != month * 1000 + static_cast<int>(i) + 1) problems.Add("gap or park at " + std::to_string(list[i].first));
      if (i > 0 && list[i].second < list[i - 1].second) problems.Add("date order at " + std::to_string(list[i].first));
    }
  }
  std::map<int, std::pair<int, double>> lines;  // number -> (count, debit - credit)
  {
    CDBPack rows;
    rows.Open("SELECT Voucher_No, Cash, IsDebit FROM Detail_Input");
    for (; !rows.IsEnd(); rows.MoveNext()) {
      auto& [count, balance] = lines[rows.GetLong("Voucher_No")];
      ++count;
      balance += rows.GetBool("IsDebit") ? rows.GetDouble("Cash") : -rows.GetDouble("Cash");
    }
  }
  for (const auto& [number, kind] : kinds) {
    auto it = lines.find(number);
    if (it == lines.end() || it->second.first != LineCount(kind)) problems.Add("lines of " + std::to_string(number));
    else if (std::fabs(it->second.second) > 1e-6) problems.Add("unbalanced " + std::to_string(number));
  }
  for (const auto& [number, tally] : lines) {
    if (!kinds.count(number)) problems.Add("stray lines of " + std::to_string(number));
  }
  return problems;
}

TEST_F(LedgerTest, KilledWhileRenumberingLeavesTheLedgerWhole) {
  int booked_total = 0;
  for (int round = 0; round < 4; ++round) {
    Database::CloseDatabase();  // a connection never crosses a fork
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) BookUntilKilled(round * 17);
    std::this_thread::sleep_for(std::chrono::milliseconds(250 + 120 * round));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;

    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
    Problems problems = CheckLedger();
    EXPECT_TRUE(problems.found.empty()) << "round " << round << ": " << problems.found.size() << " problems, first "
                                        << (problems.found.empty() ? "" : problems.found[0]);
    booked_total = static_cast<int>(MonthVouchers(2024, 5).size());
  }
  EXPECT_GT(booked_total, 0) << "the child booked something before it was killed";
}

}  // namespace
}  // namespace cw
