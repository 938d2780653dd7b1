#pragma once
// The home page's tables as Qt rich text, with their links as "kind:target"
// anchors (see PageLink).
#include <QColor>
#include <QString>

#include "home/home_table.h"

namespace cw {

QString LinkHref(const PageLink& link);
// False for an anchor that is not a page link.
bool ParseLinkHref(const QString& href, PageLink* link);

// The table with a header row in `header_colour`; total rows light green,
// alert rows in red. The title is not included.
QString TableHtml(const HomeTable& table, const QColor& header_colour);

}  // namespace cw
