#include "controls/charts/pie_geometry.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(PieSlicesTest, SlicesFollowTheirShareInOrder) {
  const auto slices = PieSlices({{"a", 1}, {"b", 2}, {"c", 1}});
  ASSERT_EQ(slices.size(), 3u);
  EXPECT_DOUBLE_EQ(slices[0].start, 0);
  EXPECT_DOUBLE_EQ(slices[0].sweep, 90);
  EXPECT_DOUBLE_EQ(slices[1].start, 90);
  EXPECT_DOUBLE_EQ(slices[1].sweep, 180);
  EXPECT_DOUBLE_EQ(slices[2].start, 270);
  for (const PieSlice& s : PieSlices({{"a", 0}, {"b", 0}})) EXPECT_DOUBLE_EQ(s.sweep, 0);
}

TEST(SliceAtTest, FindsTheSliceByTheAngleFromTheCentre) {
  // Quarter, half, quarter around (100, 100) with radius 50; screen y points down.
  const auto slices = PieSlices({{"a", 1}, {"b", 2}, {"c", 1}});
  struct Case {
    const char* where;
    double x, y;
    int slice;
  } const cases[] = {
      {"up and right (45°)", 120, 80, 0},
      {"straight up (90°) starts the second", 100, 70, 1},
      {"left (180°)", 60, 100, 1},
      {"down (270°) starts the third", 100, 130, 2},
      {"down and right (315°)", 120, 120, 2},
      {"right on the axis (0°)", 140, 100, 0},
      {"outside the radius", 160, 100, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(SliceAt(slices, 100, 100, 50, c.x, c.y), c.slice);
  }
  EXPECT_EQ(SliceAt(PieSlices({{"a", 0}}), 100, 100, 50, 120, 80), -1);
  // An empty slice between two others is never found.
  const auto with_empty = PieSlices({{"a", 1}, {"empty", 0}, {"b", 1}});
  EXPECT_EQ(SliceAt(with_empty, 0, 0, 10, -5, 0.01), 2);  // just past 180°
}

TEST(SplitBySignTest, NegativeAmountsFormTheSecondPie) {
  const SplitPies pies = SplitBySign({{"工资", 5000}, {"退款", -200}, {"零", 0.00000001}, {"奖金", 300}});
  ASSERT_EQ(pies.positive.size(), 2u);
  EXPECT_EQ(pies.positive[1].name, "奖金");
  ASSERT_EQ(pies.negative.size(), 1u);
  EXPECT_EQ(pies.negative[0].name, "退款");
  EXPECT_DOUBLE_EQ(pies.negative[0].value, 200);
}

TEST(SliceTipTest, AmountsInYuanAndFractionsAsPercentages) {
  EXPECT_EQ(SliceTip({"伙食费", 1234.5}, false), "伙食费：1234.50元");
  EXPECT_EQ(SliceTip({"伙食费", 0.256}, true), "伙食费：25.60%");
}

TEST(SlicePaletteTest, EighteenColoursRepeating) {
  EXPECT_EQ(SlicePalette().size(), 18u);
  EXPECT_EQ(SliceColour(0), (Rgb{255, 0, 0}));
  EXPECT_EQ(SliceColour(17), (Rgb{192, 192, 192}));
  EXPECT_EQ(SliceColour(19), (Rgb{0, 0, 255}));
}

TEST(PieFramesTest, PiesSitSideBySideInAWideAreaAndStackedInATallOne) {
  const auto wide = PieFrames(800, 400, 2, 160);
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[1].left, 400);
  EXPECT_EQ(wide[1].top, 0);
  const auto tall = PieFrames(400, 800, 2, 160);
  EXPECT_EQ(tall[1].left, 0);
  EXPECT_EQ(tall[1].top, 400);
  for (const auto& frames : {wide, tall}) {
    for (const PieFrame& f : frames) {
      // The pie stays inside its cell, below the title band and left of the legend.
      EXPECT_GE(f.cx - f.radius, f.left);
      EXPECT_LE(f.cx + f.radius, f.legend_left);
      EXPECT_GE(f.cy - f.radius, f.top + kPieTitleBand);
      EXPECT_LE(f.cy + f.radius, f.top + f.height);
      EXPECT_LE(f.legend_left, f.left + f.width);
    }
  }
}

}  // namespace
}  // namespace cw
