#include "gui/shell/main_window.h"

#include <cstdint>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/text/text.h"
#include "core/divination/omens.h"
#include "gui/almanac/huangdao_window.h"
#include "gui/calendar/calendar_window.h"
#include "gui/divination/fingerprint_window.h"
#include "gui/divination/hexagram_window.h"
#include "gui/divination/omen_window.h"
#include "gui/divination/zhuge_dialog.h"
#include "gui/names/naming_window.h"
#include "gui/numbers/nickname_window.h"
#include "gui/numbers/number_windows.h"
#include "gui/kit/command_runner.h"
#include "gui/shell/command_table.h"
#include "gui/shell/command_widgets.h"
#include "gui/shell/input_panel.h"
#include "gui/kit/message_seam.h"
#include "gui/kit/qt_text.h"
#include "gui/kit/result_font.h"

namespace vessa {
namespace {

constexpr QSize kDesignSize(800, 600);
constexpr int kActionBarHeight = 30;

QPlainTextEdit* HiddenMemo(const char* objectName, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QLatin1String(objectName));
  memo->hide();
  return memo;
}

}  // namespace

TFrmmain::TFrmmain(QWidget* parent, std::filesystem::path dataFolder)
    : QMainWindow(parent),
      content_(dataFolder.empty()
                   ? std::filesystem::path(QCoreApplication::applicationDirPath().toStdString())
                   : std::move(dataFolder)),
      today_(LocalToday),
      resultPointSize_(kDefaultResultPointSize),
      // Letter paper with half-inch margins, as the pane's print-out has always had.
      printLayout_(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                   QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter) {
  setWindowTitle(QStringLiteral("Vessa生辰八字排盘算命软件"));
  // A stored text with a broken pair sounds the system's beep while it is read.
  content_.SetBeep([] { QApplication::beep(); });
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  QFont windowFont = font();
  if (const QString song = InstalledSongFamily(); !song.isEmpty()) windowFont.setFamily(song);
  windowFont.setPointSize(9);
  setFont(windowFont);

  BuildWindow();
  BindCommands();

  resize(kDesignSize);
  if (const QScreen* s = screen()) {
    move(s->availableGeometry().center() -
         QPoint(kDesignSize.width() / 2, kDesignSize.height() / 2));
  }
}

void TFrmmain::BuildWindow() {
  BuildCommandMenus(*menuBar(), commands_);

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("MainBody"));
  panel_ = new InputPanel(central);
  for (QPushButton* button : panel_->CommandButtons()) {
    commands_.AddButton(button, CommandPlace::PanelButtons);
  }

  auto* body = new QHBoxLayout;
  body->setContentsMargins(2, 2, 2, 0);
  body->setSpacing(3);
  body->addWidget(BuildCommandPages(commands_, central));
  body->addWidget(BuildResultArea(), 1);

  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(panel_);
  column->addLayout(body, 1);
  setCentralWidget(central);

  HiddenMemo("Memo1", central);
  HiddenMemo("MemoShensha", central);

  auto* welcome = new QLabel(
      QStringLiteral("欢迎使用Vessa八字软件！请在上方填写姓名与出生时间，再选择想要的测算项目。"),
      this);
  welcome->setObjectName(QStringLiteral("WelcomeLine"));
  statusBar()->addWidget(welcome, 1);
  statusBar()->setSizeGripEnabled(false);
}

QWidget* TFrmmain::BuildResultArea() {
  auto* area = new QWidget;
  // Until the first reading the pane is hidden and this plain ground shows.
  resultArea_ = new QWidget(area);
  resultArea_->setObjectName(QStringLiteral("ResultArea"));
  resultArea_->setAutoFillBackground(true);
  QPalette ground = resultArea_->palette();
  ground.setColor(QPalette::Window, QColor(0xfb, 0xf7, 0xec));
  resultArea_->setPalette(ground);

  result_ = new QPlainTextEdit(resultArea_);
  result_->setObjectName(QStringLiteral("RzMemo1"));
  result_->setReadOnly(true);
  result_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  result_->setFont(ResultFont(resultPointSize_, result_->logicalDpiY()));
  result_->hide();
  auto* paneLayout = new QVBoxLayout(resultArea_);
  paneLayout->setContentsMargins(0, 0, 0, 0);
  paneLayout->addWidget(result_);

  auto* bar = new QWidget(area);
  bar->setObjectName(QStringLiteral("ResultActionBar"));
  bar->setFixedHeight(kActionBarHeight);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(4, 2, 4, 2);
  barLayout->setSpacing(6);
  barLayout->addWidget(new QLabel(QStringLiteral("字体大小："), bar));
  fontSize_ = new QComboBox(bar);
  fontSize_->setObjectName(QStringLiteral("CBFont"));
  fontSize_->addItems(FontSizeItems());
  fontSize_->setCurrentIndex(kDefaultFontSizeItem);
  barLayout->addWidget(fontSize_);
  barLayout->addSpacing(12);
  for (std::string_view caption : kResultBarCommands) {
    auto* button = new QPushButton(ToQString(caption), bar);
    commands_.AddButton(button, CommandPlace::ResultBar);
    barLayout->addWidget(button);
  }
  barLayout->addStretch(1);
  connect(fontSize_, &QComboBox::currentIndexChanged, this,
          [this](int index) { RunCommand([&] { OnFontSizeChosen(index); }); });

  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(resultArea_, 1);
  layout->addWidget(bar);
  return area;
}

void TFrmmain::BindCommands() {
  const auto exit = [this] { close(); };
  BindCommand(QStringLiteral("退出系统"), exit);
  BindCommand(QStringLiteral("退出(&E)"), exit);

  // Every reading of the pane, on every caption the registry gives it.
  for (const Reading& reading : Readings()) {
    for (std::string_view caption : reading.captions) {
      BindCommand(ToQString(caption), [this, &reading] { RunPaneReading(reading); });
    }
  }
  BindCommand(QStringLiteral("起名宝典"), [this] { OnNamingAssistant(); });
  BindShellActions();
  BindCommand(
      QStringLiteral("万年历法"), [this] { OnPerpetualCalendar(); }, CommandPlace::Menu);

  // The number and nickname tests, each window made anew for every call.
  const auto phone = [this] { OpenTestWindow(new TFrm_SJcs(content_, this)); };
  BindCommand(QStringLiteral("手机号码"), phone);
  BindCommand(QStringLiteral("手机号码分析"), phone);
  BindCommand(QStringLiteral("QQ号码分析"), [this] { OpenTestWindow(new TFrmQQhm(this)); });
  const auto anyNumber = [this] { OpenTestWindow(new TFrm_onther(this)); };
  BindCommand(QStringLiteral("数字分析"), anyNumber);
  BindCommand(QStringLiteral("更多数字分析"), anyNumber);
  const auto pairing = [this] { OpenTestWindow(new TFormQQpeidui(content_, this)); };
  BindCommand(QStringLiteral("QQ配对"), pairing);
  BindCommand(QStringLiteral("QQ缘分配对"), pairing);
  BindCommand(QStringLiteral("网名分析"), [this] { OpenTestWindow(new TFrmWangming(this)); });

  // The coin hexagram window: the panel's "每日一卦", the page "综合"'s "快速起名" and
  // the menu "周易"'s "金钱卦"; the page button "金钱卦" of "星运八卦" stays idle.
  const auto coins = [this] { OnCoinHexagram(); };
  BindCommand(QStringLiteral("每日一卦"), coins, CommandPlace::PanelButtons);
  BindCommand(QStringLiteral("快速起名"), coins, CommandPlace::Pages);
  BindCommand(QStringLiteral("金钱卦"), coins, CommandPlace::Menu);
  BindCommand(QStringLiteral("指纹论命"), [this] { OnFingerprint(); });
  for (int i = 0; i < kOmenTopicCount; ++i) {
    const OmenTopic& topic = OmenTopics()[static_cast<std::size_t>(i)];
    BindCommand(
        ToQString(topic.menuEntry),
        [this, i, caption = ToQString(topic.caption)] { ShowOmen(this, caption, i); },
        CommandPlace::Menu);
  }

  // The almanac: the panel button, and the page button and menu item of 黄道吉日.
  BindCommand(
      QStringLiteral("本日黄历"), [this] { OnAlmanac(); }, CommandPlace::PanelButtons);
  BindCommand(
      QStringLiteral("黄道吉日"), [this] { OnAlmanac(); },
      CommandPlace::Menu | CommandPlace::Pages);
}

int TFrmmain::BindCommand(const QString& caption, std::function<void()> action,
                          CommandPlaces places) {
  return commands_.Bind(caption, std::move(action), places);
}

Panel TFrmmain::CurrentPanel() const { return panel_->Read(); }

void TFrmmain::RefreshResultPane() {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(report_.Count()));
  for (const std::string& line : report_.Lines()) lines << ToQString(line);
  result_->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFrmmain::ShowReport() {
  RefreshResultPane();
  result_->show();
}

void TFrmmain::ScrollResultToTop() {
  result_->moveCursor(QTextCursor::Start);
  result_->verticalScrollBar()->setValue(result_->verticalScrollBar()->minimum());
  result_->horizontalScrollBar()->setValue(result_->horizontalScrollBar()->minimum());
}

void TFrmmain::RunPaneReading(const Reading& reading) {
  ReadingEnv env{content_, CurrentYear(), &adoqName_};
  if (reading.ask == ReadingAsk::ThreeCharacters) {
    // Closing the dialog gives no characters; the reading still runs on them.
    env.answers = {AskThreeCharacters(this).toStdString()};
  }
  ReadingTarget target{birth_, chart_, report_};
  const ReadingOutcome outcome = RunReading(reading, env, CurrentPanel(), target);
  // Pieces a damaged file left out are said in the status bar, never hidden and
  // never in a box that stops the user.
  QStringList missing;
  for (const std::string& line : outcome.missing) missing << ToQString(line);
  if (missing.isEmpty()) {
    statusBar()->clearMessage();
  } else {
    statusBar()->showMessage(missing.join(QStringLiteral("；")));
  }
  switch (outcome.kind) {
    case OutcomeKind::InputMessage:
      ShowPrompt(ToQString(outcome.message));
      return;
    case OutcomeKind::ErrorBox:
      ShowErrorBox(ToQString(outcome.message));
      break;
    case OutcomeKind::Done:
    case OutcomeKind::DoneWithMissing:
    case OutcomeKind::Stopped:
      break;
  }
  if (!outcome.paneChanged) {
    if (outcome.scrollWithoutChange && !report_.Empty()) ScrollResultToTop();
    return;
  }
  savedFile_.clear();  // a new reading is a new document
  ShowReport();
  if (outcome.scrollToTop) {
    ScrollResultToTop();
  } else {
    // The view stays where the reading ends, as if it had been written line by line.
    result_->moveCursor(QTextCursor::End);
    result_->ensureCursorVisible();
  }
}

TFrmChangeName* TFrmmain::NamingAssistant() const { return naming_.data(); }
TFrmQigua* TFrmmain::CoinHexagramWindow() const { return qigua_.data(); }
TFrmzhiwen* TFrmmain::FingerprintWindow() const { return zhiwen_.data(); }

TFRM_Date* TFrmmain::PerpetualCalendar() const { return calendar_.data(); }

void TFrmmain::OnPerpetualCalendar() {
  // Each opening starts afresh on today.
  delete calendar_.data();
  calendar_ = new TFRM_Date(today_, this);
  calendar_->setAttribute(Qt::WA_DeleteOnClose);
  calendar_->setWindowModality(Qt::ApplicationModal);
  calendar_->show();
}

int TFrmmain::CurrentYear() const { return QDate::currentDate().year(); }

void TFrmmain::OnNamingAssistant() {
  const Panel panel = CurrentPanel();
  const std::string surname = text::Trim(panel.surname), given = text::Trim(panel.givenName);
  if (surname.empty()) {
    ShowPrompt(QStringLiteral("姓不能为空!"));
    return;
  }
  if (given.empty()) {
    ShowPrompt(QStringLiteral("名不能为空!"));
    return;
  }
  birth_.surname = surname;
  birth_.givenName = given;
  // One assistant at a time: an earlier one gives way to the new surname.
  if (naming_) naming_->close();
  naming_ = new TFrmChangeName(content_, surname, this);
  naming_->show();
}

void TFrmmain::OpenTestWindow(QWidget* window) {
  // Modal, without blocking the event loop; it deletes itself when closed.
  window->show();
}

void TFrmmain::OnCoinHexagram() {
  // Every opening starts from a fresh window.
  delete qigua_.data();
  const auto seed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
  qigua_ = new TFrmQigua(content_, seed, this);
  qigua_->setWindowModality(Qt::ApplicationModal);
  qigua_->show();
}

void TFrmmain::OnFingerprint() {
  delete zhiwen_.data();
  zhiwen_ = new TFrmzhiwen(content_, this);
  zhiwen_->setWindowModality(Qt::ApplicationModal);
  zhiwen_->show();
}

void TFrmmain::OnAlmanac() {
  // Several may be open at once, each with its own day; closing one deletes it.
  const std::chrono::year_month_day today(today_());
  auto* almanac = new TFormHuangdao(
      content_,
      QDate(static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
            static_cast<int>(static_cast<unsigned>(today.day()))),
      this);
  almanac->show();
}

void TFrmmain::OnFontSizeChosen(int index) {
  resultPointSize_ = PointSizeOfFontItem(index);
  result_->setFont(ResultFont(resultPointSize_, result_->logicalDpiY()));
}

void TFrmmain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // A window restored from the task bar is not shown anew.
  if (event->spontaneous()) return;
  adoqName_ = content_.QueryOn(data::DatabaseFile::MorFile);
  panel_->SurnameEdit()->setFocus();
}

void TFrmmain::closeEvent(QCloseEvent* event) {
  // The close box ends the program like "退出系统": at once, whatever other
  // windows are open, and nothing is saved.
  event->accept();
  QCoreApplication::exit(0);
}

}  // namespace vessa
