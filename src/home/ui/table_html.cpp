#include "home/ui/table_html.h"

#include <QStringList>

namespace cw {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

const char* AlignAttribute(CellAlign align) {
  switch (align) {
    case CellAlign::kCenter: return "center";
    case CellAlign::kRight: return "right";
    default: return "left";
  }
}

}  // namespace

QString LinkHref(const PageLink& link) {
  return QString::number(link.kind) + ':' + QString::fromStdString(link.target);
}

bool ParseLinkHref(const QString& href, PageLink* link) {
  const int colon = href.indexOf(':');
  bool number = false;
  const int kind = href.left(colon).toInt(&number);
  if (colon <= 0 || !number || kind <= 0) return false;
  link->kind = kind;
  link->target = href.mid(colon + 1).toStdString();
  return true;
}

QString TableHtml(const HomeTable& table, const QColor& header_colour) {
  QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" style=\"border-collapse:collapse\">");
  html += QStringLiteral("<tr bgcolor=\"%1\">").arg(header_colour.name());
  for (const HomeColumn& column : table.columns) {
    html += QStringLiteral("<th width=\"%1\" align=\"center\">%2</th>").arg(column.width).arg(Text(column.title));
  }
  html += QStringLiteral("</tr>");
  for (const HomeRow& row : table.rows) {
    html += row.row_class == RowClass::kTotal ? QStringLiteral("<tr bgcolor=\"#c8ffb4\">") : QStringLiteral("<tr>");
    for (std::size_t i = 0; i < row.cells.size() && i < table.columns.size(); ++i) {
      QString cell = Text(row.cells[i]);
      if (i == 0 && row.link.kind != 0) cell = QStringLiteral("<a href=\"%1\">%2</a>").arg(LinkHref(row.link).toHtmlEscaped(), cell);
      if (row.row_class == RowClass::kAlert) cell = QStringLiteral("<font color=\"red\">%1</font>").arg(cell);
      html += QStringLiteral("<td align=\"%1\">%2</td>").arg(AlignAttribute(table.columns[i].align), cell);
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

}  // namespace cw
