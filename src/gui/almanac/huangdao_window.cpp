#include "gui/almanac/huangdao_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

#include "core/almanac/day_facts.h"
#include "core/almanac/huangdao_lookup.h"
#include "core/text/date_text.h"
#include "core/text/text.h"
#include "gui/kit/command_runner.h"
#include "gui/kit/message_seam.h"
#include "gui/kit/qt_text.h"

namespace vessa {

const std::array<std::string_view, 34> kHuangdaoGlossary = {
    "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ",
    "祭祀 ：指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事 ",
    "安葬 ：举行埋葬等仪式 ",
    "出行 ：指外出旅行、观光游览 ",
    "祈福 ：祈求神明降福或设醮还愿之事 ",
    "动土 ：建筑时、第一次动起锄头挖土 ",
    "安床 ：指安置睡床卧铺之意 ",
    "开光 ：佛像塑成后、供奉上位之事 ",
    "纳采 ：缔结婚姻的仪式、受授聘金 ",
    "入殓 ：将尸体放入棺材之意 ",
    "移徙 ：指搬家迁移住所之意 ",
    "破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即“破土”属阴宅，“动土”属阳宅也。现",
    "今社会上多已滥用属阴宅择日时属阴宅须辨别之。 ",
    "解除 ：指冲洗清扫宅舍、解除灾厄等事 ",
    "入宅 ：即迁入新宅、所谓“新居落成典礼”也 ",
    "修造 ：指阳宅之造与修理 ",
    "栽种 ：种植物“接果”“种田禾”同 ",
    "开市 ：“开业”之意，商品行号开张做生意“开幕典礼”“开工”同。包括：(1)年头初开始营业或开工等",
    "事(2)新设店铺商行或新厂开幕等事 ",
    "移柩 ：行葬仪时、将棺木移出屋外之事 ",
    "订盟 ：订婚仪式的一种，俗称小聘(订) ",
    "拆卸 ：拆掉建筑物 ",
    "立卷 ：订立各种契约互相买卖之事 ",
    "交易 ：订立各种契约互相买卖之事 ",
    "求嗣 ：指向神明祈求后嗣(子孙)之意 ",
    "上梁 ：装上建筑物屋顶的梁，同架马 ",
    "纳财 ：购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等 ",
    "起基 ：建筑时、第一次动起锄头挖土 ",
    "斋醮 ：庙宇建醮前需举行的斋戒仪式 ",
    "赴任 ：走马上任 ",
    "冠笄 ：男女年满二十岁所举行的成年礼仪式 ",
    "安门 ：放置正门门框 ",
    "修坟 ：修理坟墓 ",
    "挂匾 ：指悬挂招牌或各种匾额",
};

namespace {

QDate ToQDate(Date d) {
  const std::chrono::year_month_day ymd{d};
  return QDate(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
               static_cast<int>(static_cast<unsigned>(ymd.day())));
}

Date FromQDate(const QDate& d) {
  return MakeDate(d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
}

// An editable list of numbered items: "1901" … "2100", "01" … "12".
QComboBox* NumberBox(const char* objectName, int first, int last, int width, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(objectName));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(12);
  for (int n = first; n <= last; ++n) {
    box->addItem(QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')));
  }
  return box;
}

QPlainTextEdit* Pane(const char* objectName, QWidget* parent) {
  auto* pane = new QPlainTextEdit(parent);
  pane->setObjectName(QLatin1String(objectName));
  pane->setReadOnly(true);
  return pane;
}

QString Trimmed(const QComboBox* box) { return box->currentText().trimmed(); }

}  // namespace

TFormHuangdao::TFormHuangdao(const data::ContentStore& store, QDate today, QWidget* parent)
    : QWidget(parent, Qt::Window),
      adoQuery1_(store.QueryOn(data::DatabaseFile::MorBirth)),
      today_(today) {
  setObjectName(QStringLiteral("TFormHuangdao"));
  setWindowTitle(QStringLiteral("黄道吉日"));
  setAttribute(Qt::WA_DeleteOnClose);

  // The years the almanac covers, the months, the days; any text may be typed.
  yearBox_ = NumberBox("YearBox", 1901, 2100, 4, this);
  monthBox_ = NumberBox("MonthBox", 1, 12, 2, this);
  dayBox_ = NumberBox("DayBox", 1, 31, 2, this);
  auto* lookup = new QPushButton(QStringLiteral("测算"), this);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(yearBox_);
  dateRow->addWidget(new QLabel(QStringLiteral("年"), this));
  dateRow->addWidget(monthBox_);
  dateRow->addWidget(new QLabel(QStringLiteral("月"), this));
  dateRow->addWidget(dayBox_);
  dateRow->addWidget(new QLabel(QStringLiteral("日"), this));
  dateRow->addSpacing(12);
  dateRow->addWidget(lookup);
  dateRow->addWidget(close);
  dateRow->addStretch(1);

  auto* overview = new QLabel(QStringLiteral("当日统览："), this);
  dayLine_ = new QLabel(this);
  dayLine_->setObjectName(QStringLiteral("DayLine"));
  QPalette red = dayLine_->palette();
  red.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
  dayLine_->setPalette(red);
  QFont lineFont = dayLine_->font();
  lineFont.setPointSize(lineFont.pointSize() + 3);
  lineFont.setBold(true);
  dayLine_->setFont(lineFont);

  auto* resultGroup = new QGroupBox(QStringLiteral("测算结果："), this);
  result_ = Pane("ResultMemo", resultGroup);
  auto* resultLayout = new QVBoxLayout(resultGroup);
  resultLayout->addWidget(result_);

  auto* glossaryGroup = new QGroupBox(QStringLiteral("黄历名词解释："), this);
  glossary_ = Pane("GlossaryMemo", glossaryGroup);
  QStringList glossary;
  for (std::string_view line : kHuangdaoGlossary) glossary << ToQString(line);
  glossary_->setPlainText(glossary.join(QLatin1Char('\n')));
  auto* glossaryLayout = new QVBoxLayout(glossaryGroup);
  glossaryLayout->addWidget(glossary_);

  auto* panes = new QHBoxLayout;
  panes->addWidget(resultGroup, 3);
  panes->addWidget(glossaryGroup, 2);

  // The search: an activity and a span of days.
  auto* searchGroup = new QGroupBox(QStringLiteral("按事择日："), this);
  searchGroup->setObjectName(QStringLiteral("SearchGroup"));
  activityBox_ = new QComboBox(searchGroup);
  activityBox_->setObjectName(QStringLiteral("ActivityBox"));
  activityBox_->setEditable(true);
  activityBox_->setInsertPolicy(QComboBox::NoInsert);
  for (std::string_view name : almanac::ActivityNames()) activityBox_->addItem(ToQString(name));
  activityBox_->setCurrentText(QStringLiteral("嫁娶"));
  const QDate first = ToQDate(almanac::kFirstAlmanacDay), last = ToQDate(almanac::kLastAlmanacDay);
  fromDate_ = new QDateEdit(searchGroup);
  fromDate_->setObjectName(QStringLiteral("FromDate"));
  toDate_ = new QDateEdit(searchGroup);
  toDate_->setObjectName(QStringLiteral("ToDate"));
  for (QDateEdit* edit : {fromDate_, toDate_}) {
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setDateRange(first, last);
  }
  const QDate start = std::clamp(today_, first, last);
  fromDate_->setDate(start);
  toDate_->setDate(std::min(start.addDays(30), last));
  auto* search = new QPushButton(QStringLiteral("查询"), searchGroup);
  searchResult_ = Pane("SearchResult", searchGroup);
  searchResult_->setPlaceholderText(
      QStringLiteral("选择事项和日期范围，按“查询”列出宜做此事而不忌此事的日子。"));
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(new QLabel(QStringLiteral("事项："), searchGroup));
  searchRow->addWidget(activityBox_);
  searchRow->addSpacing(8);
  searchRow->addWidget(new QLabel(QStringLiteral("从"), searchGroup));
  searchRow->addWidget(fromDate_);
  searchRow->addWidget(new QLabel(QStringLiteral("至"), searchGroup));
  searchRow->addWidget(toDate_);
  searchRow->addWidget(search);
  searchRow->addStretch(1);
  auto* searchLayout = new QVBoxLayout(searchGroup);
  searchLayout->addLayout(searchRow);
  searchLayout->addWidget(searchResult_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(dateRow);
  layout->addWidget(overview);
  layout->addWidget(dayLine_);
  layout->addLayout(panes, 4);
  layout->addWidget(searchGroup, 2);
  resize(860, 780);

  connect(lookup, &QPushButton::clicked, this, [this] { RunCommand([this] { Lookup(); }); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(search, &QPushButton::clicked, this, [this] { RunCommand([this] { Search(); }); });
}

void TFormHuangdao::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  yearBox_->setCurrentText(QStringLiteral("%1").arg(today_.year(), 4, 10, QLatin1Char('0')));
  monthBox_->setCurrentText(QStringLiteral("%1").arg(today_.month(), 2, 10, QLatin1Char('0')));
  dayBox_->setCurrentText(QStringLiteral("%1").arg(today_.day(), 2, 10, QLatin1Char('0')));
  RunCommand([this] { Lookup(); });
}

void TFormHuangdao::Lookup() {
  const QString year = Trimmed(yearBox_), month = Trimmed(monthBox_), day = Trimmed(dayBox_);
  if (year.isEmpty()) {
    ShowPrompt(QStringLiteral("请选择年!"));
    return;
  }
  if (month.isEmpty()) {
    ShowPrompt(QStringLiteral("请选择月!"));
    return;
  }
  if (day.isEmpty()) {
    ShowPrompt(QStringLiteral("请选择日!"));
    return;
  }
  // The texts as they stand: year 2010, month 05 and day 01 give 2010-05-01.
  const std::string joined =
      (year + QLatin1Char('-') + month + QLatin1Char('-') + day).toStdString();
  if (!TryParseDate(joined).has_value()) {
    ShowPrompt(QStringLiteral("请选择有效的日期!"));
    return;
  }
  const std::optional<almanac::Entry> entry = almanac::LookupHuangdao(adoQuery1_, joined);
  // A day the table lacks leaves the window as it was.
  if (!entry.has_value()) return;
  dayLine_->setText(ToQString(almanac::DayLine(joined, *entry)));
  QStringList lines;
  for (const std::string& line : almanac::EntryLines(*entry)) lines << ToQString(line);
  result_->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFormHuangdao::Search() {
  const std::string activity = text::Trim(activityBox_->currentText().toStdString());
  if (!almanac::IsActivity(activity)) {
    searchResult_->setPlainText(activity.empty()
                                    ? QStringLiteral("请先选择一个事项。")
                                    : QStringLiteral("“%1”不在宜忌所用的事项之中，请从列表中选择。")
                                          .arg(ToQString(activity)));
    return;
  }
  const QDate from = fromDate_->date(), to = toDate_->date();
  const QString span = from.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("至") +
                       to.toString(QStringLiteral("yyyy-MM-dd"));
  if (to < from) {
    searchResult_->setPlainText(QStringLiteral("起始日期晚于结束日期，请重新选择日期范围。"));
    return;
  }
  const std::vector<almanac::GoodDay> days =
      almanac::GoodDays(adoQuery1_, activity, FromQDate(from), FromQDate(to));
  const QString name = ToQString(activity);
  if (days.empty()) {
    searchResult_->setPlainText(QStringLiteral("%1之间没有宜%2而不忌%2的日子。").arg(span, name));
    return;
  }
  QStringList lines;
  lines << QStringLiteral("%1之间宜%2而不忌%2的日子，共%3天：")
               .arg(span, name)
               .arg(static_cast<qsizetype>(days.size()));
  for (const almanac::GoodDay& d : days) lines << ToQString(d.gn + "  " + d.nn);
  searchResult_->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace vessa
