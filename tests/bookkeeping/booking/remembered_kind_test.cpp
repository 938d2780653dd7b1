// The kind the booking dialog opens with, per user and page.
#include <gtest/gtest.h>

#include "bookkeeping/booking/remembered_kind.h"
#include "booking_fixture.h"
#include "core/settings.h"

namespace cw {
namespace {

using testing::BookingTest;
using RememberedKindTest = BookingTest;

TEST_F(RememberedKindTest, StoredOffsetsRoundTripWithinThePageOptions) {
  struct Case {
    int page;
    int stored;
    int offset;  // taken back
    int kind;    // the dialog opens with
  } cases[] = {
      {32900, 1, 1, 3},  {32900, 0, 0, 2},  {32900, 2, 0, 2},  {32900, -1, 0, 2},
      {32901, 1, 1, 41}, {32906, 1, 1, 10}, {32908, 2, 2, 13}, {32908, 3, 0, 11},
      {32902, 1, 0, 42}, {32903, 1, 0, 43}, {32907, 1, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.page << " stored " << c.stored);
    RememberKindOffset(1, c.page, c.stored);
    EXPECT_EQ(c.offset, RememberedKindOffset(1, c.page));
    EXPECT_EQ(c.kind, StartingKind(1, c.page));
  }
}

TEST_F(RememberedKindTest, EachUserPageAndDialogHasItsOwnValue) {
  RememberKindOffset(1, 32908, 2);
  RememberKindOffset(2, 32908, 1);
  RememberKindOffset(1, 32908, 0, /*plans=*/true);
  RememberKindOffset(1, 32904, 1);
  EXPECT_EQ(2, settings::GetNumber("User1", "AccountInput10"));
  EXPECT_EQ(1, settings::GetNumber("User2", "AccountInput10"));
  EXPECT_EQ(0, settings::GetNumber("User1", "AccountInputPlan10"));
  EXPECT_EQ(1, settings::GetNumber("User1", "AccountInput4"));
  EXPECT_EQ(2, RememberedKindOffset(1, 32908));
  EXPECT_EQ(1, RememberedKindOffset(2, 32908));
  EXPECT_EQ(0, RememberedKindOffset(1, 32908, /*plans=*/true));
}

TEST_F(RememberedKindTest, PagesWithoutKindsStoreNothing) {
  RememberKindOffset(1, 32999, 1);
  EXPECT_EQ(0, RememberedKindOffset(1, 32999));
  EXPECT_EQ(0, StartingKind(1, 32999));
}

}  // namespace
}  // namespace cw
