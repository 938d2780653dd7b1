#include "output/ui/print_job.h"

#include <QPainter>
#include <QPrinter>

#include "base/gbk_text.h"
#include "output/ui/print_painter.h"

namespace cw {

PaperSize PaperOf(const QPrinter& printer) {
  const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
  return {paper.width(), paper.height()};
}

bool PrintTable(QPrinter& printer, const PrintSource& source, const PrintSettings& settings, Prompter& prompter) {
  // The margins are the layout's: the painter's origin is the paper's corner.
  printer.setFullPage(true);
  const PrintLayout layout = LayoutPrint(source, settings, PaperOf(printer));
  if (layout.pages.empty()) {
    prompter.Inform(StrFormat(kNoPageInRange, layout.page_count));
    return false;
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    prompter.Inform(kPrintStartFailed, "提示", PromptStyle::Error);
    return false;
  }
  const double pixels_per_mm = printer.resolution() / 25.4;
  for (std::size_t i = 0; i < layout.pages.size(); ++i) {
    if (i > 0 && !printer.newPage()) {
      printer.abort();
      painter.end();
      prompter.Inform(kPrintPageFailed, "提示", PromptStyle::Error);
      return false;
    }
    PaintPrintedPage(painter, layout.pages[i], pixels_per_mm);
  }
  return painter.end();
}

}  // namespace cw
