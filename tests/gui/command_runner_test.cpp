#include <QtTest>

#include <functional>
#include <stdexcept>

#include "gui/kit/command_runner.h"
#include "core/text/errors.h"
#include "gui_test_support.h"

namespace vessa {
namespace {

class CommandRunnerTest : public QObject {
  Q_OBJECT

 private slots:
  void bodyFailuresFollowThePolicies();
  void closingStepsFailUnderTheSamePolicies();
};

void CommandRunnerTest::bodyFailuresFollowThePolicies() {
  struct Case {
    const char* name;
    std::function<void()> body;
    bool completes;
    QStringList shown;
  };
  const Case cases[] = {
      {"completes", [] {}, true, {}},
      {"silent abort", [] { throw SilentAbort("no row"); }, false, {}},
      {"reported error",
       [] { throw ReportedError("no such table: zhiwen"); },
       false,
       {QStringLiteral("no such table: zhiwen")}},
      {"conversion error",
       [] { throw ConversionError("'2001-2-29' is not a valid date"); },
       false,
       {QStringLiteral("'2001-2-29' is not a valid date")}},
      {"other standard exception",
       [] { throw std::out_of_range("index 7 out of range"); },
       false,
       {QStringLiteral("index 7 out of range")}},
  };
  for (const Case& c : cases) {
    test::MessageRecorder recorder;
    QStringList steps;
    RunCommand(
        [&] {
          steps << QStringLiteral("body");
          c.body();
          steps << QStringLiteral("body done");
        },
        [&] { steps << QStringLiteral("closing"); });
    const QStringList expectedSteps =
        c.completes ? QStringList{"body", "body done", "closing"} : QStringList{"body", "closing"};
    QVERIFY2(steps == expectedSteps, c.name);
    QVERIFY2(recorder.Texts() == c.shown, c.name);
    for (const test::Message& m : recorder.Messages()) {
      QCOMPARE(m.kind, MessageKind::Error);
      QCOMPARE(m.caption, QStringLiteral("Vessa八字软件"));
    }
  }
}

void CommandRunnerTest::closingStepsFailUnderTheSamePolicies() {
  test::MessageRecorder recorder;
  RunCommand([] { throw ReportedError("first"); }, [] { throw ReportedError("second"); });
  QCOMPARE(recorder.Texts(), (QStringList{"first", "second"}));

  recorder.Clear();
  RunCommand([] {}, [] { throw SilentAbort(); });
  QVERIFY(recorder.Messages().empty());
}

}  // namespace
}  // namespace vessa

int RunCommandRunnerTests(int argc, char** argv) {
  vessa::CommandRunnerTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "command_runner_test.moc"

static const bool kCommandRunnerRegistered = vessa::test::RegisterSuite("CommandRunner", RunCommandRunnerTests);
