// Row keys: what each key stands for, and how keys follow the renumbering of
// a month.
#include "bookkeeping/entries/entry_keys.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(EntryKeysTest, KeysTellTheKindOfRow) {
  struct Case {
    const char* key;
    EntryKey::Kind kind;
    int voucher;
    const char* account;
    bool edited;
  } cases[] = {
      {"202403005", EntryKey::kVoucher, 202403005, "", false},
      {"-202403005", EntryKey::kGenerated, 202403005, "", false},
      {"0", EntryKey::kStatistics, 0, "", false},
      {"202403", EntryKey::kStatistics, 202403, "", false},
      {"202499", EntryKey::kStatistics, 202499, "", false},
      {"99", EntryKey::kStatistics, 99, "", false},
      {"202403005,10101", EntryKey::kInitial, 202403005, "10101", false},
      {",10101", EntryKey::kInitial, 0, "10101", false},
      {"202403005,10101,1", EntryKey::kInitial, 202403005, "10101", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const EntryKey key = ParseEntryKey(RowKey(c.key));
    EXPECT_EQ(c.kind, key.kind);
    EXPECT_EQ(c.voucher, key.voucher);
    EXPECT_EQ(c.account, key.account);
    EXPECT_EQ(c.edited, key.edited);
    EXPECT_EQ(c.key, EntryKeyOf(key).Text()) << "written back as read";
  }
}

TEST(EntryKeysTest, RenumberingShiftsTheLaterVouchersOfTheMonthOnly) {
  struct Case {
    const char* key;
    int after;
    bool up;
    const char* expected;
  } cases[] = {
      {"202403005", 202403004, true, "202403006"},
      {"202403005", 202403005, true, "202403005"},  // not above `after`
      {"202403005", 202403002, false, "202403004"},
      {"202404005", 202403002, true, "202404005"},                   // another month
      {"-202403005", 202403001, true, "-202403006"},                 // the sign stays
      {"202403005,10101,1", 202403001, false, "202403004,10101,1"},  // account and mark stay
      {",10101", 202403001, true, ",10101"},                         // no voucher yet
      {"202403", 202403001, true, "202403"},                         // statistics rows never move
      {"99", 0, true, "99"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(c.expected, ShiftedKey(RowKey(c.key), c.after, c.up).Text());
  }
}

}  // namespace
}  // namespace cw
