#pragma once
// The navigation bar on the left of a module window: shows a NavigationModel
// as headed groups of buttons and reports the action of the button pressed.
#include <QWidget>

#include "frame/navigation_model.h"

class QVBoxLayout;

namespace cw {

class NavigationBar : public QWidget {
  Q_OBJECT
 public:
  explicit NavigationBar(QWidget* parent = nullptr);

  void SetModel(const NavigationModel& model);
  const NavigationModel& Model() const { return model_; }
  void SetColours(const QColor& background, const QColor& border);

 signals:
  void ActionTriggered(const cw::NavAction& action);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  NavigationModel model_;
  QVBoxLayout* layout_ = nullptr;
  QColor border_;
};

}  // namespace cw
