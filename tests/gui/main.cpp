#include <QApplication>

#include <clocale>

int RunCommandRunnerTests(int argc, char** argv);
int RunMessageSeamTests(int argc, char** argv);
int RunMainWindowTests(int argc, char** argv);
int RunReadingsTests(int argc, char** argv);
int RunNamingWindowTests(int argc, char** argv);
int RunResultColumnsTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Vessa八字软件"));
  std::setlocale(LC_NUMERIC, "C");
  int failures = 0;
  for (auto run : {RunCommandRunnerTests, RunMessageSeamTests, RunMainWindowTests, RunReadingsTests,
                   RunNamingWindowTests, RunResultColumnsTests}) {
    failures += run(argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
