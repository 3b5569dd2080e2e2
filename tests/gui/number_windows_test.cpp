#include <QtTest>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "core/numbers/number81.h"
#include "core/numbers/phone_test.h"
#include "core/numbers/qq_tests.h"
#include "gui/numbers/nickname_window.h"
#include "gui/numbers/number_windows.h"
#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "window_driver.h"

// The number and nickname test windows, opened from the main window.
namespace vessa {
namespace {

using test::Invoke;
using test::Named;
using test::Via;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The main window with a recorder; Open() runs a caption and returns the window
// of the test class it opened.
struct Fixture {
  TFrmmain main;
  test::MessageRecorder recorder;

  Fixture() {
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) qFatal("the main window was not shown");
  }
  template <class T>
  T* Open(const char* caption, Via via) {
    if (!Invoke(main, QString::fromUtf8(caption), via)) return nullptr;
    const QList<T*> windows = main.findChildren<T*>();
    return windows.size() == 1 ? windows.front() : nullptr;
  }
};

QString Text(QWidget& w, const char* name) { return Named<QLabel>(w, name)->text(); }

void Press(QWidget& w, const char* name) { Named<QPushButton>(w, name)->click(); }

// Destroys a window that deletes itself once closed.
bool ClosedAndGone(QPointer<QWidget> w) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return w.isNull();
}

class NumberWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyCaptionOpensItsWindow_data();
  void everyCaptionOpensItsWindow();
  void phoneWindow();
  void phoneEditTakesElevenDigits();
  void numberWindows_data();
  void numberWindows();
  void pastedNonDigitsGoToTheErrorBox_data();
  void pastedNonDigitsGoToTheErrorBox();
  void runsWhenShownWithText();
  void pairingWindow();
  void nicknameWindow();
};

void NumberWindowsTest::everyCaptionOpensItsWindow_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<Via>("via");
  QTest::addColumn<QString>("className");
  QTest::addColumn<QString>("title");
  const struct {
    const char* caption;
    Via via;
    const char* className;
    const char* title;
  } rows[] = {
      {"手机号码", Via::Button, "TFrm_SJcs", "手机号码测算"},
      {"手机号码分析", Via::Menu, "TFrm_SJcs", "手机号码测算"},
      {"QQ号码分析", Via::Menu, "TFrmQQhm", "QQ号码测试"},
      {"数字分析", Via::Button, "TFrm_onther", "任意号码分析"},
      {"更多数字分析", Via::Menu, "TFrm_onther", "任意号码分析"},
      {"QQ配对", Via::Button, "TFormQQpeidui", "QQ号码缘分配对"},
      {"QQ缘分配对", Via::Menu, "TFormQQpeidui", "QQ号码缘分配对"},
      {"网名分析", Via::Button, "TFrmWangming", "网名与性格"},
      {"网名分析", Via::Menu, "TFrmWangming", "网名与性格"},
  };
  for (const auto& r : rows) {
    QTest::newRow(
        qPrintable(QString::fromUtf8(r.caption) +
                   (r.via == Via::Menu ? QStringLiteral(", menu") : QStringLiteral(", page"))))
        << QString::fromUtf8(r.caption) << r.via << r.className << QString::fromUtf8(r.title);
  }
}

void NumberWindowsTest::everyCaptionOpensItsWindow() {
  QFETCH(QString, caption);
  QFETCH(Via, via);
  QFETCH(QString, className);
  QFETCH(QString, title);
  Fixture f;
  for (int round = 0; round < 2; ++round) {
    QVERIFY(Invoke(f.main, caption, via));
    QWidget* w = f.main.findChild<QWidget*>(className);
    QVERIFY(w);
    QCOMPARE(f.main.findChildren<QWidget*>(className).size(), 1);
    QVERIFY(w->isVisible());
    QVERIFY(w->isWindow());
    QCOMPARE(w->windowModality(), Qt::ApplicationModal);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(Named<QPushButton>(*w, "RunButton")->text(), QStringLiteral("测算"));
    QCOMPARE(Named<QPushButton>(*w, "CloseButton")->text(), QStringLiteral("关闭"));
    // Nothing runs on opening: the edits start empty.
    QVERIFY(f.recorder.Messages().empty());
    // "关闭" destroys it; the next call makes a new one.
    QPointer<QWidget> open = w;
    Press(*w, "CloseButton");
    QVERIFY(ClosedAndGone(open));
  }
}

void NumberWindowsTest::phoneWindow() {
  Fixture f;
  auto* w = f.Open<TFrm_SJcs>("手机号码", Via::Button);
  QVERIFY(w);
  QLineEdit* edit = Named<QLineEdit>(*w, "NumberEdit");
  // Empty: the prompt and nothing else.
  Press(*w, "RunButton");
  QCOMPARE(f.recorder.Texts(), QStringList{"请输入11位手机号码！"});
  QCOMPARE(f.recorder.Messages().front().kind, MessageKind::Prompt);
  QCOMPARE(Text(*w, "NumberResult"), QString());
  f.recorder.Clear();

  // Letters typed never reach the edit; Enter runs the test as the button does.
  QTest::keyClicks(edit, "138ab12c345-678 ");
  QCOMPARE(edit->text(), QStringLiteral("13812345678"));
  QTest::keyClick(edit, Qt::Key_Return);
  QVERIFY(f.recorder.Messages().empty());
  const TestResult expected = PhoneTest(f.main.Content(), "13812345678");
  QCOMPARE(Text(*w, "NumberResult"), QStringLiteral("13812345678"));
  QCOMPARE(Text(*w, "StateResult"), Q(expected.fields[1].value));
  QCOMPARE(Text(*w, "VerdictResult"), Q(expected.fields[2].value));
  QCOMPARE(Text(*w, "DescriptionResult"), Q(expected.fields[3].value));
  QVERIFY(!Text(*w, "StateResult").isEmpty());
  QCOMPARE(Named<QLabel>(*w, "VerdictResult")->palette().color(QPalette::WindowText),
           QColor(Qt::red));
  QVERIFY(Named<QLabel>(*w, "DescriptionResult")->wordWrap());
  // The hint and the note are there.
  QStringList labels;
  for (QLabel* l : w->findChildren<QLabel*>()) labels << l->text();
  QVERIFY(labels.contains(QStringLiteral("请注意：手机号码是11位，请正确输入。")));
  QVERIFY(labels.contains(QStringLiteral("输入号码：")));
  QVERIFY(labels.contains(QStringLiteral("手机号码是：")));
  QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QString& t) {
    return t.startsWith(QStringLiteral("注：有些人会问")) &&
           t.endsWith(QStringLiteral("沟通桥梁！"));
  }));

  // Enter with an emptied edit prompts again and keeps the results.
  edit->clear();
  QTest::keyClick(edit, Qt::Key_Enter);
  QCOMPARE(f.recorder.Texts(), QStringList{"请输入11位手机号码！"});
  QCOMPARE(Text(*w, "NumberResult"), QStringLiteral("13812345678"));
  f.recorder.Clear();
  // Too short to have a tail: the error box, the results as they were.
  QTest::keyClicks(edit, "1381234");
  Press(*w, "RunButton");
  QCOMPARE(f.recorder.Messages().size(), std::size_t{1});
  QCOMPARE(f.recorder.Messages().front().kind, MessageKind::Error);
  QCOMPARE(Text(*w, "NumberResult"), QStringLiteral("13812345678"));
  w->close();
}

void NumberWindowsTest::phoneEditTakesElevenDigits() {
  Fixture f;
  auto* w = f.Open<TFrm_SJcs>("手机号码分析", Via::Menu);
  QVERIFY(w);
  QLineEdit* edit = Named<QLineEdit>(*w, "NumberEdit");
  QTest::keyClicks(edit, "1381234567890");
  QCOMPARE(edit->text(), QStringLiteral("13812345678"));
  edit->clear();
  edit->insert(QStringLiteral("138123456789"));  // a paste that does not fit is refused
  QCOMPARE(edit->text(), QString());
  w->close();
}

void NumberWindowsTest::numberWindows_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<Via>("via");
  QTest::addColumn<QString>("className");
  QTest::addColumn<QString>("numberCaption");
  QTest::addColumn<QString>("emptyMessage");
  QTest::newRow("QQ") << "QQ号码分析" << Via::Menu << "TFrmQQhm"
                      << "qq号码是："
                      << "请输入你的QQ号码！";
  QTest::newRow("any number") << "数字分析" << Via::Button << "TFrm_onther"
                              << "输入号码是："
                              << "请输入你的号码！";
}

void NumberWindowsTest::numberWindows() {
  QFETCH(QString, caption);
  QFETCH(Via, via);
  QFETCH(QString, className);
  QFETCH(QString, numberCaption);
  QFETCH(QString, emptyMessage);
  Fixture f;
  QVERIFY(Invoke(f.main, caption, via));
  QWidget* w = f.main.findChild<QWidget*>(className);
  QVERIFY(w);
  QLineEdit* edit = Named<QLineEdit>(*w, "NumberEdit");
  QStringList labels;
  for (QLabel* l : w->findChildren<QLabel*>()) labels << l->text();
  for (const QString& c : {numberCaption, QStringLiteral("状态："), QStringLiteral("吉凶："),
                           QStringLiteral("具体表现：")}) {
    QVERIFY2(labels.contains(c), qPrintable(c));
  }

  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(f.recorder.Texts(), QStringList{emptyMessage});
  f.recorder.Clear();

  QTest::keyClicks(edit, "8x1");
  QCOMPARE(edit->text(), QStringLiteral("81"));
  QTest::keyClick(edit, Qt::Key_Return);
  QVERIFY(f.recorder.Messages().empty());
  QCOMPARE(Text(*w, "NumberResult"), QStringLiteral("81"));
  QCOMPARE(Text(*w, "StateResult"), QStringLiteral("大展鸿图，信用得固，名利双收，可获成功"));
  QCOMPARE(Text(*w, "VerdictResult"), QStringLiteral("吉"));
  QVERIFY(
      Text(*w, "DescriptionResult").startsWith(QStringLiteral("主人性格类型：[做事喜好凭直觉型]")));

  // Eighteen digits fit and are read exactly; a nineteenth is refused.
  edit->clear();
  QTest::keyClicks(edit, "9999999999999999999");
  QCOMPARE(edit->text(), QStringLiteral("999999999999999999"));
  Press(*w, "RunButton");
  QCOMPARE(Text(*w, "StateResult"),
           Q(SplitNumber81Reading(Number81Table()[999999999999999999ULL % 81]).motto));

  // A pasted negative number has no row: the fallback alone, under 具体表现.
  edit->clear();
  edit->insert(QStringLiteral("-5"));
  Press(*w, "RunButton");
  QCOMPARE(Text(*w, "StateResult"), QString());
  QCOMPARE(Text(*w, "VerdictResult"), QString());
  QCOMPARE(Text(*w, "DescriptionResult"), QStringLiteral("对不起,此号不在分解之类。"));
  QVERIFY(f.recorder.Messages().empty());
  w->close();
}

void NumberWindowsTest::pastedNonDigitsGoToTheErrorBox_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("className");
  QTest::addColumn<QString>("good");
  QTest::newRow("phone") << "手机号码"
                         << "TFrm_SJcs"
                         << "13812345678";
  QTest::newRow("QQ") << "QQ号码分析"
                      << "TFrmQQhm"
                      << "81";
  QTest::newRow("any number") << "数字分析"
                              << "TFrm_onther"
                              << "81";
}

void NumberWindowsTest::pastedNonDigitsGoToTheErrorBox() {
  QFETCH(QString, caption);
  QFETCH(QString, className);
  QFETCH(QString, good);
  Fixture f;
  const Via via = caption == QStringLiteral("QQ号码分析") ? Via::Menu : Via::Button;
  QVERIFY(Invoke(f.main, caption, via));
  QWidget* w = f.main.findChild<QWidget*>(className);
  QVERIFY(w);
  QLineEdit* edit = Named<QLineEdit>(*w, "NumberEdit");
  QTest::keyClicks(edit, good);
  Press(*w, "RunButton");
  const QStringList before = {Text(*w, "NumberResult"), Text(*w, "StateResult"),
                              Text(*w, "VerdictResult"), Text(*w, "DescriptionResult")};
  // The paste shortcut passes the key filter; the letters show upper-case.
  edit->clear();
  QGuiApplication::clipboard()->setText(QStringLiteral("138ab345678"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  QVERIFY(!edit->text().isEmpty());
  QCOMPARE(edit->text(), QStringLiteral("138AB345678"));
  Press(*w, "RunButton");
  QCOMPARE(f.recorder.Messages().size(), std::size_t{1});
  QCOMPARE(f.recorder.Messages().front().kind, MessageKind::Error);
  QCOMPARE(f.recorder.Messages().front().text,
           QStringLiteral("“138AB345678”不是有效的整数，号码只能由数字组成。"));
  const QStringList after = {Text(*w, "NumberResult"), Text(*w, "StateResult"),
                             Text(*w, "VerdictResult"), Text(*w, "DescriptionResult")};
  QCOMPARE(after, before);
  w->close();
}

void NumberWindowsTest::runsWhenShownWithText() {
  test::MessageRecorder recorder;
  data::ContentStore store(QCoreApplication::applicationDirPath().toStdString());
  TFrm_SJcs phone(store);
  phone.NumberEdit()->setText(QStringLiteral(" 13900000080 "));
  phone.show();
  QCOMPARE(Text(phone, "NumberResult"), QStringLiteral("13900000080"));
  QVERIFY(!Text(phone, "StateResult").isEmpty());
  TFrmQQhm qq;
  qq.NumberEdit()->setText(QStringLiteral("1"));
  qq.show();
  QCOMPARE(Text(qq, "VerdictResult"), QStringLiteral("凶"));
  TFrmWangming nickname;
  nickname.NicknameEdit()->setText(QStringLiteral("小明"));
  nickname.show();
  QCOMPARE(Text(nickname, "NicknameLine"), QStringLiteral("你的网名：小明"));
  // Blanks alone are no text: nothing runs, no prompt.
  TFrm_onther any;
  any.NumberEdit()->setText(QStringLiteral("   "));
  any.show();
  QCOMPARE(Text(any, "NumberResult"), QString());
  QVERIFY(recorder.Messages().empty());
  // The pairing window never runs by itself.
  TFormQQpeidui pairing(store);
  Named<QLineEdit>(pairing, "OwnEdit")->setText(QStringLiteral("12345"));
  Named<QLineEdit>(pairing, "PartnerEdit")->setText(QStringLiteral("67890"));
  pairing.show();
  QCOMPARE(Text(pairing, "PairingResult"), QString());
}

void NumberWindowsTest::pairingWindow() {
  Fixture f;
  auto* w = f.Open<TFormQQpeidui>("QQ配对", Via::Button);
  QVERIFY(w);
  QLineEdit* own = Named<QLineEdit>(*w, "OwnEdit");
  QLineEdit* partner = Named<QLineEdit>(*w, "PartnerEdit");
  QLabel* result = Named<QLabel>(*w, "PairingResult");
  QCOMPARE(result->palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0x00));
  // Enter does nothing in either edit.
  QTest::keyClicks(own, "12345");
  QTest::keyClicks(partner, "67890");
  QTest::keyClick(own, Qt::Key_Return);
  QTest::keyClick(partner, Qt::Key_Return);
  QVERIFY(f.recorder.Messages().empty());
  QCOMPARE(result->text(), QString());
  QVERIFY(w->isVisible());

  Press(*w, "RunButton");
  QVERIFY(f.recorder.Messages().empty());
  QCOMPARE(result->text(), Q(QQPairingText(f.main.Content(), "12345", "67890")));
  QVERIFY(!result->text().isEmpty());

  const struct {
    const char* own;
    const char* partner;
    const char* message;
    bool ownFocus;
  } cases[] = {
      {"", "67890", "请输入自己的QQ号码！", true},
      {"1234", "67890", "请输入正确的QQ号码！", true},
      {"12345678901", "67890", "请输入正确的QQ号码！", true},
      {"12345", "", "请输入对方的QQ号码！", false},
      {"12345", "1234", "请输入正确的QQ号码！", false},
      {"12345", "12345678901", "请输入正确的QQ号码！", false},
  };
  const QString shown = result->text();
  for (const auto& c : cases) {
    f.recorder.Clear();
    own->setText(QString::fromUtf8(c.own));
    partner->setText(QString::fromUtf8(c.partner));
    (c.ownFocus ? partner : own)->setFocus();
    Press(*w, "RunButton");
    QCOMPARE(f.recorder.Texts(), QStringList{QString::fromUtf8(c.message)});
    QVERIFY2(w->focusWidget() == (c.ownFocus ? own : partner), c.message);
    QCOMPARE(result->text(), shown);
  }
  // Each edit holds eighteen digits.
  own->clear();
  QTest::keyClicks(own, "12345678901234567890");
  QCOMPARE(own->text(), QStringLiteral("123456789012345678"));
  w->close();
}

void NumberWindowsTest::nicknameWindow() {
  Fixture f;
  auto* w = f.Open<TFrmWangming>("网名分析", Via::Menu);
  QVERIFY(w);
  QLineEdit* edit = Named<QLineEdit>(*w, "NicknameEdit");
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(f.recorder.Texts(), QStringList{"请输入你的网名！"});
  f.recorder.Clear();

  // Letters show upper-case; Enter runs.
  QTest::keyClicks(edit, "Tom_");
  QCOMPARE(edit->text(), QStringLiteral("TOM_"));
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(Text(*w, "NicknameLine"), QStringLiteral("你的网名：TOM_"));
  QCOMPARE(Text(*w, "TraitLine"),
           QStringLiteral("你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"));

  const struct {
    const char* nickname;
    const char* trait;
  } cases[] = {
      {"小明", "你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
      {"ABC123", "你的性格：可爱，较明显的自恋"},
      {"★", "你的性格："},
      {"我的Φ", "你的性格：自立，自强，可依靠"},
      {"ｕｓｅｒ０", "你的性格：煽情高手"},
  };
  for (const auto& c : cases) {
    edit->setText(QString::fromUtf8(c.nickname));
    Press(*w, "RunButton");
    QCOMPARE(Text(*w, "NicknameLine"),
             QStringLiteral("你的网名：") + QString::fromUtf8(c.nickname));
    QCOMPARE(Text(*w, "TraitLine"), QString::fromUtf8(c.trait));
  }
  QVERIFY(f.recorder.Messages().empty());

  // Eighteen GBK bytes: nine Chinese characters, or eighteen letters.
  edit->clear();
  edit->insert(QStringLiteral("一二三四五六七八九"));
  QCOMPARE(edit->text(), QStringLiteral("一二三四五六七八九"));
  edit->insert(QStringLiteral("a"));
  QCOMPARE(edit->text(), QStringLiteral("一二三四五六七八九"));
  edit->clear();
  edit->insert(QStringLiteral("一二三四五六七八九十"));
  QCOMPARE(edit->text(), QString());
  QTest::keyClicks(edit, "abcdefghijklmnopqrstu");
  QCOMPARE(edit->text(), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
  w->close();
}

}  // namespace
}  // namespace vessa

int RunNumberWindowsTests(int argc, char** argv) {
  vessa::NumberWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "number_windows_test.moc"

static const bool kNumberWindowsRegistered =
    vessa::test::RegisterSuite("NumberWindows", RunNumberWindowsTests);
