#include "update/check_number.h"

#include <gtest/gtest.h>

namespace cw::update {
namespace {

TEST(CheckNumberTest, KnownValues) {
  EXPECT_EQ(0, CheckNumber(""));
  EXPECT_EQ(0, CheckNumber("ab"));
  EXPECT_EQ(622872, CheckNumber("abc"));
  // Bytes are unsigned: 0xFF counts as 255, never -1.
  // i=2: 16*255 + 255*(2 + 32*255)*2 = 4080 + 4162620
  EXPECT_EQ(4166700, CheckNumber("\xff\xff\xff"));
}

TEST(CheckNumberTest, WrapsInThirtyTwoBits) {
  // A long file of 0xFF bytes overflows many times; the sum is computed modulo 2^32.
  const std::string bytes(100000, '\xff');
  std::uint64_t wide = 0;
  for (std::uint64_t i = 2; i < bytes.size(); ++i) wide += 16 * 255 + 255 * (i + 32 * 255) * i;
  EXPECT_EQ(static_cast<std::int32_t>(static_cast<std::uint32_t>(wide)), CheckNumber(bytes));
}

}  // namespace
}  // namespace cw::update
