#include "output/ui/print_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "controls/qt_conversions.h"

namespace cw {
namespace {

constexpr double kCellPadding = 1.2;  // millimetres between a cell's border and its text

// A text of the layout, cut with "…" when it is wider than its box.
void PaintText(QPainter& painter, const PrintedText& text, double scale) {
  if (text.text.empty()) return;
  const QFont font = PrintFont(text.points, text.bold);
  painter.setFont(font);
  painter.setPen(ToQColor(text.colour));
  const double padding = kCellPadding + text.indent;
  QRectF box((text.box.left + padding) * scale, text.box.top * scale,
             std::max(text.box.width - padding - kCellPadding, 0.0) * scale, text.box.height * scale);
  const QFontMetricsF metrics(font, painter.device());
  const QString shown = metrics.elidedText(QString::fromStdString(text.text), Qt::ElideRight, box.width());
  painter.drawText(box, ToQtAlignment(text.align), shown);
}

QRectF Scaled(const PrintBox& box, double scale) {
  return {box.left * scale, box.top * scale, box.width * scale, box.height * scale};
}

void PaintBorder(QPainter& painter, const PrintBox& box, double scale) {
  painter.setPen(QPen(Qt::black, PrintFonts::kBorderMillimetres * scale));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(Scaled(box, scale));
}

void PaintCells(QPainter& painter, const std::vector<PrintedText>& cells, double scale) {
  for (const PrintedText& cell : cells) {
    PaintText(painter, cell, scale);
    PaintBorder(painter, cell.box, scale);
  }
}

}  // namespace

QFont PrintFont(double points, bool bold) {
  static const bool substituted = [] {
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
    return true;
  }();
  (void)substituted;
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  // Shaped by its OpenType tables, the face sets digits that follow Latin
  // letters ("Visa 1234") in glyphs a PDF file cannot map back to text: they
  // print, but cannot be searched or copied. Table cells need no shaping.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

void PaintPrintedPage(QPainter& painter, const PrintedPage& page, double pixels_per_mm) {
  painter.save();
  painter.setBackgroundMode(Qt::TransparentMode);
  PaintText(painter, page.title, pixels_per_mm);
  for (const PrintedText& line : page.header_lines) PaintText(painter, line, pixels_per_mm);

  painter.fillRect(Scaled(page.column_title_band, pixels_per_mm), ToQColor(page.column_title_background));
  PaintCells(painter, page.column_titles, pixels_per_mm);
  for (const PrintedRow& row : page.rows) {
    if (row.background) painter.fillRect(Scaled(row.box, pixels_per_mm), ToQColor(*row.background));
    PaintCells(painter, row.cells, pixels_per_mm);
  }
  PaintText(painter, page.page_number, pixels_per_mm);
  painter.restore();
}

}  // namespace cw
