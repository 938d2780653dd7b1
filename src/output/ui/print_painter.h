#pragma once
// The one drawing of printed pages, on any paint device: a printer, a PDF
// file, the print preview. It paints what output/print_layout.h laid out and
// decides nothing about where things go.
#include <QFont>

#include "output/print_layout.h"

class QPainter;

namespace cw {

// The print font: "宋体", which Linux has under the name "Noto Serif CJK SC".
QFont PrintFont(double points, bool bold = false);

// Paints `page` with the painter's origin at the paper's top left corner and
// `pixels_per_mm` device pixels to a millimetre.
void PaintPrintedPage(QPainter& painter, const PrintedPage& page, double pixels_per_mm);

}  // namespace cw
