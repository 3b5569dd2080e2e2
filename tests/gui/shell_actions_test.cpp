// The shell's own commands: a new reading, text files in and out of the pane,
// printing, articles, help and the static windows.
#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

#include <optional>

#include "core/text/errors.h"
#include "core/text/gbk.h"
#include "gui/articles/article_window.h"
#include "gui/kit/file_seam.h"
#include "gui/shell/main_window.h"
#include "gui/kit/print_seam.h"
#include "gui/kit/url_seam.h"
#include "gui_test_support.h"
#include "test_support.h"
#include "window_driver.h"

namespace vessa {

using test::Invoke;
using test::Named;
using test::Via;

namespace {

using test::Bytes;
using test::Write;

// Answers the file dialogs in order, recording the questions.
struct FileAnswers {
  FileAnswers() {
    SetFileAnswerer([this](const FileQuestion& q) -> std::optional<SaveAnswer> {
      questions.push_back(q);
      return next < answers.size() ? answers[next++] : std::nullopt;
    });
  }
  ~FileAnswers() { SetFileAnswerer({}); }
  std::vector<std::optional<SaveAnswer>> answers;
  std::size_t next = 0;
  std::vector<FileQuestion> questions;
};

struct UrlRecorder {
  UrlRecorder() {
    SetUrlSink([this](const QUrl& url) { urls << url; });
  }
  ~UrlRecorder() { SetUrlSink({}); }
  QList<QUrl> urls;
};

// Closes the next modal dialog once it shows, after reading what it holds.
void OnNextDialog(std::function<void(QDialog&)> look) {
  QTimer::singleShot(0, [look = std::move(look)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    look(*dialog);
    dialog->reject();
  });
}

void ReadBazi(TFrmmain& w) {
  Named<QLineEdit>(w, "NameA")->setText(QStringLiteral("张"));
  Named<QLineEdit>(w, "NameB")->setText(QStringLiteral("三"));
  QVERIFY(Invoke(w, QStringLiteral("八字测算"), Via::Button));
}

}  // namespace

class ShellActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void newReadingClearsThePaneAndTheNamesOnly() {
    TFrmmain w;
    test::MessageRecorder recorder;
    ReadBazi(w);
    auto* year = Named<QComboBox>(w, "SYear");
    year->setEditText(QStringLiteral("1984"));
    QVERIFY(Invoke(w, QStringLiteral("新建测算"), Via::Menu));
    QVERIFY(w.Report().Empty());
    QCOMPARE(Named<QPlainTextEdit>(w, "RzMemo1")->toPlainText(), QString());
    QCOMPARE(Named<QLineEdit>(w, "NameA")->text(), QString());
    QCOMPARE(Named<QLineEdit>(w, "NameB")->text(), QString());
    QCOMPARE(year->currentText(), QStringLiteral("1984"));
    QCOMPARE(w.Birth().surname, "张");  // the birth record is not touched
    QVERIFY(recorder.Messages().empty());
  }

  void openRecordReadsUtf8OrGbkAndKeepsThePaneOnFailure() {
    QTemporaryDir dir;
    TFrmmain w;
    test::MessageRecorder recorder;
    FileAnswers files;
    auto open = [&](const QString& name) {
      files.answers.push_back(SaveAnswer{name, TextEncoding::Utf8});
      QVERIFY(Invoke(w, QStringLiteral("打开记录..."), Via::Menu));
    };
    auto* pane = Named<QPlainTextEdit>(w, "RzMemo1");
    const QString utf8 = dir.filePath(QStringLiteral("a.txt"));
    Write(utf8, "八字：庚子\n第二行\n");
    open(utf8);
    QCOMPARE(pane->toPlainText(), QStringLiteral("八字：庚子\n第二行"));
    QVERIFY(!pane->isHidden());  // shown before any reading: the record is what the user asked for
    const QString gbkFile = dir.filePath(QStringLiteral("b.txt"));
    Write(gbkFile, QByteArray::fromStdString(gbk::FromUtf8("姓名：李四\r\n")));
    open(gbkFile);
    QCOMPARE(pane->toPlainText(), QStringLiteral("姓名：李四"));
    QVERIFY(recorder.Messages().empty());

    // A missing file or a folder: a message, and the pane keeps what it showed.
    open(dir.filePath(QStringLiteral("missing.txt")));
    open(dir.path());
    QCOMPARE(recorder.Messages().size(), std::size_t{2});
    QVERIFY(recorder.Texts().front().startsWith(QStringLiteral("无法读取该文件")));
    QCOMPARE(pane->toPlainText(), QStringLiteral("姓名：李四"));

    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    Write(empty, "");
    open(empty);
    QCOMPARE(pane->toPlainText(), QString());
    // Cancelling the dialog changes nothing.
    Write(utf8, "x");
    open(utf8);
    QVERIFY(Invoke(w, QStringLiteral("打开记录..."), Via::Menu));
    QCOMPARE(pane->toPlainText(), QStringLiteral("x"));
  }

  void saveWritesTheReadingAndAsksOnlyWhenItMust() {
    QTemporaryDir dir;
    TFrmmain w;
    test::MessageRecorder recorder;
    FileAnswers files;
    QVERIFY(Invoke(w, QStringLiteral("保存测算"), Via::Menu));
    QCOMPARE(recorder.Texts(), QStringList{QStringLiteral("没有可保存的测算结果。")});
    recorder.Clear();
    ReadBazi(w);
    const QByteArray expected = [&] {
      QByteArray b;
      for (const auto& line : w.Report().Lines()) b += QByteArray::fromStdString(line) + "\r\n";
      return b;
    }();

    files.answers.push_back(SaveAnswer{dir.filePath(QStringLiteral("reading")), TextEncoding::Utf8});
    QVERIFY(Invoke(w, QStringLiteral("保存(&S).."), Via::Button));
    QCOMPARE(Bytes(dir.filePath(QStringLiteral("reading.txt"))), expected);
    QCOMPARE(files.questions.size(), std::size_t{1});
    QVERIFY(files.questions.front().offerEncoding);

    // Saved once, "保存测算" writes to the same file without asking.
    QVERIFY(Invoke(w, QStringLiteral("保存测算"), Via::Menu));
    QCOMPARE(files.questions.size(), std::size_t{1});
    // "另存测算" always asks; over an existing file, in GBK, and ".txt" stays single.
    const QString gbkName = dir.filePath(QStringLiteral("reading.txt"));
    files.answers.push_back(SaveAnswer{gbkName, TextEncoding::Gbk});
    QVERIFY(Invoke(w, QStringLiteral("另存测算"), Via::Menu));
    QCOMPARE(files.questions.size(), std::size_t{2});
    QCOMPARE(Bytes(gbkName), QByteArray::fromStdString(gbk::FromUtf8(expected.toStdString())));
    QVERIFY(recorder.Messages().empty());

    // Into a folder that cannot be written: a message, the earlier file untouched.
    const QString plain = dir.filePath(QStringLiteral("plain"));
    Write(plain, "x");
    files.answers.push_back(SaveAnswer{plain + QStringLiteral("/r.txt"), TextEncoding::Utf8});
    QVERIFY(Invoke(w, QStringLiteral("另存测算"), Via::Menu));
    QCOMPARE(recorder.Messages().size(), std::size_t{1});
    QVERIFY(recorder.Texts().front().startsWith(QStringLiteral("保存失败")));
    QCOMPARE(Bytes(gbkName), QByteArray::fromStdString(gbk::FromUtf8(expected.toStdString())));
  }

  void printFollowsThePageSetupAndThePanesFont() {
    QTemporaryDir dir;
    TFrmmain w;
    test::MessageRecorder recorder;
    ReadBazi(w);
    const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
    SetPrintToPdf(pdf);
    SetPageSetupAnswerer([](const QPageLayout& layout) -> std::optional<QPageLayout> {
      QPageLayout a4 = layout;
      a4.setPageSize(QPageSize(QPageSize::A4));
      return a4;
    });
    QCOMPARE(w.PrintLayout().pageSize().id(), QPageSize::Letter);
    QVERIFY(Invoke(w, QStringLiteral("打印设置..."), Via::Menu));
    QCOMPARE(w.PrintLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(w.PrintLayout().margins(QPageLayout::Millimeter).left(), 12.7);
    Named<QComboBox>(w, "CBFont")->setCurrentIndex(3);  // 小四号
    QCOMPARE(w.ResultPointSize(), 12);
    QVERIFY(Invoke(w, QStringLiteral("打印(&P).."), Via::Button));
    SetPageSetupAnswerer({});
    ClearPrintToPdf();
    const QByteArray bytes = Bytes(pdf);
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.contains("/MediaBox [0 0 595"));  // A4 is 595 points wide
    QVERIFY(recorder.Messages().empty());
  }

  void helpMailAndUpgrade() {
    TFrmmain w;
    test::MessageRecorder recorder;
    UrlRecorder urls;
    QVERIFY(Invoke(w, QStringLiteral("帮助主题"), Via::Menu));
    QVERIFY(Invoke(w, QStringLiteral("公司主页"), Via::Menu));
    QVERIFY(Invoke(w, QStringLiteral("QQ服务(&Q)"), Via::Button));
    QVERIFY(Invoke(w, QStringLiteral("给我们发邮件"), Via::Menu));
    QCOMPARE(urls.urls.size(), 4);
    QVERIFY(urls.urls[0].isLocalFile());
    QVERIFY(urls.urls[0].path().endsWith(QStringLiteral("/help/index.html")));
    QCOMPARE(urls.urls[1].fragment(), QStringLiteral("contact"));
    QCOMPARE(urls.urls[2].fragment(), QStringLiteral("contact"));
    QCOMPARE(urls.urls[3].scheme(), QStringLiteral("mailto"));
    QCOMPARE(QUrlQuery(urls.urls[3]).queryItemValue(QStringLiteral("subject"),
                                                    QUrl::FullyDecoded),
             QStringLiteral("Vessa 反馈"));
    QVERIFY(Invoke(w, QStringLiteral("软件升级"), Via::Menu));
    QCOMPARE(recorder.Texts(), QStringList{QStringLiteral("感谢你的使用,软件是最新版无需升级!")});
  }

  void staticWindows() {
    TFrmmain w;
    QString seen;
    OnNextDialog([&](QDialog& d) { seen = d.windowTitle(); });
    QVERIFY(Invoke(w, QStringLiteral("关于系统"), Via::Menu));
    QCOMPARE(seen, QStringLiteral("关于系统"));
    OnNextDialog([&](QDialog& d) { seen = d.windowTitle(); });
    QVERIFY(Invoke(w, QStringLiteral("客户服务"), Via::Menu));
    QCOMPARE(seen, QStringLiteral("客户服务"));
    QStringList tabs;
    QString cell;
    int rows = 0;
    OnNextDialog([&](QDialog& d) {
      seen = d.windowTitle();
      auto* pages = d.findChild<QTabWidget*>(QStringLiteral("BirthSexPages"));
      for (int i = 0; i < pages->count(); ++i) tabs << pages->tabText(i);
      for (auto* t : d.findChildren<QTableWidget*>()) rows += t->rowCount();
      cell = d.findChild<QTableWidget*>(QStringLiteral("BirthSexTable18"))->item(0, 0)->text();
    });
    QVERIFY(Invoke(w, QStringLiteral("生男生女"), Via::Menu));
    QCOMPARE(seen, QStringLiteral("生男生女"));
    QCOMPARE(tabs, (QStringList{QStringLiteral("18到31岁"), QStringLiteral("32到44岁"),
                                QStringLiteral("生男生女有秘诀")}));
    QCOMPARE(rows, 27);  // ages 18 to 44
    QVERIFY(cell == QStringLiteral("男") || cell == QStringLiteral("女"));
  }

  void articlesOpenAViewerEachTime() {
    TFrmmain w;
    test::MessageRecorder recorder;
    const auto items = test::MenuItems(w, QStringLiteral("姓名原理"));
    QCOMPARE(items.size(), std::size_t{2});  // in 姓名 and in 造命 > 八字与姓名
    for (QAction* item : items) item->trigger();
    QVERIFY(Invoke(w, QStringLiteral("朱子治家格言"), Via::Menu));
    const auto viewers = w.findChildren<TFrmNote*>();
    QCOMPARE(viewers.size(), 3);
    QCOMPARE(viewers[0]->windowTitle(), QStringLiteral("姓名原理"));
    QCOMPARE(viewers[1]->windowTitle(), QStringLiteral("姓名原理"));
    QVERIFY(viewers[2]->Pane()->toPlainText().contains(QStringLiteral("黎明即起")));
    QVERIFY(viewers[2]->Pane()->isReadOnly());
    QVERIFY(recorder.Messages().empty());
    for (TFrmNote* v : viewers) v->close();
  }

  void aMissingArticleOpensAnEmptyViewerAndAMissingFileNone() {
    QTemporaryDir dir;
    test::CopyInstall(dir.path().toStdString());
    const auto morbirth = dir.filePath(QStringLiteral("MorBirth.dll")).toStdString();
    {
      data::ContentStore store(dir.path().toStdString());
      TFrmNote* viewer = ShowArticle(store, "zz", nullptr);
      QCOMPARE(viewer->windowTitle(), QStringLiteral("算命"));
      QCOMPARE(viewer->Pane()->toPlainText(), QString());
      viewer->close();
    }
    QFile::remove(QString::fromStdString(morbirth));
    data::ContentStore store(dir.path().toStdString());
    QVERIFY_THROWS_EXCEPTION(SilentAbort, ShowArticle(store, "a1", nullptr));
  }
};

}  // namespace vessa

int RunShellActionsTests(int argc, char** argv) {
  vessa::ShellActionsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "shell_actions_test.moc"

static const bool kShellActionsRegistered =
    vessa::test::RegisterSuite("ShellActions", RunShellActionsTests);
