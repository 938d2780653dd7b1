#include "frame/caption_bar.h"

namespace cw {

CaptionBar::CaptionBar(QWidget* parent) : QLabel(parent) {
  setObjectName("captionBar");
  setAutoFillBackground(true);
  setContentsMargins(10, 4, 10, 4);
  QFont bigger = font();
  bigger.setBold(true);
  bigger.setPointSizeF(bigger.pointSizeF() * 1.2);
  setFont(bigger);
}

void CaptionBar::SetColour(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::Window, colour);
  setPalette(p);
}

}  // namespace cw
