#include "gui/shell/info_windows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/articles/birth_sex_table.h"
#include "gui/shell/almanac_banner.h"
#include "gui/kit/qt_text.h"

namespace vessa {
namespace {

// A modal dialog with a close button under its content.
void RunDialog(QDialog& dialog, QLayout* content) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(content, 1);
  layout->addWidget(buttons);
  dialog.exec();
}

QLabel* Paragraph(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// One page of the folk table: ages down, the twelve lunar months across.
QTableWidget* BirthSexPage(int firstAge, int lastAge, QWidget* parent) {
  static const char* kMonths[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                  "七月", "八月", "九月", "十月", "冬月", "腊月"};
  auto* table = new QTableWidget(lastAge - firstAge + 1, 12, parent);
  table->setObjectName(QStringLiteral("BirthSexTable%1").arg(firstAge));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  QStringList months;
  for (const char* m : kMonths) months << QString::fromUtf8(m);
  table->setHorizontalHeaderLabels(months);
  QStringList ages;
  for (int age = firstAge; age <= lastAge; ++age) ages << QStringLiteral("%1岁").arg(age);
  table->setVerticalHeaderLabels(ages);
  for (int age = firstAge; age <= lastAge; ++age) {
    for (int m = 1; m <= 12; ++m) {
      const QString sex = ToQString(BirthSexOf(age, m));
      auto* cell = new QTableWidgetItem(sex);
      cell->setTextAlignment(Qt::AlignCenter);
      cell->setForeground(sex == QStringLiteral("男") ? QColor(0x1f, 0x4e, 0x9c)
                                                      : QColor(0xb0, 0x26, 0x5a));
      table->setItem(age - firstAge, m - 1, cell);
    }
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  return table;
}

}  // namespace

void ShowAboutBox(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QLatin1String(kAboutBoxName));
  dialog.setWindowTitle(QStringLiteral("关于系统"));
  auto* emblem = new QLabel(&dialog);
  emblem->setPixmap(ProgramIcon().pixmap(96, 96));
  auto* text = Paragraph(
      QStringLiteral("<b>Vessa八字软件</b> %1<br><br>"
                     "生辰八字排盘、称骨与血型、姓名五格与起名、星座、数字与网名测试、"
                     "金钱卦、诸葛神数、指纹与民俗占验、万年历与黄历。<br><br>"
                     "历法与节气由本软件自行推算：农历据通行的农历表，节气交接时刻取自天文历算，"
                     "精确到秒。所有解说仅供参考，人生的路还要靠自己走。<br><br>"
                     "使用中的问题与建议，请经“帮助”菜单中的“给我们发邮件”告诉我们。")
          .arg(QCoreApplication::applicationVersion()),
      &dialog);
  text->setTextFormat(Qt::RichText);
  auto* row = new QHBoxLayout;
  row->addWidget(emblem, 0, Qt::AlignTop);
  row->addWidget(text, 1);
  dialog.resize(460, 260);
  RunDialog(dialog, row);
}

void ShowServiceWindow(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QLatin1String(kServiceWindowName));
  dialog.setWindowTitle(QStringLiteral("客户服务"));
  auto* layout = new QVBoxLayout;
  const std::pair<const char*, const char*> sections[] = {
      {"合作",
       "欢迎出版社、文化机构和软件同行就内容授权、功能定制与共同推广与我们联系。"
       "合作事宜请写明单位、联系人和设想，我们会在三个工作日内回复。"},
      {"服务时间",
       "工作日上午九点至下午五点半（北京时间）处理来信；节假日收到的来信顺延至节后第一个工作日。"},
      {"联系渠道",
       "请通过“帮助”菜单的“给我们发邮件”写信，主题会自动填为“Vessa 反馈”。"
       "“公司主页”与“QQ服务”打开随软件附带的帮助文件中的联系页，那里说明了如何在设置文件中"
       "填写实际使用的网址与信箱。"},
      {"反馈问题时",
       "请写明所用的功能、输入的出生资料或号码，以及看到的结果与您认为应有的结果，"
       "能附上保存的测算文本就更好了。"},
  };
  for (const auto& [title, body] : sections) {
    auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(QString::fromUtf8(title)), &dialog);
    layout->addWidget(heading);
    layout->addWidget(Paragraph(QString::fromUtf8(body), &dialog));
  }
  layout->addStretch(1);
  dialog.resize(480, 360);
  RunDialog(dialog, layout);
}

void ShowBirthSexTableWindow(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QLatin1String(kBirthSexWindowName));
  dialog.setWindowTitle(QStringLiteral("生男生女"));
  auto* layout = new QVBoxLayout;
  layout->addWidget(Paragraph(
      QStringLiteral("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个"
                     "月份计算，下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男"
                     "还是女。"),
      &dialog));
  auto* pages = new QTabWidget(&dialog);
  pages->setObjectName(QStringLiteral("BirthSexPages"));
  pages->addTab(BirthSexPage(18, 31, pages), QStringLiteral("18到31岁"));
  pages->addTab(BirthSexPage(32, 44, pages), QStringLiteral("32到44岁"));
  auto* secret = new QTextBrowser(pages);
  secret->setObjectName(QStringLiteral("BirthSexNote"));
  secret->setHtml(QStringLiteral("<h3>%1</h3><p style='line-height:150%'>%2</p>")
                      .arg(ToQString(BirthSexNoteTitle()), ToQString(BirthSexNote())));
  pages->addTab(secret, QStringLiteral("生男生女有秘诀"));
  layout->addWidget(pages, 1);
  dialog.resize(720, 560);
  RunDialog(dialog, layout);
}

}  // namespace vessa
