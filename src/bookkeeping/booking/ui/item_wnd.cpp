#include "bookkeeping/booking/ui/item_wnd.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace cw {
namespace {

constexpr int kRowPadding = 6;
constexpr int kTextMargin = 8;

// The list's scroll bar is narrower than the desktop's usual one.
class NarrowScrollBarStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_ScrollBarExtent) return CItemWnd::kScrollBarWidth;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QString ItemText(const SelectItem& item) { return item.name + "[" + item.bracket + "]"; }

}  // namespace

CItemListWnd::CItemListWnd(QWidget* parent) : QListWidget(parent) {
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShape(QFrame::NoFrame);
  auto* style = new NarrowScrollBarStyle;
  style->setParent(this);
  setStyle(style);
  verticalScrollBar()->setStyle(style);
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit Chosen(row(item)); });
}

void CItemListWnd::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (currentRow() >= 0) emit Chosen(currentRow());
      return;
    case Qt::Key_Escape:
      emit Cancelled();
      return;
    default:
      QListWidget::keyPressEvent(event);
  }
}

CItemWnd::CItemWnd(QWidget* owner) : QFrame(owner, Qt::Popup) {
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  // A click on the picker that closes the list must not open it again at once.
  setAttribute(Qt::WA_NoMouseReplay);

  list_ = new CItemListWnd(this);
  set_strip_ = new QWidget(this);
  set_strip_->setFixedHeight(kSetStripHeight);
  set_button_ = new QPushButton("设  置", set_strip_);
  set_button_->setObjectName("setButton");
  auto* strip = new QHBoxLayout(set_strip_);
  strip->addStretch();
  strip->addWidget(set_button_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(list_);
  layout->addWidget(set_strip_);

  connect(list_, &CItemListWnd::Chosen, this, [this](int row) {
    hide();
    emit Chosen(row);
  });
  connect(list_, &CItemListWnd::Cancelled, this, &QWidget::hide);
  connect(set_button_, &QPushButton::clicked, this, [this] {
    hide();
    emit SetPressed();
  });
}

void CItemWnd::PopUp(QWidget* owner, const std::vector<SelectItem>& items, int selected, bool with_set_button) {
  list_->clear();
  int widest = 0;
  const QFontMetrics metrics = list_->fontMetrics();
  for (const SelectItem& item : items) {
    auto* row = new QListWidgetItem(ItemText(item), list_);
    row->setBackground(item.colour);
    row->setForeground(Qt::black);
    widest = std::max(widest, metrics.horizontalAdvance(row->text()));
  }
  if (selected >= 0) list_->setCurrentRow(selected);

  const int row_height = metrics.height() + kRowPadding;
  const int count = static_cast<int>(items.size());
  const int rows = std::clamp(count, 1, kMaxRows);
  const bool scrolls = count > kMaxRows;
  list_->setFixedHeight(rows * row_height);
  for (int i = 0; i < count; ++i) list_->item(i)->setSizeHint(QSize(0, row_height));
  set_strip_->setVisible(with_set_button);

  const int frame = 2 * frameWidth();
  const int width = std::max(owner->width(), widest + 2 * kTextMargin + (scrolls ? kScrollBarWidth : 0) + frame);
  const int height = list_->height() + (with_set_button ? kSetStripHeight : 0) + frame;
  setGeometry(PlaceBelow(owner, QSize(width, height)));
  show();
  list_->setFocus();
  if (selected >= 0) list_->scrollToItem(list_->item(selected));
}

QRect CItemWnd::PlaceBelow(QWidget* owner, QSize size) const {
  QPoint top_left = owner->mapToGlobal(QPoint(owner->width() - size.width(), owner->height()));
  // Near the bottom of the screen the list opens above the picker instead.
  if (const QScreen* screen = owner->screen()) {
    const QRect room = screen->availableGeometry();
    if (top_left.y() + size.height() > room.bottom() && owner->mapToGlobal(QPoint(0, 0)).y() - size.height() >= room.top()) {
      top_left.setY(owner->mapToGlobal(QPoint(0, 0)).y() - size.height());
    }
    top_left.setX(std::max(top_left.x(), room.left()));
  }
  return QRect(top_left, size);
}

}  // namespace cw
