#include "frame/window_backdrop.h"

#include <QEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

namespace cw {

void PaintWindowBackground(QPainter& painter, const WindowBackground& background, const QPixmap& picture,
                           const QColor& base, const QRect& content, const QRect& visible) {
  painter.fillRect(visible, base);
  if (!background.picture || picture.isNull()) return;
  painter.save();
  painter.setClipRect(visible, Qt::IntersectClip);
  painter.setOpacity((100 - background.transparent) / 100.0);
  const QRect area = background.scrolls() ? content : visible;
  switch (background.placement()) {
    case Placement::kCentred: {
      QRect placed(QPoint(), picture.size());
      placed.moveCenter(visible.center());
      painter.drawPixmap(placed, picture);
      break;
    }
    case Placement::kStretched: painter.drawPixmap(area, picture); break;
    case Placement::kTiled: painter.drawTiledPixmap(visible, picture, visible.topLeft() - area.topLeft()); break;
  }
  painter.restore();
}

WindowBackdrop::WindowBackdrop(QObject* parent) : QObject(parent) {}

void WindowBackdrop::SetBackground(const WindowBackground& background) {
  background_ = background;
  picture_ = background.picture ? QPixmap(QString::fromStdString(background.image)) : QPixmap();
  Repaint();
}

void WindowBackdrop::SetBaseColour(const QColor& base) {
  if (base == base_) return;
  base_ = base;
  Repaint();
}

void WindowBackdrop::Paint(QPainter& painter, const QRect& content, const QRect& visible) const {
  PaintWindowBackground(painter, background_, picture_, base_, content, visible);
}

BackdropPainter WindowBackdrop::PainterFor(QWidget* painted) {
  connect(this, &WindowBackdrop::Changed, painted, qOverload<>(&QWidget::update));
  return [this](QPainter& painter, const QRect& content, const QRect& visible) { Paint(painter, content, visible); };
}

void WindowBackdrop::PaintUnder(QScrollArea* area) {
  area_ = area;
  area->viewport()->installEventFilter(this);
  // A picture that stays put while the page scrolls is painted afresh at every step.
  for (QScrollBar* bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, area->viewport(), qOverload<>(&QWidget::update));
  Repaint();
}

void WindowBackdrop::Repaint() {
  if (area_) area_->viewport()->update();
  emit Changed();
}

bool WindowBackdrop::eventFilter(QObject* watched, QEvent* event) {
  if (area_ && watched == area_->viewport() && event->type() == QEvent::Paint) {
    QPainter painter(area_->viewport());
    const QRect content = area_->widget() ? area_->widget()->geometry() : area_->viewport()->rect();
    Paint(painter, content, area_->viewport()->rect());
  }
  return false;
}

}  // namespace cw
