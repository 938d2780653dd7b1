#include "controls/charts/pie_wnd.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <numeric>

#include "base/gbk_text.h"
#include "controls/charts/chart_fonts.h"
#include "ui/qt_colour.h"

namespace cw {
namespace {

constexpr int kLegendLine = 18;

double Total(const PieChart& pie) {
  return std::accumulate(pie.items.begin(), pie.items.end(), 0.0,
                         [](double sum, const PieItem& item) { return sum + item.value; });
}

}  // namespace

CPieWnd::CPieWnd(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setMinimumSize(200, 150);
}

void CPieWnd::SetPies(std::vector<PieChart> pies) {
  pies_ = std::move(pies);
  update();
}

int CPieWnd::LegendColumnWidth() const {
  const QFontMetrics metrics(ChartLabelFont(font()));
  int widest = 0;
  for (const PieChart& pie : pies_)
    for (const PieItem& item : pie.items)
      widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(item.name + "  100.0%")));
  return widest + 24;
}

int CPieWnd::LegendWidth(int cell_height) const {
  std::size_t most = 0;
  for (const PieChart& pie : pies_) most = std::max(most, pie.items.size());
  const int lines = std::max(1, (cell_height - kPieTitleBand - 8) / kLegendLine);
  const int columns = std::max<int>(1, static_cast<int>((most + lines - 1) / lines));
  return columns * LegendColumnWidth();
}

std::vector<PieFrame> CPieWnd::Frames() const {
  const int count = static_cast<int>(pies_.size());
  if (count == 0) return {};
  const int cell_height = width() >= height() ? height() : height() / count;
  return PieFrames(width(), height(), count, LegendWidth(cell_height));
}

std::string CPieWnd::TipAt(double x, double y) const {
  const std::vector<PieFrame> frames = Frames();
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const PieFrame& f = frames[i];
    const int slice = SliceAt(PieSlices(pies_[i].items), f.cx, f.cy, f.radius, x, y);
    if (slice >= 0) return SliceTip(pies_[i].items[slice], pies_[i].percentages);
  }
  return {};
}

bool CPieWnd::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const std::string tip = TipAt(help->pos().x(), help->pos().y());
    if (tip.empty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
    return true;
  }
  return QWidget::event(event);
}

void CPieWnd::SetBackdrop(BackdropPainter backdrop) {
  backdrop_ = std::move(backdrop);
  setAutoFillBackground(!backdrop_);
  update();
}

void CPieWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (backdrop_) backdrop_(painter, rect(), rect());
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  const std::vector<PieFrame> frames = Frames();
  for (std::size_t i = 0; i < frames.size(); ++i) PaintPie(painter, pies_[i], frames[i]);
}

void CPieWnd::PaintPie(QPainter& painter, const PieChart& pie, const PieFrame& f) const {
  painter.setFont(ChartTitleFont(font()));
  painter.setPen(QColor(0, 0, 255));
  painter.drawText(QRectF(f.left, f.top + 4, f.width, kPieTitleBand - 6), Qt::AlignHCenter | Qt::AlignVCenter,
                   QString::fromStdString(pie.title));
  const QRectF square(f.cx - f.radius, f.cy - f.radius, 2 * f.radius, 2 * f.radius);
  const double total = Total(pie);
  painter.setFont(ChartLabelFont(font()));
  if (total <= 0) {
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(QColor(240, 240, 240));
    painter.drawEllipse(square);
    painter.drawText(square, Qt::AlignCenter, QStringLiteral("无数据"));
    return;
  }
  const std::vector<PieSlice> slices = PieSlices(pie.items);
  painter.setPen(QPen(Qt::white, 1.0));
  for (std::size_t i = 0; i < slices.size(); ++i) {
    if (slices[i].sweep <= 0) continue;
    painter.setBrush(ToQColor(SliceColour(static_cast<int>(i))));
    // Qt counts angles in sixteenths of a degree.
    painter.drawPie(square, static_cast<int>(slices[i].start * 16 + 0.5), static_cast<int>(slices[i].sweep * 16 + 0.5));
  }
  // The legend: colour, name and share, in as many columns as the cell needs.
  const int lines = std::max(1, (f.top + f.height - f.legend_top) / kLegendLine);
  const int column_width = LegendColumnWidth();
  for (std::size_t i = 0; i < pie.items.size(); ++i) {
    const int x = f.legend_left + static_cast<int>(i) / lines * column_width;
    const int y = f.legend_top + static_cast<int>(i) % lines * kLegendLine;
    painter.fillRect(QRect(x, y + 4, 12, 10), ToQColor(SliceColour(static_cast<int>(i))));
    painter.setPen(Qt::black);
    const std::string text = StrFormat("%s  %.1f%%", pie.items[i].name.c_str(), pie.items[i].value * 100 / total);
    painter.drawText(QRect(x + 16, y, column_width - 16, kLegendLine), Qt::AlignVCenter | Qt::AlignLeft,
                     QString::fromStdString(text));
  }
}

}  // namespace cw
