#include <QApplication>

#include <clocale>

#include "gui_test_support.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Vessa八字软件"));
  std::setlocale(LC_NUMERIC, "C");
  int failures = 0;
  for (const auto& [name, run] : vessa::test::Suites()) failures += run(argc, argv);
  return failures == 0 ? 0 : 1;
}
