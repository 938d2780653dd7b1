// Printing a table: the margins and column dialogs, the print dialog with its
// extra buttons, the preview, and the pages that reach a PDF file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "base/gbk_text.h"
#include "base/scripted_prompter.h"
#include "output/pdf_text.h"
#include "output/ui/print_columns_dialog.h"
#include "output/ui/print_dialog.h"
#include "output/ui/print_job.h"
#include "output/ui/print_margins_dialog.h"
#include "output/ui/print_painter.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using testing::OnModal;

// Numbered rows R001… with a summary and an amount; on A4 well over two pages.
GridModel Table(int rows) {
  GridModel grid;
  grid.SetColumns({{.title = "编号", .width = 80},
                   {.title = "摘要", .width = 200},
                   {.title = "金额", .width = 120, .align = Align::Right}});
  for (int r = 1; r <= rows; ++r) {
    grid.AddRow({.cells = {QString::asprintf("R%03d", r).toStdString(), "工资收入", "1,000.00"}});
  }
  return grid;
}

void Click(QWidget* dialog, const char* name) {
  auto* button = dialog->findChild<QPushButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  button->click();
}

class PrintDialogTest : public ::testing::Test {
 protected:
  PrintDialogTest() {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(Pdf());
    printer_.setPageSize(QPageSize(QPageSize::A4));
  }
  QString Pdf() const { return dir_.filePath("table.pdf"); }

  QTemporaryDir dir_;
  QPrinter printer_{QPrinter::HighResolution};
  ScriptedPrompter prompter_;
  GridModel grid_ = Table(100);
};

TEST_F(PrintDialogTest, MarginsAreTypedInCentimetresAndSteppedByMillimetres) {
  CPrintMarginsDialog dialog({15, 15, 15, 15});
  auto field = [&](const char* name) { return dialog.findChild<CMarginSpinBox*>(name); };
  EXPECT_EQ(field("leftMargin")->text(), " 1.5 厘米");
  auto type = [&](const char* name, const char* text) {
    field(name)->findChild<QLineEdit*>()->setText(text);
    field(name)->interpretText();
  };
  type("leftMargin", "0.3");
  type("topMargin", "6");
  field("rightMargin")->stepUp();
  field("bottomMargin")->stepBy(-20);
  EXPECT_EQ(dialog.Margins(), (PrintMargins{5, 50, 16, 5}));
  EXPECT_EQ(field("topMargin")->text(), " 5.0 厘米");
  field("topMargin")->stepUp();
  EXPECT_EQ(field("topMargin")->value(), 50);
  // A value still in the field when OK is pressed counts.
  field("leftMargin")->findChild<QLineEdit*>()->setText("2.46 厘米");
  EXPECT_EQ(dialog.Margins().left, 24);
}

TEST_F(PrintDialogTest, ColumnChoiceRefusesToPrintNoColumn) {
  CPrintColumnsDialog dialog(PrintColumnsOf(grid_), prompter_);
  dialog.show();
  const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
  ASSERT_EQ(boxes.size(), 3);
  EXPECT_EQ(boxes[1]->text(), "摘要");
  for (QCheckBox* box : boxes) box->setChecked(false);
  dialog.accept();
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(prompter_.shown[0].text, kNoPrintColumn);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  boxes[2]->setChecked(true);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const std::vector<PrintColumn> columns = dialog.Columns();
  EXPECT_FALSE(columns[0].printed);
  EXPECT_TRUE(columns[2].printed);
  EXPECT_EQ(prompter_.shown.size(), 1u);
}

// The desktop path to a PDF file: the print dialog with the margins and the
// column choice changed through its extra buttons.
TEST_F(PrintDialogTest, DialogPrintsEveryRowWithTheChosenMarginsAndColumns) {
  bool shown = false;
  OnModal<QPrintDialog>(
      [](QPrintDialog* dialog) {
        EXPECT_NE(dialog->findChild<QPushButton*>("marginsButton"), nullptr);
        EXPECT_EQ(dialog->findChild<QPushButton*>("marginsButton")->text(), "页边距(&M)");
        EXPECT_EQ(dialog->findChild<QPushButton*>("columnsButton")->text(), "打印格式(&F)");
        OnModal<CPrintMarginsDialog>([](CPrintMarginsDialog* margins) {
          auto* left = margins->findChild<CMarginSpinBox*>("leftMargin");
          left->findChild<QLineEdit*>()->setText("4");
          margins->accept();
        });
        Click(dialog, "marginsButton");
        OnModal<CPrintColumnsDialog>([](CPrintColumnsDialog* columns) {
          columns->findChildren<QCheckBox*>()[1]->setChecked(false);
          columns->accept();
        });
        Click(dialog, "columnsButton");
        dialog->accept();
      },
      &shown);
  EXPECT_TRUE(PrintWithDialog(nullptr, {grid_, "工资明细账", {"科目：工资"}}, "工资", prompter_, printer_));
  EXPECT_TRUE(shown);
  EXPECT_TRUE(prompter_.shown.empty());

  const std::vector<std::string> pages = testing::PdfPages(Pdf().toStdString());
  ASSERT_GE(pages.size(), 3u);
  std::string all;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    SCOPED_TRACE(p + 1);
    EXPECT_NE(pages[p].find("工资明细账"), std::string::npos);
    EXPECT_NE(pages[p].find("科目：工资"), std::string::npos);
    EXPECT_NE(pages[p].find("编号"), std::string::npos);
    EXPECT_EQ(pages[p].find("摘要"), std::string::npos);
    EXPECT_NE(testing::NoSpaces(pages[p]).find(
                  testing::NoSpaces(PageNumberText(static_cast<int>(p) + 1, static_cast<int>(pages.size())))),
              std::string::npos);
    all += pages[p];
  }
  for (int r = 1; r <= 100; ++r) EXPECT_NE(all.find(QString::asprintf("R%03d", r).toStdString()), std::string::npos) << r;
  // 40 mm from the paper's edge, plus the cell's padding.
  EXPECT_NEAR(testing::PdfWordLeft(Pdf().toStdString(), "R001"), (40 + 1.2) * 72 / 25.4, 1.5);
  EXPECT_NE(testing::CommandOutput("pdffonts '" + Pdf().toStdString() + "'").find("NotoSerifCJK"), std::string::npos);
}

TEST_F(PrintDialogTest, CancelPrintsNothing) {
  OnModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
  EXPECT_FALSE(PrintWithDialog(nullptr, {grid_, "t"}, "", prompter_, printer_));
  EXPECT_FALSE(QFile::exists(Pdf()));
}

TEST_F(PrintDialogTest, PreviewShowsThePagesOfTheTable) {
  int preview_pages = 0;
  OnModal<QPrintDialog>([&](QPrintDialog* dialog) {
    OnModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
      preview_pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
      preview->reject();
    });
    Click(dialog, "previewButton");
  });
  PrintWithDialog(nullptr, {grid_, "t"}, "", prompter_, printer_);
  PrintSettings settings{.columns = PrintColumnsOf(grid_)};
  EXPECT_EQ(preview_pages, LayoutPrint({grid_, "t"}, settings, PaperOf(printer_)).page_count);
  EXPECT_GE(preview_pages, 3);
}

TEST_F(PrintDialogTest, OnlyTheChosenPagesArePrinted) {
  PrintSettings settings{.range = {2, 2}, .columns = PrintColumnsOf(grid_)};
  ASSERT_TRUE(PrintTable(printer_, {grid_, "t"}, settings, prompter_));
  const std::vector<std::string> pages = testing::PdfPages(Pdf().toStdString());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NE(testing::NoSpaces(pages[0]).find("第2页/共3页"), std::string::npos);
  EXPECT_EQ(pages[0].find("R001"), std::string::npos);

  settings.range = {9, 12};
  EXPECT_FALSE(PrintTable(printer_, {grid_, "t"}, settings, prompter_));
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(prompter_.shown[0].text, StrFormat(kNoPageInRange, 3));
}

// A printer that takes the document but no second page.
class NoSecondPagePrinter : public QPrinter {
 public:
  bool newPage() override { return false; }
};

TEST_F(PrintDialogTest, PrinterFailuresAreReported) {
  PrintSettings settings{.columns = PrintColumnsOf(grid_)};
  printer_.setOutputFileName(dir_.filePath("missing/folder/table.pdf"));
  EXPECT_FALSE(PrintTable(printer_, {grid_, "t"}, settings, prompter_));

  NoSecondPagePrinter stuck;
  stuck.setOutputFormat(QPrinter::PdfFormat);
  stuck.setOutputFileName(dir_.filePath("stuck.pdf"));
  EXPECT_FALSE(PrintTable(stuck, {grid_, "t"}, settings, prompter_));

  ASSERT_EQ(prompter_.shown.size(), 2u);
  EXPECT_EQ(prompter_.shown[0].text, kPrintStartFailed);
  EXPECT_EQ(prompter_.shown[1].text, kPrintPageFailed);
}

TEST(PrintFontTest, SongTiIsNotoSerifCjk) {
  QPdfWriter writer(QDir::temp().filePath("cw-print-font.pdf"));
  QPainter painter(&writer);
  painter.setFont(PrintFont(10));
  EXPECT_EQ(painter.fontInfo().family(), "Noto Serif CJK SC");
  EXPECT_FALSE(painter.fontInfo().bold());
  painter.end();
  QFile::remove(QDir::temp().filePath("cw-print-font.pdf"));
}

}  // namespace
}  // namespace cw
