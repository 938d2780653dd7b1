#include "screenshot_session.h"

#include <QApplication>
#include <QScreen>
#include <QString>
#include <cstdio>

#include "app/main_frame.h"
#include "desktop_driver.h"

namespace cw::testing {
namespace {

QString output_folder;
bool tour_failed = false;

}  // namespace

bool BeginScreenshotTour(int argc, char** argv) {
  output_folder = ScreenshotFolder(argc, argv);
  return !output_folder.isEmpty();
}

QString TourFolder() { return output_folder; }

void Shoot(const char* name) {
  if (!Screenshot(output_folder, name)) tour_failed = true;
}

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "%s\n", what);
  tour_failed = true;
}

void FillScreen(CMainFrame* frame) {
  frame->showNormal();
  const QRect screen = QApplication::primaryScreen()->geometry();
  frame->setGeometry(0, 0, screen.width(), screen.height());
}

int TourExitCode() { return tour_failed ? 1 : 0; }

}  // namespace cw::testing
