#pragma once
// The grid's plain values in Qt's terms (colours: ui/qt_colour.h).
#include "controls/grid_types.h"
#include "ui/qt_colour.h"

namespace cw {

inline Qt::Alignment ToQtAlignment(Align align) {
  switch (align) {
    case Align::Centre:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace cw
