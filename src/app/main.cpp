// coinwright: the desktop program.
#include <QApplication>

#include "app/coinwright_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Coinwright");
  cw::CCoinwrightApp coinwright;
  if (!coinwright.InitInstance(QApplication::arguments())) return coinwright.ExitCode();
  return coinwright.ExitInstance(QApplication::exec());
}
