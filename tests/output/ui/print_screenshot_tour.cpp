// Printing a detail ledger, shot under Xvfb: the print dialog with its extra
// buttons, the print preview, and the first page of the PDF file printed from
// the same dialog, rendered with pdftoppm (poppler-utils).
// Run by tests/app/screenshots.sh; not part of the test suite.
//
//   cw_print_screenshot_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "desktop_driver.h"
#include "screenshot_session.h"
#include "frame/app_commands.h"
#include "reports/ui/select_detail_scope.h"
#include "support/modal_driver.h"

namespace {

// The first page of `pdf` as the tour's `name`.png.
bool RenderFirstPage(const QString& pdf, const char* name) {
  const QString prefix = QDir(cw::testing::TourFolder()).filePath(name);
  if (QProcess::execute("pdftoppm", {"-png", "-r", "96", "-f", "1", "-l", "1", "-singlefile", pdf, prefix}) != 0) {
    std::fprintf(stderr, "pdftoppm failed on %s\n", qPrintable(pdf));
    return false;
  }
  std::printf("%s.png\n", qPrintable(prefix));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (!cw::testing::BeginScreenshotTour(argc, argv)) return 2;
  QTemporaryDir home;
  if (!cw::testing::PrepareDemoUserPassword(home.path().toStdString(), 2, "mama2024")) return 1;

  using cw::testing::OnModal;
  cw::CCoinwrightApp app;
  cw::CMainFrame* frame = cw::testing::StartDesktop(app, home.path(), {.user = "爸爸", .demo = true}, 32935);
  if (!frame) return 1;
  // The cash ledger of the last two years.
  bool chosen = false;
  OnModal<cw::CSelectDetailScope>(cw::testing::ChooseMonths(QDate(2025, 1, 1), QDate(2026, 12, 1)), &chosen);
  frame->ToolbarAction(cw::cmd::kFind)->trigger();

  bool previewed = false;
  OnModal<QPrintDialog>(cw::testing::Preview([](QPrintPreviewDialog* preview) {
                          preview->resize(1200, 760);
                          preview->move(40, 20);
                          cw::testing::Shoot("print-preview-ledger");
                        }),
                        &previewed);
  frame->ToolbarAction(cw::cmd::kPrint)->trigger();

  QTemporaryDir out;
  const QString pdf = out.filePath("ledger.pdf");
  bool printed = false;
  OnModal<QPrintDialog>(cw::testing::PrintToPdf(pdf, [] { cw::testing::Shoot("print-dialog"); }), &printed);
  frame->ToolbarAction(cw::cmd::kPrint)->trigger();
  cw::testing::Check(chosen && previewed, "the range or preview dialog did not appear");
  cw::testing::Check(printed && RenderFirstPage(pdf, "print-ledger-pdf-page"), "the ledger was not printed to a PDF page");

  frame->close();
  app.ExitInstance(0);
  return cw::testing::TourExitCode();
}
