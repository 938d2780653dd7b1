// coinwright: the desktop program.
#include <QApplication>

#include "app/coinwright_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Coinwright");
  // Desktops match the windows to the installed coinwright.desktop (its icon, its menu entry).
  QApplication::setDesktopFileName("coinwright");
  cw::CCoinwrightApp coinwright;
  if (!coinwright.InitInstance(QApplication::arguments())) return coinwright.ExitCode();
  return coinwright.ExitInstance(QApplication::exec());
}
