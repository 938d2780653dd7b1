#pragma once
// WindowBackdrop: what a module window paints under its content. First the
// window's base colour (the theme's main-window colour), then the picture of
// the window's background placed as its record says (centred, stretched or
// tiled; over the whole drawing when it scrolls with it, else over the part in
// view) and as opaque as its transparency leaves it.
//
// A window shows the backdrop through its scroll areas: under a page that
// lets it show through (PaintUnder), or through a chart's own painting, which
// asks PainterFor() for it.
#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QRect>

#include "controls/charts/backdrop_painter.h"
#include "home/window_background.h"

class QPainter;
class QScrollArea;

namespace cw {

// Paints `background` into `visible`; `content` is the whole drawing, in the
// same coordinates. A plain background, or a picture that could not be loaded
// (`picture` null), leaves just the base colour.
void PaintWindowBackground(QPainter& painter, const WindowBackground& background, const QPixmap& picture,
                           const QColor& base, const QRect& content, const QRect& visible);

class WindowBackdrop : public QObject {
  Q_OBJECT
 public:
  explicit WindowBackdrop(QObject* parent = nullptr);

  // Loads the picture of a picture background; one that cannot be loaded
  // leaves the base colour alone.
  void SetBackground(const WindowBackground& background);
  void SetBaseColour(const QColor& base);
  const WindowBackground& Background() const { return background_; }
  const QColor& BaseColour() const { return base_; }
  // The picture shown; null for a plain background or a picture that cannot be loaded.
  const QPixmap& Picture() const { return picture_; }

  void Paint(QPainter& painter, const QRect& content, const QRect& visible) const;
  // The painting as a chart asks for it, valid while the backdrop lives;
  // `painted` (the widget that calls it) repaints whenever the backdrop changes.
  BackdropPainter PainterFor(QWidget* painted);

  // Paints under the page of `area` from now on; the page must let it show
  // through (no filled background of its own).
  void PaintUnder(QScrollArea* area);

 signals:
  // The background or the base colour changed: whatever shows it repaints.
  void Changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Repaint();

  WindowBackground background_;
  QPixmap picture_;
  QColor base_ = Qt::white;
  QScrollArea* area_ = nullptr;
};

}  // namespace cw
