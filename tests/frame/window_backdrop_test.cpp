// The backdrop of a window: where the picture of a background lands for each
// placement, scrolling or not, how its transparency shows the base colour, a
// picture file that cannot be read, and charts painted over the backdrop.
#include "frame/window_backdrop.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include "controls/charts/pie_wnd.h"
#include "controls/charts/rect_wnd.h"

namespace cw {
namespace {

const QColor kBase(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// Four pixels wide, two high: the left half red, the right half blue.
QPixmap HalfAndHalf() {
  QImage image(4, 2, QImage::Format_RGB32);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 2; ++y) image.setPixelColor(x, y, x < 2 ? kRed : kBlue);
  return QPixmap::fromImage(image);
}

QImage Painted(const WindowBackground& background, const QPixmap& picture, const QRect& content) {
  QImage canvas(20, 10, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  QPainter painter(&canvas);
  PaintWindowBackground(painter, background, picture, kBase, content, canvas.rect());
  return canvas;
}

WindowBackground Picture(Placement placement, bool scrolls, int transparent = 0) {
  return {true, "", DisplayCode(placement, scrolls), transparent};
}

TEST(WindowBackdropTest, PictureLandsWhereItsPlacementPutsIt) {
  const QRect in_view(0, 0, 20, 10);
  // A page twice as wide as the view, or scrolled one pixel to the right.
  const QRect wide_page(0, 0, 40, 10);
  const QRect scrolled_page(-1, 0, 40, 10);
  const struct {
    const char* what;
    WindowBackground background;
    QRect content;
    QPoint pixel;
    QColor expected;
  } cases[] = {
      {"plain colour", {false, "", 1, 0}, in_view, {3, 3}, kBase},
      {"stretched, left half", Picture(Placement::kStretched, false), in_view, {2, 5}, kRed},
      {"stretched, right half", Picture(Placement::kStretched, false), in_view, {17, 5}, kBlue},
      {"stretched over the view only", Picture(Placement::kStretched, false), wide_page, {17, 5}, kBlue},
      {"stretched over the whole page", Picture(Placement::kStretched, true), wide_page, {17, 5}, kRed},
      {"centred, its left edge", Picture(Placement::kCentred, false), in_view, {8, 4}, kRed},
      {"centred, its right edge", Picture(Placement::kCentred, false), in_view, {11, 5}, kBlue},
      {"centred, outside it", Picture(Placement::kCentred, false), in_view, {0, 0}, kBase},
      {"tiled, second tile", Picture(Placement::kTiled, false), in_view, {4, 7}, kRed},
      {"tiled, stays with the view", Picture(Placement::kTiled, false), scrolled_page, {1, 0}, kRed},
      {"tiled, moves with the page", Picture(Placement::kTiled, true), scrolled_page, {1, 0}, kBlue},
      {"fully transparent", Picture(Placement::kStretched, false, 100), in_view, {2, 5}, kBase},
  };
  const QPixmap picture = HalfAndHalf();
  for (const auto& c : cases) {
    EXPECT_EQ(Painted(c.background, picture, c.content).pixelColor(c.pixel), c.expected) << c.what;
  }
}

TEST(WindowBackdropTest, TransparencyMixesThePictureIntoTheBaseColour) {
  const QColor mixed =
      Painted(Picture(Placement::kStretched, false, 70), HalfAndHalf(), QRect(0, 0, 20, 10)).pixelColor(2, 5);
  EXPECT_NEAR(mixed.red(), 255 * 0.3, 2);
  EXPECT_NEAR(mixed.green(), 255 * 0.7, 2);
  EXPECT_EQ(mixed.blue(), 0);
}

TEST(WindowBackdropTest, PictureThatCannotBeReadLeavesTheBaseColour) {
  QTemporaryDir dir;
  const QString junk = dir.filePath("broken.jpg");
  QFile file(junk);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a picture");
  file.close();
  for (const QString& path : {junk, dir.filePath("gone.jpg")}) {
    WindowBackdrop backdrop;
    backdrop.SetBaseColour(kBase);
    backdrop.SetBackground({true, path.toStdString(), 1, 0});
    EXPECT_TRUE(backdrop.Picture().isNull()) << path.toStdString();
    QImage canvas(20, 10, QImage::Format_RGB32);
    QPainter painter(&canvas);
    backdrop.Paint(painter, canvas.rect(), canvas.rect());
    painter.end();
    EXPECT_EQ(canvas.pixelColor(10, 5), kBase) << path.toStdString();
  }
}

TEST(WindowBackdropTest, ChartsPaintOverTheBackdropAndFollowItsChanges) {
  WindowBackdrop backdrop;
  backdrop.SetBaseColour(kBase);
  CRectWnd bars;
  bars.resize(500, 300);
  ChartData data{.title = "收入支出图", .x_title = "", .y_title = "", .labels = {}, .series = {}};
  data.series = {{"收入", {255, 128, 128}, {}}};
  for (int i = 0; i < 60; ++i) {
    data.labels.push_back(std::to_string(i));
    data.series[0].values.push_back(10.0 * i);
  }
  bars.SetData(data);
  bars.SetBackdrop(backdrop.PainterFor(bars.widget()));
  CPieWnd pies;
  pies.resize(300, 200);
  pies.SetBackdrop(backdrop.PainterFor(&pies));
  bars.show();
  pies.show();

  EXPECT_EQ(bars.grab().toImage().pixelColor(2, 2), kBase);
  EXPECT_EQ(pies.grab().toImage().pixelColor(2, 2), kBase);
  // A new theme's colour shows at once.
  backdrop.SetBaseColour(kBlue);
  EXPECT_EQ(bars.grab().toImage().pixelColor(2, 2), kBlue);
  EXPECT_EQ(pies.grab().toImage().pixelColor(2, 2), kBlue);
  // Scrolled sideways, the value axis keeps the backdrop under its labels.
  bars.ZoomIn();
  bars.ZoomIn();
  ASSERT_GT(bars.horizontalScrollBar()->maximum(), 0);
  bars.horizontalScrollBar()->setValue(bars.horizontalScrollBar()->maximum());
  EXPECT_EQ(bars.grab().toImage().pixelColor(2, bars.height() / 2), kBlue);
}

}  // namespace
}  // namespace cw
