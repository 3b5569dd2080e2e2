#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>

#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "core/names/naming_assistant.h"
#include "gui/names/naming_window.h"
#include "test_support.h"
#include "window_driver.h"

// The naming assistant "取名宝典", opened from the main window.
namespace vessa {
namespace {

using test::Invoke;
using test::Named;
using test::Via;

const QString kOpen = QStringLiteral("起名宝典");

QStringList Items(const QComboBox& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
  return items;
}

QStringList Texts(const std::vector<NameProposal>& proposals, bool two, bool afterSwitch) {
  QStringList texts;
  for (const NameProposal& p : proposals) {
    texts << QString::fromStdString(ProposalText(p, two, afterSwitch));
  }
  return texts;
}

void Press(QWidget& window, const char* caption) {
  QVERIFY2(Invoke(window, QString::fromUtf8(caption), Via::Button), caption);
}

// The main window, shown, with a recorder for its messages; open() runs
// "起名宝典" with the names given and returns the assistant it opened.
struct Fixture {
  TFrmmain main;
  test::MessageRecorder recorder;

  explicit Fixture(std::filesystem::path dataFolder = {}) : main(nullptr, std::move(dataFolder)) {
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) qFatal("the main window was not shown");
  }

  TFrmChangeName* Open(const QString& surname, const QString& given, Via via = Via::Button) {
    Named<QLineEdit>(main, "NameA")->setText(surname);
    Named<QLineEdit>(main, "NameB")->setText(given);
    if (!Invoke(main, kOpen, via)) return nullptr;
    return main.NamingAssistant();
  }
  const data::ContentStore& Store() const { return main.Content(); }
};

QComboBox* List(TFrmChangeName& n) { return Named<QComboBox>(n, "ProposalList"); }
QPlainTextEdit* First(TFrmChangeName& n) { return Named<QPlainTextEdit>(n, "FirstCharacters"); }
QPlainTextEdit* Second(TFrmChangeName& n) { return Named<QPlainTextEdit>(n, "SecondCharacters"); }
QPlainTextEdit* Result(TFrmChangeName& n) { return Named<QPlainTextEdit>(n, "TestResult"); }

class NamingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void openingNeedsBothNames_data();
  void openingNeedsBothNames();
  void opensModelessWithTheSurnamesProposals_data();
  void opensModelessWithTheSurnamesProposals();
  void modeSwitchRebuildsTheList_data();
  void modeSwitchRebuildsTheList();
  void pickFillsTheCharactersOfTheSelectedProposal();
  void oneLetterSurnameHasNoProposals();
  void testWritesTheNameTestLines();
  void aFailingGridLookupLeavesTheFirstLines();
  void closeDeletesTheWindow();
  void openingAgainLeavesOneWindow();
};

void NamingWindowTest::openingNeedsBothNames_data() {
  QTest::addColumn<QString>("surname");
  QTest::addColumn<QString>("given");
  QTest::addColumn<Via>("via");
  QTest::addColumn<QString>("message");
  QTest::newRow("no surname, page") << ""
                                    << "三" << Via::Button << "姓不能为空!";
  QTest::newRow("blank surname, menu") << "  "
                                       << "三" << Via::Menu << "姓不能为空!";
  QTest::newRow("no given name, page") << "张"
                                       << "" << Via::Button << "名不能为空!";
  QTest::newRow("blank given name, menu") << "张"
                                          << "  " << Via::Menu << "名不能为空!";
  QTest::newRow("neither") << ""
                           << "" << Via::Button << "姓不能为空!";
}

void NamingWindowTest::openingNeedsBothNames() {
  QFETCH(QString, surname);
  QFETCH(QString, given);
  QFETCH(Via, via);
  QFETCH(QString, message);
  Fixture f;
  QCOMPARE(f.Open(surname, given, via), nullptr);
  QCOMPARE(f.recorder.Texts(), QStringList{message});
  QCOMPARE(f.recorder.Messages().front().kind, MessageKind::Prompt);
  QVERIFY(f.main.findChildren<TFrmChangeName*>().isEmpty());
  QVERIFY(f.main.Birth().surname.empty());
  QVERIFY(f.main.Birth().givenName.empty());
}

void NamingWindowTest::opensModelessWithTheSurnamesProposals_data() {
  QTest::addColumn<QString>("surname");
  QTest::addColumn<Via>("via");
  QTest::newRow("张, page") << "张" << Via::Button;
  QTest::newRow("李, menu") << "李" << Via::Menu;
}

void NamingWindowTest::opensModelessWithTheSurnamesProposals() {
  QFETCH(QString, surname);
  QFETCH(Via, via);
  Fixture f;
  TFrmChangeName* n =
      f.Open(QLatin1Char(' ') + surname + QLatin1Char(' '), QStringLiteral(" 三 "), via);
  QVERIFY(n);
  QVERIFY(f.recorder.Messages().empty());
  QVERIFY(n->isVisible());
  QVERIFY(n->isWindow());
  QCOMPARE(n->windowTitle(), QStringLiteral("取名宝典"));
  QVERIFY(!n->isModal());
  QCOMPARE(n->windowModality(), Qt::NonModal);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  QCOMPARE(QString::fromStdString(f.main.Birth().surname), surname);
  QCOMPARE(f.main.Birth().givenName, "三");

  QCOMPARE(Named<QLineEdit>(*n, "TestSurname")->text(), surname);
  QVERIFY(Named<QLineEdit>(*n, "TestSurname")->isReadOnly());
  QVERIFY(Named<QRadioButton>(*n, "TwoCharacters")->isChecked());
  QVERIFY(!Named<QRadioButton>(*n, "OneCharacter")->isChecked());
  const auto proposals = NameProposals(f.Store(), surname.toStdString(), true);
  QVERIFY(!proposals.empty());
  QCOMPARE(Items(*List(*n)), Texts(proposals, true, false));
  QVERIFY(Items(*List(*n)).front().startsWith(QStringLiteral("第一字:")));
  QVERIFY(Items(*List(*n)).front().contains(QStringLiteral("画 第二字:")));
  QCOMPARE(List(*n)->currentIndex(), 0);
  // The name to test holds four GBK bytes, two Chinese characters.
  auto* given = Named<QLineEdit>(*n, "TestGivenName");
  QTest::keyClicks(given, QStringLiteral("abcde"));
  QCOMPARE(given->text(), QStringLiteral("abcd"));

  // Modeless: the main window goes on taking commands.
  QVERIFY(Invoke(f.main, QStringLiteral("姓名测算"), Via::Button));
  QVERIFY(Named<QPlainTextEdit>(f.main, "RzMemo1")->isVisible());
  QVERIFY(n->isVisible());
}

void NamingWindowTest::modeSwitchRebuildsTheList_data() {
  QTest::addColumn<QString>("surname");
  QTest::newRow("张: proposals in both modes") << "张";
  QTest::newRow("李: none for one character") << "李";
}

void NamingWindowTest::modeSwitchRebuildsTheList() {
  QFETCH(QString, surname);
  Fixture f;
  TFrmChangeName* n = f.Open(surname, QStringLiteral("三"));
  QVERIFY(n);
  const std::string s = surname.toStdString();

  for (bool two : {false, true}) {
    auto* radio = Named<QRadioButton>(*n, two ? "TwoCharacters" : "OneCharacter");
    QTest::mouseClick(radio, Qt::LeftButton);
    QVERIFY(radio->isChecked());
    QCOMPARE(n->TwoCharacters(), two);
    const auto proposals = NameProposals(f.Store(), s, two);
    QCOMPARE(Items(*List(*n)), Texts(proposals, two, true));
    QCOMPARE(List(*n)->currentIndex(), proposals.empty() ? -1 : 0);
    for (const QString& item : Items(*List(*n))) {
      QVERIFY(item.startsWith(QStringLiteral("名1字:")));
      QCOMPARE(item.contains(QStringLiteral(" 名2字:")), two);
    }
    // The empty character boxes say what fills them; a one-character name has
    // no second character.
    QVERIFY(First(*n)->placeholderText().contains(QStringLiteral("取名")));
    QCOMPARE(Second(*n)->placeholderText().contains(QStringLiteral("取名")), two);
  }
  QVERIFY(f.recorder.Messages().empty());
}

void NamingWindowTest::pickFillsTheCharactersOfTheSelectedProposal() {
  Fixture f;
  TFrmChangeName* n = f.Open(QStringLiteral("张"), QStringLiteral("三"));
  QVERIFY(n);
  const auto two = NameProposals(f.Store(), "张", true);
  QVERIFY(two.size() >= 2);
  List(*n)->setCurrentIndex(1);
  Press(*n, "取名");
  // The characters of each count fit for a name.
  const QString first = QString::fromStdString(NameCharactersWithStrokes(f.Store(), two[1].first));
  const QString second =
      QString::fromStdString(NameCharactersWithStrokes(f.Store(), two[1].second));
  QVERIFY(!first.isEmpty());
  QVERIFY(!second.isEmpty());
  QVERIFY(first != second);
  QCOMPARE(First(*n)->toPlainText(), first);
  QCOMPARE(Second(*n)->toPlainText(), second);

  // One character: the second memo is emptied, not left with the old characters.
  QTest::mouseClick(Named<QRadioButton>(*n, "OneCharacter"), Qt::LeftButton);
  const auto one = NameProposals(f.Store(), "张", false);
  QVERIFY(!one.empty());
  Press(*n, "取名");
  QCOMPARE(First(*n)->toPlainText(),
           QString::fromStdString(NameCharactersWithStrokes(f.Store(), one[0].first)));
  QCOMPARE(Second(*n)->toPlainText(), QString());
  QVERIFY(f.recorder.Messages().empty());
}

void NamingWindowTest::oneLetterSurnameHasNoProposals() {
  Fixture f;
  auto* nameA = Named<QLineEdit>(f.main, "NameA");
  nameA->clear();
  QTest::keyClicks(nameA, QStringLiteral("a"));
  Named<QLineEdit>(f.main, "NameB")->setText(QStringLiteral("三"));
  QVERIFY(Invoke(f.main, kOpen, Via::Button));
  TFrmChangeName* n = f.main.NamingAssistant();
  QVERIFY(n);
  QCOMPARE(f.main.Birth().surname, "a");
  QCOMPARE(Named<QLineEdit>(*n, "TestSurname")->text(), QStringLiteral("a"));
  QCOMPARE(List(*n)->count(), 0);
  QCOMPARE(List(*n)->currentIndex(), -1);
  // The empty list says why instead of showing nothing.
  QCOMPARE(List(*n)->placeholderText(), QStringLiteral("没有符合三才五格的笔画组合"));

  First(*n)->setPlainText(QStringLiteral("旧字"));
  Second(*n)->setPlainText(QStringLiteral("旧字"));
  Press(*n, "取名");
  QCOMPARE(First(*n)->toPlainText(), QString());
  QCOMPARE(Second(*n)->toPlainText(), QString());
  QVERIFY(f.recorder.Messages().empty());
}

void NamingWindowTest::testWritesTheNameTestLines() {
  Fixture f;
  TFrmChangeName* n = f.Open(QStringLiteral("张"), QStringLiteral("三"));
  QVERIFY(n);
  auto* given = Named<QLineEdit>(*n, "TestGivenName");
  QPlainTextEdit* result = Result(*n);

  // Nothing to test: the memo keeps what it held.
  result->setPlainText(QStringLiteral("上一次的结果"));
  for (const char* blank : {"", "   "}) {
    given->setText(QString::fromUtf8(blank));
    Press(*n, "确认测算");
    QCOMPARE(result->toPlainText(), QStringLiteral("上一次的结果"));
  }

  const struct {
    const char* typed;
    const char* trimmed;
  } names[] = {{"伟", "伟"}, {" 丽 ", "丽"}, {"建国", "建国"}};
  for (const auto& name : names) {
    given->setText(QString::fromUtf8(name.typed));
    Press(*n, "确认测算");
    const data::Query query(f.Store().MorFileConnection());
    QStringList expected;
    for (const std::string& line : NameTestLines(query, f.Store(), "张", name.trimmed)) {
      expected << QString::fromStdString(line);
    }
    QCOMPARE(result->toPlainText().split(QLatin1Char('\n')), expected);
    const QStringList lines = result->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(lines[0].startsWith(QStringLiteral("张") + QString::fromUtf8(name.trimmed) +
                                QStringLiteral(",您的三才为")));
    QCOMPARE(lines[1], QString());
    QCOMPARE(lines[2], QString());
    QVERIFY(lines[3].startsWith(QStringLiteral("    ")));
    QVERIFY(lines[5].startsWith(QStringLiteral("天格: ")));
  }
  QVERIFY(f.recorder.Messages().empty());
}

// The name and its three talents stand before the grid readings are looked up: a
// failing namefx lookup stops the test silently and leaves them, not the previous
// test's result.
void NamingWindowTest::aFailingGridLookupLeavesTheFirstLines() {
  QTemporaryDir install;
  QVERIFY(install.isValid());
  const std::filesystem::path folder = install.path().toStdString();
  test::CopyInstall(folder);
  test::ExecSql(folder / "MorFile.dll", "DROP TABLE namefx;");
  Fixture f(folder);
  TFrmChangeName* n = f.Open(QStringLiteral("张"), QStringLiteral("三"));
  QVERIFY(n);
  QPlainTextEdit* result = Result(*n);
  result->setPlainText(QStringLiteral("上一次的结果"));
  Named<QLineEdit>(*n, "TestGivenName")->setText(QStringLiteral("伟"));
  Press(*n, "确认测算");

  const data::Query query(f.Store().MorFileConnection());
  const std::optional<NameTestStart> start = BeginNameTest(query, f.Store(), "张", "伟");
  QVERIFY(start.has_value());
  QStringList expected;
  for (const std::string& line : start->lines) expected << QString::fromStdString(line);
  QCOMPARE(result->toPlainText().split(QLatin1Char('\n')), expected);
  QVERIFY(expected[0].startsWith(QStringLiteral("张伟,您的三才为")));
  QVERIFY(f.recorder.Messages().empty());
}

void NamingWindowTest::closeDeletesTheWindow() {
  Fixture f;
  QPointer<TFrmChangeName> n = f.Open(QStringLiteral("张"), QStringLiteral("三"));
  QVERIFY(n);
  Press(*n, "关闭");
  QTRY_VERIFY(n.isNull());
  QCOMPARE(f.main.NamingAssistant(), nullptr);
  QVERIFY(f.main.findChildren<TFrmChangeName*>().isEmpty());
  QVERIFY(f.main.isVisible());
}

void NamingWindowTest::openingAgainLeavesOneWindow() {
  Fixture f;
  QPointer<TFrmChangeName> first = f.Open(QStringLiteral("张"), QStringLiteral("三"), Via::Button);
  QVERIFY(first);
  QPointer<TFrmChangeName> second = f.Open(QStringLiteral("李"), QStringLiteral("四"), Via::Menu);
  QVERIFY(second);
  QTRY_COMPARE(f.main.findChildren<TFrmChangeName*>().size(), 1);
  QVERIFY(first.isNull());
  QCOMPARE(f.main.NamingAssistant(), second.data());
  QVERIFY(second->isVisible());
  QCOMPARE(Named<QLineEdit>(*second, "TestSurname")->text(), QStringLiteral("李"));
  QCOMPARE(f.main.Birth().surname, "李");
  QCOMPARE(f.main.Birth().givenName, "四");
}

}  // namespace
}  // namespace vessa

int RunNamingWindowTests(int argc, char** argv) {
  vessa::NamingWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "naming_window_test.moc"

static const bool kNamingWindowRegistered = vessa::test::RegisterSuite("NamingWindow", RunNamingWindowTests);
