#pragma once
// How a chart's owner paints under the chart instead of its plain white:
// `content` is the whole drawing, `visible` the part in view, both in the
// painter's coordinates.
#include <functional>

class QPainter;
class QRect;

namespace cw {

using BackdropPainter = std::function<void(QPainter& painter, const QRect& content, const QRect& visible)>;

}  // namespace cw
