#pragma once
// The caption bar above the module window: the title of the page shown, on the
// main caption colour of the user's scheme.
#include <QLabel>

namespace cw {

class CaptionBar : public QLabel {
  Q_OBJECT
 public:
  explicit CaptionBar(QWidget* parent = nullptr);
  void SetColour(const QColor& colour);
};

}  // namespace cw
