// The whole command map: every caption of the command table, in every place it
// stands (menu item, page button, panel button, action bar), is either enabled
// and reaches its action, or disabled and does nothing. The captions come from
// the command table itself, so a new one cannot escape the test: it must be
// given an effect below or stay disabled.
#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>

#include <functional>
#include <map>
#include <optional>

#include "gui/shell/command_table.h"
#include "gui/kit/file_seam.h"
#include "gui/shell/main_window.h"
#include "gui/kit/print_seam.h"
#include "gui/kit/url_seam.h"
#include "gui_test_support.h"
#include "window_driver.h"

namespace vessa {
namespace {

using test::Named;

enum class Effect {
  Reading,      // the pane shows a reading
  AskThenRead,  // a modal dialog asks first (closed here), then the pane shows the reading
  Window,       // a window of the class opens, the main window stays usable
  Modal,        // a modal dialog of that title runs
  Message,      // a message box with that text
  OpenFile,     // the open-file question
  SaveFile,     // the save-file question
  PageSetup,    // the page-setup question
  Print,        // the pane goes to the printer (a PDF file here)
  Url,          // an address handed to the desktop, starting with that text
  NewReading,   // the pane and the names are cleared
  Exit,         // ends the program: enabled here; MainWindowTest runs it in an event loop
};

enum Place { kMenu = 1, kButton = 2, kAnywhere = kMenu | kButton };

struct Action {
  Effect effect;
  QString detail;  // the window class, dialog title, message or address
  int places = kAnywhere;
};

// Every command that has an action; a caption not listed must be disabled.
const std::map<QString, Action>& Actions() {
  static const std::map<QString, Action> actions = [] {
    std::map<QString, Action> a;
    auto add = [&a](std::initializer_list<const char*> captions, Action action) {
      for (const char* c : captions) a[QString::fromUtf8(c)] = action;
    };
    add({"八字测算", "八字详批", "生辰信息", "称骨算命", "血型论命", "姓名测算", "姓名详批",
         "三才吉凶", "星座测算", "星座详批", "星座运程", "情商解析", "星座实力", "星座名人",
         "身体保健", "五大建议", "星座缺陷"},
        {Effect::Reading, {}});
    add({"诸葛测算", "测字论命", "诸葛神数 "}, {Effect::AskThenRead, "测字算命"});
    add({"起名宝典"}, {Effect::Window, "vessa::TFrmChangeName"});
    add({"万年历法"}, {Effect::Window, "vessa::TFRM_Date", kMenu});
    add({"本日黄历", "黄道吉日"}, {Effect::Window, "vessa::TFormHuangdao"});
    add({"每日一卦", "快速起名"}, {Effect::Window, "vessa::TFrmQigua", kButton});
    // The page button "金钱卦" of "星运八卦" has no action; the menu item has.
    add({"金钱卦"}, {Effect::Window, "vessa::TFrmQigua", kMenu});
    add({"指纹论命"}, {Effect::Window, "vessa::TFrmzhiwen"});
    add({"打喷嚏占卜", "面热测占卜", "心惊测占卜", "犬吠测占卜", "眼跳测占卜", "耳热测占卜",
         "耳鸣测占卜"},
        {Effect::Window, "vessa::TFormOnther", kMenu});
    add({"手机号码", "手机号码分析"}, {Effect::Window, "vessa::TFrm_SJcs"});
    add({"QQ号码分析"}, {Effect::Window, "vessa::TFrmQQhm"});
    add({"数字分析", "更多数字分析"}, {Effect::Window, "vessa::TFrm_onther"});
    add({"QQ配对", "QQ缘分配对"}, {Effect::Window, "vessa::TFormQQpeidui"});
    add({"网名分析"}, {Effect::Window, "vessa::TFrmWangming"});
    add({"姓名原理", "什么是八字", "所谓三才", "称骨算命法", "血型测命", "八字与起名的重要性",
         "吉祥宝宝起名方法 ", "择日生子（紧参考）", "命自我立", "三世因果经", "心命歌",
         "太上感应篇", "孝经", "孝悌歌", "孝顺歌", "亲恩歌", "孝道良心歌", "闺训千字文",
         "孔子与小儿论", "朱子治家格言", "百忍歌"},
        {Effect::Window, "vessa::TFrmNote", kMenu});
    add({"关于系统"}, {Effect::Modal, "关于系统"});
    add({"客户服务"}, {Effect::Modal, "客户服务"});
    add({"生男生女"}, {Effect::Modal, "生男生女"});
    add({"软件升级"}, {Effect::Message, "感谢你的使用,软件是最新版无需升级!"});
    add({"打开记录..."}, {Effect::OpenFile, {}});
    add({"保存测算", "另存测算", "保存(&S).."}, {Effect::SaveFile, {}});
    add({"打印设置..."}, {Effect::PageSetup, {}});
    add({"打印结果", "打印(&P).."}, {Effect::Print, {}});
    add({"帮助主题"}, {Effect::Url, "file://"});
    add({"公司主页", "QQ服务(&Q)"}, {Effect::Url, "file://"});
    add({"给我们发邮件"}, {Effect::Url, "mailto:"});
    add({"新建测算"}, {Effect::NewReading, {}});
    add({"退出系统", "退出(&E)"}, {Effect::Exit, {}});
    return a;
  }();
  return actions;
}

// One control of the main window that carries a caption.
struct Control {
  QString caption;
  Place place;
  std::function<bool()> enabled;
  std::function<void()> trigger;
};

void CollectMenu(const std::vector<MenuEntry>& entries, QSet<QString>& captions) {
  for (const MenuEntry& e : entries) {
    if (e.caption == kSeparator) continue;
    if (e.submenu.empty()) {
      captions.insert(QString::fromUtf8(e.caption.data(), static_cast<qsizetype>(e.caption.size())));
    } else {
      CollectMenu(e.submenu, captions);
    }
  }
}

QString Text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Every caption of the command table with the places it stands.
std::map<QString, int> CommandCaptions() {
  std::map<QString, int> captions;
  QSet<QString> menu;
  for (const CommandMenu& m : MenuBarCommands()) CollectMenu(m.entries, menu);
  for (const QString& c : menu) captions[c] |= kMenu;
  for (const CommandPage& p : PageCommands()) {
    for (std::string_view b : p.buttons) captions[Text(b)] |= kButton;
  }
  for (std::string_view b : kPanelCommands) captions[Text(b)] |= kButton;
  for (std::string_view b : kResultBarCommands) captions[Text(b)] |= kButton;
  return captions;
}

// The controls of the window with that caption in that place.
std::vector<Control> ControlsOf(TFrmmain& w, const QString& caption, Place place) {
  std::vector<Control> controls;
  if (place == kMenu) {
    for (QAction* a : test::MenuItems(w, caption)) {
      controls.push_back({caption, kMenu, [a] { return a->isEnabled(); }, [a] { a->trigger(); }});
    }
  } else {
    for (QWidget* b : test::Buttons(w, caption)) {
      QPointer<QWidget> button(b);
      controls.push_back({caption, kButton, [button] { return button->isEnabled(); }, [button] {
                            QMetaObject::invokeMethod(button, "click");
                          }});
    }
  }
  return controls;
}

QSet<QWidget*> VisibleTopLevels() {
  QSet<QWidget*> shown;
  for (QWidget* t : QApplication::topLevelWidgets()) {
    if (t->isVisible()) shown.insert(t);
  }
  return shown;
}

// What one trigger did, as the seams and the screen saw it.
struct Observed {
  QStringList messages;
  std::vector<FileQuestion> files;
  int pageSetups = 0;
  QList<QUrl> urls;
  QStringList modalTitles;
  QStringList newWindows;  // class names of the windows that appeared
};

class CommandMapTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    SetFileAnswerer([this](const FileQuestion& q) -> std::optional<SaveAnswer> {
      seen_.files.push_back(q);
      return std::nullopt;
    });
    SetPageSetupAnswerer([this](const QPageLayout&) -> std::optional<QPageLayout> {
      ++seen_.pageSetups;
      return std::nullopt;
    });
    SetUrlSink([this](const QUrl& url) { seen_.urls << url; });
    QVERIFY(pdfDir_.isValid());
    SetPrintToPdf(pdfDir_.filePath(QStringLiteral("out.pdf")));
  }
  void cleanup() {
    SetFileAnswerer({});
    SetPageSetupAnswerer({});
    SetUrlSink({});
    ClearPrintToPdf();
  }

  // Every listed action names a caption of the table, in a place it stands.
  void everyListedActionIsACommandOfTheTable() {
    const std::map<QString, int> captions = CommandCaptions();
    for (const auto& [caption, action] : Actions()) {
      const auto it = captions.find(caption);
      QVERIFY2(it != captions.end(), qPrintable(caption));
      QVERIFY2((it->second & action.places) != 0, qPrintable(caption));
    }
  }

  void everyCommandIsEnabledExactlyWhenItHasAnAction_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("place");
    for (const auto& [caption, places] : CommandCaptions()) {
      for (const Place p : {kMenu, kButton}) {
        if (places & p) {
          QTest::newRow(qPrintable(caption + (p == kMenu ? " (menu)" : " (button)")))
              << caption << static_cast<int>(p);
        }
      }
    }
  }

  void everyCommandIsEnabledExactlyWhenItHasAnAction() {
    QFETCH(QString, caption);
    QFETCH(int, place);
    auto w = std::make_unique<TFrmmain>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    test::MessageRecorder recorder;
    const std::vector<Control> controls = ControlsOf(*w, caption, static_cast<Place>(place));
    QVERIFY2(!controls.empty(), "the window lacks a control of the command table");

    const auto found = Actions().find(caption);
    const bool bound = found != Actions().end() && (found->second.places & place) != 0;
    for (const Control& control : controls) {
      QCOMPARE(control.enabled(), bound);
      if (!bound) {
        // Disabled: a trigger by any route changes nothing.
        Prepare(*w);
        const QString before = Pane(*w)->toPlainText();
        const Observed seen = Trigger(control, recorder);
        QCOMPARE(Pane(*w)->toPlainText(), before);
        QVERIFY(seen.messages.isEmpty() && seen.files.empty() && seen.urls.isEmpty() &&
                seen.modalTitles.isEmpty() && seen.newWindows.isEmpty());
        QVERIFY(w->isVisible());
        continue;
      }
      if (found->second.effect != Effect::Exit) Check(*w, control, found->second, recorder);
    }
  }

 private:
  static QPlainTextEdit* Pane(TFrmmain& w) { return Named<QPlainTextEdit>(w, "RzMemo1"); }

  // A person on the panel and a request behind the window, so that the readings
  // that rely on the last request have one, and a reading in the pane to save
  // or print; the pane is then emptied again.
  void Prepare(TFrmmain& w) {
    Named<QLineEdit>(w, "NameA")->setText(QStringLiteral("张"));
    Named<QLineEdit>(w, "NameB")->setText(QStringLiteral("三"));
    if (w.Birth().surname.empty()) {
      QVERIFY(test::Invoke(w, QStringLiteral("星座测算"), test::Via::Button));
    }
  }

  Observed Trigger(const Control& control, test::MessageRecorder& recorder) {
    seen_ = {};
    recorder.Clear();
    QFile::remove(pdfDir_.filePath(QStringLiteral("out.pdf")));
    const QSet<QWidget*> before = VisibleTopLevels();
    // A modal dialog runs its own loop inside the trigger: close it from there.
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible()) {
          seen_.modalTitles << dialog->windowTitle();
          dialog->reject();
        }
      }
    });
    closer.start();
    control.trigger();
    closer.stop();
    QCoreApplication::processEvents();
    for (const test::Message& m : recorder.Messages()) seen_.messages << m.text;
    for (QWidget* t : VisibleTopLevels()) {
      if (before.contains(t)) continue;
      seen_.newWindows << QString::fromUtf8(t->metaObject()->className());
      t->close();
      t->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return seen_;
  }

  void Check(TFrmmain& w, const Control& control, const Action& action,
             test::MessageRecorder& recorder) {
    Prepare(w);
    const QString where = control.caption + (control.place == kMenu ? " (menu)" : " (button)");
    if (action.effect == Effect::Reading || action.effect == Effect::AskThenRead) {
      w.Report().Clear();
      Pane(w)->clear();
    }
    if (action.effect == Effect::NewReading) {
      QVERIFY(!w.Report().Empty());
    }
    const Observed seen = Trigger(control, recorder);
    const auto only = [&](bool condition, const char* what) {
      QVERIFY2(condition, qPrintable(where + ": " + what));
    };
    switch (action.effect) {
      case Effect::Reading:
        only(!w.Report().Empty() && Pane(w)->isVisible(), "the pane shows no reading");
        only(seen.messages.isEmpty() && seen.modalTitles.isEmpty(), "something else ran");
        break;
      case Effect::AskThenRead:
        only(seen.modalTitles == QStringList{action.detail}, "the dialog was not asked");
        only(!w.Report().Empty() && Pane(w)->isVisible(), "the pane shows no reading");
        break;
      case Effect::Window:
        only(seen.newWindows == QStringList{action.detail}, "not the one window expected");
        only(seen.messages.isEmpty() && seen.modalTitles.isEmpty(), "something else ran");
        break;
      case Effect::Modal:
        only(seen.modalTitles == QStringList{action.detail}, "not the dialog expected");
        break;
      case Effect::Message:
        only(seen.messages == QStringList{action.detail}, "not the message expected");
        break;
      case Effect::OpenFile:
        only(seen.files.size() == 1 && !seen.files.front().save, "no open-file question");
        break;
      case Effect::SaveFile:
        only(seen.files.size() == 1 && seen.files.front().save && seen.messages.isEmpty(),
             "no save-file question");
        break;
      case Effect::PageSetup:
        only(seen.pageSetups == 1, "no page-setup question");
        break;
      case Effect::Print: {
        QFile pdf(pdfDir_.filePath(QStringLiteral("out.pdf")));
        only(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-", "no PDF printed");
        break;
      }
      case Effect::Url:
        only(seen.urls.size() == 1 && seen.urls.front().toString().startsWith(action.detail),
             "not the address expected");
        break;
      case Effect::NewReading:
        only(w.Report().Empty() && Named<QLineEdit>(w, "NameA")->text().isEmpty(),
             "the reading was not cleared");
        break;
      case Effect::Exit:
        break;
    }
  }

  Observed seen_;
  QTemporaryDir pdfDir_;
};

}  // namespace
}  // namespace vessa

int RunCommandMapTests(int argc, char** argv) {
  vessa::CommandMapTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "command_map_test.moc"

static const bool kCommandMapRegistered =
    vessa::test::RegisterSuite("CommandMap", RunCommandMapTests);
