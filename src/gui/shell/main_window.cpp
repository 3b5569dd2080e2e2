#include "gui/shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
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
#include "gui/almanac/huangdao_window.h"
#include "gui/names/naming_window.h"
#include "gui/shell/command_runner.h"
#include "gui/shell/command_table.h"
#include "gui/shell/command_widgets.h"
#include "gui/shell/input_panel.h"
#include "gui/shell/message_seam.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/result_font.h"

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
      today_([] { return QDate::currentDate(); }),
      resultPointSize_(kDefaultResultPointSize) {
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
  for (const char* caption : {"星座测算", "星座详批"}) {
    BindCommand(QString::fromUtf8(caption), [this] { OnConstellationReading(); });
  }
  BindCommand(QStringLiteral("起名宝典"), [this] { OnNamingAssistant(); });
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
  const ReadingEnv env{content_, CurrentYear(), &adoqName_};
  ReadingTarget target{birth_, chart_, report_};
  const ReadingOutcome outcome = RunReading(reading, env, CurrentPanel(), target);
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
  if (!outcome.paneChanged) return;
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

void TFrmmain::OnAlmanac() {
  // Several may be open at once, each with its own day; closing one deletes it.
  auto* almanac = new TFormHuangdao(content_, today_(), this);
  almanac->show();
}

void TFrmmain::OnConstellationReading() {
  // The input step of the constellation reading runs; its report comes with the
  // constellation texts.
  const InputCheck check = ReadBirthInput(CurrentPanel(), BirthInputKind::Constellation, birth_);
  if (!check.ok()) ShowPrompt(ToQString(check.message));
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
