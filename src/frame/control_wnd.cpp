#include "frame/control_wnd.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "frame/navigation_bar.h"
#include "frame/window_backdrop.h"

namespace cw {

CControlWnd::CControlWnd(QWidget* parent) : QWidget(parent) {
  navigation_ = new NavigationBar(this);
  arrow_ = new QToolButton(this);
  arrow_->setObjectName("navigationArrow");
  arrow_->setAutoRaise(true);
  arrow_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  arrow_->setFixedWidth(14);
  data_ = new QWidget(this);
  backdrop_ = new WindowBackdrop(this);
  layout_ = new QHBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  layout_->addWidget(navigation_);
  layout_->addWidget(arrow_);
  layout_->addWidget(data_, 1);
  UpdateArrow();

  connect(arrow_, &QToolButton::clicked, this, &CControlWnd::NavigationToggleRequested);
  connect(navigation_, &NavigationBar::ActionTriggered, this, [this](const NavAction& action) {
    if (action.kind == NavAction::kCommand)
      emit CommandRequested(action.command);
    else
      OnNavigationNotify(action);
  });
}

void CControlWnd::SetNavigation(const NavigationModel& model) { navigation_->SetModel(model); }

void CControlWnd::SetNavigationHidden(bool hidden) {
  hidden_ = hidden;
  navigation_->setVisible(!hidden);
  UpdateArrow();
}

void CControlWnd::UpdateArrow() {
  arrow_->setArrowType(hidden_ ? Qt::RightArrow : Qt::LeftArrow);
  arrow_->setToolTip(hidden_ ? "点击箭头后显示导航窗口" : "点击箭头后隐藏导航窗口");
}

void CControlWnd::SetDataWidget(QWidget* widget) {
  layout_->replaceWidget(data_, widget);
  delete data_;
  data_ = widget;
  layout_->setStretchFactor(data_, 1);
}

void CControlWnd::ApplyColours(const ThemeColours& colours) {
  navigation_->SetColours(StoredColour(colours[kNaviColour]), StoredColour(colours[kNaviBorderColour]));
  QPalette p = palette();
  p.setColor(QPalette::Window, StoredColour(colours[kMainColour]));
  setPalette(p);
  setAutoFillBackground(true);
  backdrop_->SetBaseColour(StoredColour(colours[kMainColour]));
}

}  // namespace cw
