#pragma once
// 导出 (769): the page's table written to a workbook or CSV file the user names.
#include "base/prompter.h"
#include "output/page_output.h"

class QWidget;

namespace cw {

// Asks for the file (export_file_choice.h), writes the table with the progress
// dialog showing, and tells a failure with its cause through `prompter`. The
// file is written to a temporary name first, so a failed export leaves an
// existing file of that name as it was. Nothing happens without a grid or when
// the user cancels the save dialog.
void ExportPageOutput(QWidget* parent, const PageOutput& output, Prompter& prompter);

}  // namespace cw
