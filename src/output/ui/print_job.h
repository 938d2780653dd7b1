#pragma once
// A print job: the laid-out pages of a table drawn onto a printer (a real one,
// a PDF file, or the print preview's pages).
#include "base/prompter.h"
#include "output/print_layout.h"

class QPrinter;

namespace cw {

inline constexpr char kPrintStartFailed[] = "打印任务无法初始化，请检查打印机是否已正确安装。";  // 129
inline constexpr char kPrintPageFailed[] = "打印机无法打印新的一页，当前打印任务要终止。";        // 130
inline constexpr char kNoPageInRange[] = "所选的页码范围内没有要打印的页，这张表格共有 %d 页。";

// The paper of `printer` in millimetres, as it is oriented.
PaperSize PaperOf(const QPrinter& printer);

// Lays out `source` for the paper of `printer` and prints the pages of the
// settings' range. A document that cannot be started is reported (129) and
// nothing is printed; a page that cannot be started is reported (130) and the
// job is aborted; a range without any of the table's pages is reported and no
// job is started. Returns whether the pages were printed.
bool PrintTable(QPrinter& printer, const PrintSource& source, const PrintSettings& settings, Prompter& prompter);

}  // namespace cw
