#pragma once
// 打印: the print dialog of a table with its two extra buttons, "页边距(&M)"
// (the margins dialog) and "打印格式(&F)" (the column choice, only for a table
// with columns), and "预览(&V)", which shows the pages in a print preview
// before they are printed. The dialog's printer list includes "Print to File
// (PDF)", which writes the same pages to a PDF file.
#include <string>

#include "base/prompter.h"
#include "output/page_output.h"
#include "output/print_layout.h"

class QPrinter;
class QWidget;

namespace cw {

// Asks for the printer, the pages, the margins and the columns, then prints
// `source` on `printer` (or previews it). Returns whether pages were printed
// or the preview was closed by printing; false when the user cancelled or the
// job failed (the failure is reported through `prompter`).
bool PrintWithDialog(QWidget* parent, const PrintSource& source, const std::string& document_name,
                     Prompter& prompter, QPrinter& printer);

// 打印 (745) on the page's table: the dialog above with the system's default
// printer. Nothing happens without a grid.
void PrintPageOutput(QWidget* parent, const PageOutput& output, Prompter& prompter);

}  // namespace cw
