#pragma once
// The fonts of every chart, derived from the widget's font so that the CJK
// families the program sets stay in force.
#include <QFont>

namespace cw {

// Labels, legends and axis titles: 12 pixels.
inline QFont ChartLabelFont(QFont font) {
  font.setPixelSize(12);
  return font;
}

// Chart titles: bold, 14 pixels.
inline QFont ChartTitleFont(QFont font) {
  font.setPixelSize(14);
  font.setBold(true);
  return font;
}

}  // namespace cw
