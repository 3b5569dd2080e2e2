// The shell's own commands: a new reading, text files in and out of the result
// pane, page setup and printing, the articles, help, and the static windows.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSettings>
#include <QUrlQuery>

#include "gui/articles/article_window.h"
#include "gui/kit/file_seam.h"
#include "gui/shell/info_windows.h"
#include "gui/shell/input_panel.h"
#include "gui/shell/main_window.h"
#include "gui/kit/message_seam.h"
#include "gui/kit/print_seam.h"
#include "gui/kit/qt_text.h"
#include "gui/kit/result_font.h"
#include "gui/kit/text_files.h"
#include "gui/kit/url_seam.h"

namespace vessa {
namespace {

// The help file lies beside the program; its contact page stands in for the
// maker's home page and QQ service unless the user's settings name real ones.
QUrl HelpPage(const QString& fragment = {}) {
  QUrl url = QUrl::fromLocalFile(QDir(QCoreApplication::applicationDirPath())
                                     .filePath(QStringLiteral("help/index.html")));
  if (!fragment.isEmpty()) url.setFragment(fragment);
  return url;
}

// The user's settings (INI, in the user's config folder): contact/homepage,
// contact/qq and contact/mail may hold real addresses.
QString Setting(const QString& key) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vessa"),
                     QStringLiteral("vessa"));
  return settings.value(key).toString().trimmed();
}

QUrl ContactPage(const QString& key) {
  const QString configured = Setting(key);
  if (!configured.isEmpty()) return QUrl::fromUserInput(configured);
  return HelpPage(QStringLiteral("contact"));
}

// The article keys of the menus: "姓名原理" stands in two menus, both a1.
struct ArticleCommand {
  const char* caption;
  const char* key;
};
constexpr ArticleCommand kArticles[] = {
    {"姓名原理", "a1"},           {"什么是八字", "a2"},   {"所谓三才", "a3"},
    {"称骨算命法", "a4"},         {"血型测命", "a5"},     {"八字与起名的重要性", "a6"},
    {"吉祥宝宝起名方法 ", "a7"},  {"择日生子（紧参考）", "a8"}, {"命自我立", "b1"},
    {"三世因果经", "b2"},         {"心命歌", "b3"},       {"太上感应篇", "b4"},
    {"孝经", "b5"},               {"孝悌歌", "b6"},       {"孝顺歌", "b7"},
    {"亲恩歌", "b8"},             {"孝道良心歌", "b9"},   {"闺训千字文", "b10"},
    {"孔子与小儿论", "b11"},      {"朱子治家格言", "b12"}, {"百忍歌", "b13"},
};

}  // namespace

void TFrmmain::BindShellActions() {
  BindCommand(QStringLiteral("新建测算"), [this] { OnNewReading(); });
  BindCommand(QStringLiteral("打开记录..."), [this] { OnOpenRecord(); });
  BindCommand(QStringLiteral("保存测算"), [this] { OnSave(false); });
  BindCommand(QStringLiteral("保存(&S).."), [this] { OnSave(false); });
  BindCommand(QStringLiteral("另存测算"), [this] { OnSave(true); });
  BindCommand(QStringLiteral("打印设置..."), [this] { OnPageSetup(); });
  BindCommand(QStringLiteral("打印结果"), [this] { OnPrint(); });
  BindCommand(QStringLiteral("打印(&P).."), [this] { OnPrint(); });
  BindCommand(QStringLiteral("软件升级"),
              [] { ShowPrompt(QStringLiteral("感谢你的使用,软件是最新版无需升级!")); });
  BindCommand(QStringLiteral("帮助主题"), [] { OpenUrl(HelpPage()); });
  BindCommand(QStringLiteral("公司主页"),
              [] { OpenUrl(ContactPage(QStringLiteral("contact/homepage"))); });
  BindCommand(QStringLiteral("QQ服务(&Q)"),
              [] { OpenUrl(ContactPage(QStringLiteral("contact/qq"))); });
  BindCommand(QStringLiteral("给我们发邮件"), [] {
    QUrl mail(QStringLiteral("mailto:") + Setting(QStringLiteral("contact/mail")));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Vessa 反馈"));
    mail.setQuery(query);
    OpenUrl(mail);
  });
  BindCommand(QStringLiteral("关于系统"), [this] { ShowAboutBox(this); });
  BindCommand(QStringLiteral("客户服务"), [this] { ShowServiceWindow(this); });
  BindCommand(QStringLiteral("生男生女"), [this] { ShowBirthSexTableWindow(this); });
  for (const ArticleCommand& a : kArticles) {
    const std::string key = a.key;
    BindCommand(QString::fromUtf8(a.caption), [this, key] { ShowArticle(content_, key, this); },
                CommandPlace::Menu);
  }
}

void TFrmmain::OnNewReading() {
  report_.Clear();
  RefreshResultPane();
  savedFile_.clear();
  panel_->SurnameEdit()->clear();
  panel_->GivenNameEdit()->clear();
  panel_->SurnameEdit()->setFocus();
}

void TFrmmain::OnOpenRecord() {
  const auto chosen = AskFile(this, {false, QStringLiteral("打开记录"), {}, {}, false});
  if (!chosen) return;
  QString reason;
  const auto loaded = LoadTextFile(chosen->fileName, &reason);
  if (!loaded) {
    // The pane keeps what it showed: nothing is lost to a file that cannot be read.
    ShowPrompt(QStringLiteral("无法读取该文件：%1").arg(reason));
    return;
  }
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(loaded->lines.size()));
  for (const QString& line : loaded->lines) lines.push_back(line.toStdString());
  report_.Assign(std::move(lines));
  savedFile_.clear();
  // Shown, even before the first reading: a record opened into a hidden pane
  // would look as if nothing had happened.
  ShowReport();
  ScrollResultToTop();
}

void TFrmmain::OnSave(bool askName) {
  if (report_.Empty()) {
    ShowPrompt(QStringLiteral("没有可保存的测算结果。"));
    return;
  }
  QString file = savedFile_;
  TextEncoding encoding = savedEncoding_;
  if (askName || file.isEmpty()) {
    const auto chosen = AskFile(this, {true, QStringLiteral("保存测算"),
                                       QStringLiteral("测算结果.txt"),
                                       QStringLiteral("文本文件 (*.txt)"), true});
    if (!chosen) return;
    file = WithTxtExtension(chosen->fileName);
    encoding = chosen->encoding;
  }
  QStringList lines;
  for (const std::string& line : report_.Lines()) lines << ToQString(line);
  if (const auto failure = SaveTextFile(file, lines, encoding)) {
    ShowPrompt(QStringLiteral("保存失败：%1").arg(*failure));
    return;
  }
  savedFile_ = file;
  savedEncoding_ = encoding;
}

void TFrmmain::OnPageSetup() {
  if (const auto layout = AskPageSetup(this, printLayout_)) printLayout_ = *layout;
}

QFont TFrmmain::PrintFont() const {
  // The print-out follows the pane's font, at its nominal point size.
  QFont font(ResultFontFamily());
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(resultPointSize_);
  return font;
}

void TFrmmain::OnPrint() {
  if (report_.Empty()) {
    ShowPrompt(QStringLiteral("没有可打印的测算结果。"));
    return;
  }
  auto printer = AskPrinter(this, printLayout_);
  if (!printer) return;
  QStringList lines;
  for (const std::string& line : report_.Lines()) lines << ToQString(line);
  PrintLines(*printer, lines, PrintFont());
}

}  // namespace vessa
