// A process killed in the middle of renumbering never leaves a month half
// renumbered: every operation is one transaction.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_check.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::CheckLedger;
using testing::LedgerTest;
using testing::Problems;

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

TEST_F(LedgerTest, TwoThreadsBookingIntoOneMonthKeepItsNumbering) {
  auto book = [](int seed) {
    for (int i = 0; i < 60; ++i) {
      Booking b;
      b.date = SerialDay(2024, 5, 1 + (seed * 7 + i * 13) % 28);
      b.kind = 3;
      b.account1 = "601";
      b.account2 = "101";
      b.type1 = 2;
      b.type2 = 3;
      b.amount1 = 1 + i;
      WriteVoucher(b);
      if (i % 9 == 0) DeleteVoucher(202405001);
    }
  };
  std::thread first(book, 1), second(book, 2);
  first.join();
  second.join();
  Problems problems = CheckLedger();
  EXPECT_TRUE(problems.found.empty()) << problems.found.size() << " problems, first "
                                      << (problems.found.empty() ? "" : problems.found[0]);
  EXPECT_EQ(120u - 14u, MonthVouchers(2024, 5).size());
}

}  // namespace
}  // namespace cw
