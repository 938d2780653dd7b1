// The ledger check finds each kind of damage.
#include <gtest/gtest.h>

#include "core/ledger_audit.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::LedgerTest;

TEST_F(LedgerTest, AuditNamesEachFault) {
  for (const char* day : {"2026-11-01", "2026-11-02", "2026-11-03"}) {
    ASSERT_GT(WriteVoucher(Make(day, 3, "601", "101", 10)), 0);
  }
  ASSERT_GT(WriteVoucher(Make("2026-12-01", 3, "601", "101", 10)), 0);
  EXPECT_TRUE(AuditLedger().empty());

  Database::Execute("DELETE FROM AccountInput WHERE Voucher_No = 202611002");             // a gap, stray lines
  Database::Execute("UPDATE Detail_Input SET Cash = 11 WHERE Voucher_No = 202611003 AND Line_No = 0");
  Database::Execute("DELETE FROM Detail_Input WHERE Voucher_No = 202612001 AND Line_No = 1");
  EXPECT_EQ((std::vector<std::string>{
                "voucher 202611003: numbers of month 202611 have a gap",
                "voucher 202611003: debits and credits differ",
                "voucher 202612001: 1 lines, its kind has 2",
                "lines of voucher 202611002 without the voucher",
            }),
            AuditLedger());
}

}  // namespace
}  // namespace cw
