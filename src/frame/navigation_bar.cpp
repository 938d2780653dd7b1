#include "frame/navigation_bar.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QAbstractButton>
#include <QVBoxLayout>

namespace cw {
namespace {

// One item of the bar: its icon and text from the left edge, lit while the
// mouse is over it, greyed when disabled.
class NavItemButton : public QAbstractButton {
 public:
  NavItemButton(const QString& text, const QIcon& icon, QWidget* parent) : QAbstractButton(parent) {
    setObjectName("navigationItem");
    setText(text);
    setIcon(icon);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
  }

  QSize sizeHint() const override {
    const QFontMetrics metrics(font());
    return {kIndent + kIconRoom + metrics.horizontalAdvance(text()) + 8, metrics.height() + 12};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (isEnabled() && (underMouse() || isDown())) {
      painter.fillRect(rect().adjusted(2, 1, -2, -1), palette().color(QPalette::Highlight).lighter(isDown() ? 130 : 160));
    }
    int x = kIndent;
    if (!icon().isNull()) {
      const int side = height() - 12;
      icon().paint(&painter, QRect(x, (height() - side) / 2, side, side), Qt::AlignCenter,
                   isEnabled() ? QIcon::Normal : QIcon::Disabled);
      x += kIconRoom;
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
  }

 private:
  static constexpr int kIndent = 14;
  static constexpr int kIconRoom = 24;
};

}  // namespace

NavigationBar::NavigationBar(QWidget* parent) : QWidget(parent) {
  setObjectName("navigationBar");
  setAutoFillBackground(true);
  setMinimumWidth(150);
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(6, 8, 6, 8);
  layout_->setSpacing(2);
}

void NavigationBar::SetModel(const NavigationModel& model) {
  model_ = model;
  while (QLayoutItem* item = layout_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (const NavGroup& group : model_) {
    if (!group.title.empty()) {
      auto* heading = new QLabel(QString::fromStdString(group.title), this);
      QFont font = heading->font();
      font.setBold(true);
      heading->setFont(font);
      heading->setContentsMargins(4, 10, 4, 4);
      layout_->addWidget(heading);
    }
    for (const NavItem& item : group.items) {
      const QIcon icon = item.icon.empty() ? QIcon() : QIcon::fromTheme(QString::fromStdString(item.icon));
      auto* button = new NavItemButton(QString::fromStdString(item.text), icon, this);
      button->setToolTip(QString::fromStdString(item.tooltip));
      button->setEnabled(item.enabled);
      const NavAction action = item.action;
      connect(button, &QAbstractButton::clicked, this, [this, action] { emit ActionTriggered(action); });
      layout_->addWidget(button);
    }
  }
  layout_->addStretch();
}

void NavigationBar::SetColours(const QColor& background, const QColor& border) {
  QPalette p = palette();
  p.setColor(QPalette::Window, background);
  setPalette(p);
  border_ = border;
  update();
}

void NavigationBar::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!border_.isValid()) return;
  QPainter painter(this);
  painter.setPen(border_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace cw
