#include <QtTest>

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "window_driver.h"

// The readings align their tables with blanks, counting a Chinese character as
// two. These tests measure the rows of a Bazi reading in the pane's own font:
// a column must start (or end) at the same pixel on every row of its table.
namespace vessa {
namespace {

using test::Named;

// A run of non-blank characters after the row's label; positions in characters.
struct Column {
  qsizetype from;
  qsizetype to;
};

// The label is everything up to the first full-width colon ("八字：",
// "1980(庚申)："); a continuation row has none and starts with blanks.
QList<Column> ColumnsOf(const QString& row) {
  QList<Column> columns;
  qsizetype i = row.indexOf(QStringLiteral("：")) + 1;
  while (i < row.size()) {
    if (row[i] == QLatin1Char(' ')) {
      ++i;
      continue;
    }
    const qsizetype from = i;
    while (i < row.size() && row[i] != QLatin1Char(' ')) ++i;
    columns.push_back({from, i});
  }
  return columns;
}

// Pixel x where each column starts (or ends), from the advance of the text before it.
QList<int> Starts(const QString& row, const QFontMetrics& m) {
  QList<int> xs;
  for (const Column& c : ColumnsOf(row)) xs << m.horizontalAdvance(row.left(c.from));
  return xs;
}
QList<int> Ends(const QString& row, const QFontMetrics& m) {
  QList<int> xs;
  for (const Column& c : ColumnsOf(row)) xs << m.horizontalAdvance(row.left(c.to));
  return xs;
}

qsizetype RowStarting(const QStringList& lines, const char* label) {
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (lines[i].startsWith(QString::fromUtf8(label))) return i;
  }
  return -1;
}

QString Where(qsizetype line, const QString& row) {
  return QStringLiteral("line %1: %2").arg(line + 1).arg(row);
}

class ResultColumnsTest : public QObject {
  Q_OBJECT

 private slots:
  void tablesLineUpInThePaneFont_data();
  void tablesLineUpInThePaneFont();
  void paneLaysTheRowsOutWhereTheFontPutsThem();
  void chineseIsExactlyTwoBlanksWide_data();
  void chineseIsExactlyTwoBlanksWide();
};

// The pane after the reading of 1980-1-1 子 0 (luck start 8) at a font size.
struct Reading {
  TFrmmain w;
  QPlainTextEdit* pane = nullptr;
  QStringList lines;

  explicit Reading(int fontItem) {
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) qFatal("the main window was not shown");
    Named<QComboBox>(w, "CBFont")->setCurrentIndex(fontItem);
    Named<QLineEdit>(w, "NameA")->setText(QStringLiteral("张"));
    Named<QLineEdit>(w, "NameB")->setText(QStringLiteral("三"));
    if (!test::Invoke(w, QStringLiteral("八字测算"), test::Via::Button)) qFatal("no 八字测算");
    pane = Named<QPlainTextEdit>(w, "RzMemo1");
    lines = test::PaneLines(*pane);
  }
};

void ResultColumnsTest::tablesLineUpInThePaneFont_data() {
  QTest::addColumn<int>("fontItem");
  QTest::newRow("小五号") << 5;
  QTest::newRow("三号") << 0;
  QTest::newRow("小三号") << 1;
  QTest::newRow("四号") << 2;
  QTest::newRow("小四号") << 3;
  QTest::newRow("五号") << 4;
}

void ResultColumnsTest::tablesLineUpInThePaneFont() {
  QFETCH(int, fontItem);
  test::MessageRecorder recorder;
  Reading r(fontItem);
  QVERIFY(recorder.Messages().empty());
  const QStringList& lines = r.lines;
  const QFontMetrics m(r.pane->font());
  const int S = r.w.Chart().luckStart;
  QCOMPARE(S, 8);
  // Every misaligned row is listed, with the pixel columns it has.
  QStringList misaligned;
  const auto check = [&](bool aligned, qsizetype i) {
    if (aligned) return;
    QStringList xs;
    for (int x : Starts(lines[i], m)) xs << QString::number(x);
    misaligned << Where(i, lines[i]) + QStringLiteral(" | starts ") + xs.join(QLatin1Char(','));
  };

  // The pillar block: ten gods, pillars, three hidden-stem rows, elements, nayin.
  const qsizetype p = RowStarting(lines, "八字：");
  QVERIFY(p > 0);
  QVERIFY(lines[p - 1].startsWith(QStringLiteral("十神：")));
  QVERIFY(lines[p + 1].startsWith(QStringLiteral("遁藏：")));
  QVERIFY(lines[p + 4].startsWith(QStringLiteral("五行：")));
  QVERIFY(lines[p + 5].startsWith(QStringLiteral("纳音：")));
  const QList<int> pillars = Starts(lines[p], m);
  QCOMPARE(pillars.size(), 4);
  for (qsizetype i : {p - 1, p + 1, p + 4, p + 5}) check(Starts(lines[i], m) == pillars, i);
  // The second and third hidden stems stand under the pillar that holds them.
  for (qsizetype i : {p + 2, p + 3}) {
    const QList<int> xs = Starts(lines[i], m);
    QVERIFY(!xs.isEmpty());
    check(std::all_of(xs.begin(), xs.end(), [&](int x) { return pillars.contains(x); }), i);
  }

  // The luck block: nayin, ten gods, pillars, the age row under them, the years.
  const qsizetype l = RowStarting(lines, "大运：");
  QVERIFY(l > p);
  QVERIFY(lines[l + 2].startsWith(QStringLiteral("始于：")));
  const QList<int> luck = Starts(lines[l], m);
  const QList<int> luckEnds = Ends(lines[l], m);
  QCOMPARE(luck.size(), 10);
  for (qsizetype i : {l - 2, l - 1, l + 2}) check(Starts(lines[i], m) == luck, i);
  // Ages are narrower than pairs ("8岁"): they end where their pillar ends; the
  // first ("1-7岁") starts with the first pillar.
  const QList<int> ageStarts = Starts(lines[l + 1], m);
  const QList<int> ageEnds = Ends(lines[l + 1], m);
  QCOMPARE(ageStarts.size(), 10);
  QVERIFY(ageStarts[1] > luck[1]);  // "8岁" is one blank narrower than "乙亥"
  check(ageStarts.front() == luck.front() && ageEnds.mid(1) == luckEnds.mid(1), l + 1);

  // The annual rows and the minor-luck rows continue the luck columns; rows past
  // the luck start have no column 0.
  const qsizetype a = RowStarting(lines, "流年：");
  const qsizetype minor = RowStarting(lines, "小运：");
  QVERIFY(a > l);
  QVERIFY(minor > a);
  for (int i = 0; i < 10; ++i) {
    const QList<int> expected = i < S ? luck : luck.mid(1);
    for (qsizetype row : {a + i, minor + 2 * i, minor + 2 * i + 1}) {
      check(Starts(lines[row], m) == expected, row);
    }
  }

  // The annual-month table: the header's months over every row's pillars.
  const qsizetype h = RowStarting(lines, "流年流月");
  QVERIFY(h > minor);
  const QList<int> months = Starts(lines[h], m);
  QCOMPARE(months.size(), 12);
  QCOMPARE(lines[h + 1], QString());
  const qsizetype firstRow = h + 2, rows = S + 90;
  QVERIFY(lines[firstRow].startsWith(QStringLiteral("1979(己未)：")));
  QVERIFY(lines[firstRow + rows - 1].startsWith(QStringLiteral("2076(")));
  QCOMPARE(lines[firstRow + rows], QString());
  for (qsizetype row = firstRow; row < firstRow + rows; ++row) {
    check(Starts(lines[row], m) == months, row);
  }

  QVERIFY2(misaligned.isEmpty(), qPrintable(misaligned.join(QLatin1Char('\n'))));
}

void ResultColumnsTest::paneLaysTheRowsOutWhereTheFontPutsThem() {
  // At the default size in the window's design size, the table rows fit the pane
  // unwrapped and the pane draws each column where the metrics said.
  test::MessageRecorder recorder;
  Reading r(5);
  const QFontMetrics m(r.pane->font());
  QTextDocument* doc = r.pane->document();
  QCOMPARE(doc->defaultFont(), r.pane->font());

  // Every row of the pillar, luck, annual, minor-luck and annual-month tables.
  QList<qsizetype> tableRows;
  const auto add = [&](qsizetype from, qsizetype count) {
    QVERIFY(from >= 0);
    for (qsizetype i = from; i < from + count; ++i) tableRows << i;
  };
  const int S = r.w.Chart().luckStart;
  add(RowStarting(r.lines, "八字：") - 1, 7);
  add(RowStarting(r.lines, "大运：") - 2, 5);
  add(RowStarting(r.lines, "流年："), 10);
  add(RowStarting(r.lines, "小运："), 20);
  add(RowStarting(r.lines, "流年流月"), 1);
  add(RowStarting(r.lines, "流年流月") + 2, S + 90);
  for (qsizetype i : tableRows) {
    const QString& row = r.lines[i];
    const QTextBlock block = doc->findBlockByNumber(static_cast<int>(i));
    QCOMPARE(block.text(), row);
    doc->documentLayout()->blockBoundingRect(block);  // lays the block out
    QTextLayout* layout = block.layout();
    QVERIFY2(layout->lineCount() == 1, qPrintable(Where(i, row)));
    for (const Column& c : ColumnsOf(row)) {
      // cursorToX counts from the document margin.
      const qreal x =
          layout->lineAt(0).cursorToX(static_cast<int>(c.from)) - layout->lineAt(0).cursorToX(0);
      QVERIFY2(std::abs(x - m.horizontalAdvance(row.left(c.from))) < 0.5,
               qPrintable(Where(i, row)));
    }
  }
  QCOMPARE(tableRows.size(), 7 + 5 + 10 + 20 + 1 + S + 90);
  QVERIFY(recorder.Messages().empty());
}

void ResultColumnsTest::chineseIsExactlyTwoBlanksWide_data() { tablesLineUpInThePaneFont_data(); }

void ResultColumnsTest::chineseIsExactlyTwoBlanksWide() {
  // In unrounded advances: rounding each text to whole pixels hides a fraction
  // that adds up over a row.
  QFETCH(int, fontItem);
  TFrmmain w;
  Named<QComboBox>(w, "CBFont")->setCurrentIndex(fontItem);
  const QFontMetricsF m(Named<QPlainTextEdit>(w, "RzMemo1")->font());
  const qreal blank = m.horizontalAdvance(QLatin1Char(' '));
  QVERIFY(blank > 0);
  for (const char* ascii : {"1", "(", "-"}) {
    QCOMPARE(m.horizontalAdvance(QLatin1String(ascii)), blank);
  }
  QStringList inexact;
  for (const char* chinese : {"中", "：", "岁", "丙寅"}) {
    const QString text = QString::fromUtf8(chinese);
    const qreal width = m.horizontalAdvance(text);
    if (width != 2 * static_cast<qreal>(text.size()) * blank) {
      inexact << QStringLiteral("%1 is %2 px, blank %3 px").arg(text).arg(width).arg(blank);
    }
  }
  QVERIFY2(inexact.isEmpty(), qPrintable(inexact.join(QStringLiteral("; "))));
}

}  // namespace
}  // namespace vessa

int RunResultColumnsTests(int argc, char** argv) {
  vessa::ResultColumnsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "result_columns_test.moc"

static const bool kResultColumnsRegistered = vessa::test::RegisterSuite("ResultColumns", RunResultColumnsTests);
