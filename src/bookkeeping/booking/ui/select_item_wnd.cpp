#include "bookkeeping/booking/ui/select_item_wnd.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWheelEvent>
#include <qdrawutil.h>

#include <algorithm>

namespace cw {

CSelectItemWnd::CSelectItemWnd(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CSelectItemWnd::AddItem(const QString& code, const QString& name, const QString& bracket,
                             const QColor& colour) {
  items_.push_back({code, name, bracket, colour});
}

void CSelectItemWnd::Clear() {
  HideList();
  items_.clear();
  selected_ = -1;
  update();
}

bool CSelectItemWnd::SelectIndex(int index) {
  if (index < 0 || index >= Count()) return false;
  selected_ = index;
  update();
  return true;
}

bool CSelectItemWnd::SelectCode(const QString& code) {
  for (int i = 0; i < Count(); ++i)
    if (items_[i].code == code) return SelectIndex(i);
  return false;
}

const SelectItem* CSelectItemWnd::ItemAt(int index) const {
  if (index == -1) index = selected_;
  return index >= 0 && index < Count() ? &items_[index] : nullptr;
}

QString CSelectItemWnd::Code(int index) const {
  const SelectItem* item = ItemAt(index);
  return item ? item->code : QString();
}

QString CSelectItemWnd::Name(int index) const {
  const SelectItem* item = ItemAt(index);
  return item ? item->name : QString();
}

QString CSelectItemWnd::Bracket(int index) const {
  const SelectItem* item = ItemAt(index);
  return item ? item->bracket : QString();
}

void CSelectItemWnd::ShowList() {
  if (!list_) {
    list_ = new CItemWnd(this);
    connect(list_, &CItemWnd::Chosen, this, [this](int index) { SelectIndex(index); });
    connect(list_, &CItemWnd::SetPressed, this, [this] { emit SetRequested(this); });
  }
  list_->PopUp(this, items_, selected_, set_button_);
}

void CSelectItemWnd::HideList() {
  if (list_) list_->hide();
}

bool CSelectItemWnd::IsListShown() const { return list_ && list_->isVisible(); }

QSize CSelectItemWnd::sizeHint() const {
  return QSize(160, fontMetrics().height() + 8);
}

void CSelectItemWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect box = rect();
  qDrawShadePanel(&painter, box, palette(), /*sunken=*/true, /*lineWidth=*/2, &palette().brush(QPalette::Base));

  const QRect button(box.right() - 1 - kDropButtonWidth, box.top() + 2, kDropButtonWidth, box.height() - 4);
  QStyleOptionButton bevel;
  bevel.initFrom(this);
  bevel.rect = button;
  style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &bevel, &painter, this);
  QStyleOption arrow;
  arrow.initFrom(this);
  arrow.rect = button.adjusted(3, 3, -3, -3);
  style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);

  const QRect text = box.adjusted(5, 2, -kDropButtonWidth - 4, -2);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, Name());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = text.adjusted(-2, 0, 2, 0);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void CSelectItemWnd::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  ShowList();
}

void CSelectItemWnd::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
    ShowList();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CSelectItemWnd::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta != 0 && Count() > 0) SelectIndex(std::clamp(selected_ + (delta > 0 ? -1 : 1), 0, Count() - 1));
  event->accept();
}

}  // namespace cw
