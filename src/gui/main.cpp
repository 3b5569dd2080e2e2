#include <QApplication>

#include <clocale>

#include "gui/shell/almanac_banner.h"
#include "gui/shell/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Vessa八字软件"));
  QApplication::setApplicationVersion(QStringLiteral(VESSA_VERSION));
  QApplication::setWindowIcon(vessa::ProgramIcon());
  QApplication::setDesktopFileName(QStringLiteral("vessa"));
  // QApplication hands the machine's locale to the C library; the core writes
  // and reads its numbers with a full stop whatever that locale says.
  std::setlocale(LC_NUMERIC, "C");
  vessa::TFrmmain window;
  window.show();
  return QApplication::exec();
}
