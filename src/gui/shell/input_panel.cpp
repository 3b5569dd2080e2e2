#include "gui/shell/input_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell/almanac_banner.h"
#include "gui/shell/command_table.h"
#include "gui/kit/gbk_length_validator.h"
#include "gui/kit/qt_text.h"

namespace vessa {
namespace {

QStringList NumberItems(int first, int last) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QString::number(n);
  return items;
}

QLineEdit* NameEdit(const char* objectName, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(objectName));
  edit->setValidator(new GbkLengthValidator(InputPanel::kNameBytes, edit));
  edit->setFixedWidth(46);
  return edit;
}

// An editable list: the panel only checks that a field is not blank, so typed
// text is kept as typed and never added to the items.
QComboBox* List(const char* objectName, const QStringList& items, const QString& current, int width,
                QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QLatin1String(objectName));
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->addItems(items);
  list->setCurrentIndex(list->findText(current));
  list->setFixedWidth(width);
  return list;
}

QLabel* Label(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0x5a, 0x1a, 0x0c));
  label->setPalette(palette);
  return label;
}

}  // namespace

InputPanel::InputPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("InputPanel"));
  setFixedHeight(kHeight);

  nameA_ = NameEdit("NameA", this);
  nameB_ = NameEdit("NameB", this);
  sex_ = List("Sex", {QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("男"), 44, this);
  bloodType_ = List(
      "Xuxing",
      {QStringLiteral("A型"), QStringLiteral("B型"), QStringLiteral("O型"), QStringLiteral("AB型")},
      QStringLiteral("A型"), 54, this);
  calendar_ = List("ComDate", {ToQString(kSolarEntry), ToQString(kLunarEntry)},
                   ToQString(kSolarEntry), 80, this);
  // Through 2099, so that a child born this year can be entered.
  year_ = List("SYear", NumberItems(1900, 2099), QStringLiteral("1980"), 60, this);
  month_ = List("SMonth", NumberItems(1, 12), QStringLiteral("1"), 40, this);
  day_ = List("Sday", NumberItems(1, 31), QStringLiteral("1"), 40, this);
  QStringList hours;
  for (std::string_view item : kHourItems) hours << ToQString(item);
  hour_ = List("Shour", hours, hours.front(), 60, this);
  minute_ = List("Fengzhong", NumberItems(0, 59), QStringLiteral("0"), 40, this);
  minute_->setMaxVisibleItems(30);

  auto* fields = new QHBoxLayout;
  fields->setSpacing(2);
  const auto labelled = [&](const QString& label, QWidget* field) {
    fields->addWidget(Label(label, this));
    fields->addWidget(field);
    fields->addSpacing(3);
  };
  const auto unitAfter = [&](QWidget* field, const QString& unit) {
    fields->addWidget(field);
    fields->addWidget(Label(unit, this));
  };
  labelled(QStringLiteral("姓"), nameA_);
  labelled(QStringLiteral("名"), nameB_);
  labelled(QStringLiteral("姓别"), sex_);
  labelled(QStringLiteral("血型"), bloodType_);
  fields->addWidget(calendar_);
  fields->addSpacing(4);
  unitAfter(year_, QStringLiteral("年"));
  unitAfter(month_, QStringLiteral("月"));
  unitAfter(day_, QStringLiteral("日"));
  unitAfter(hour_, QStringLiteral("时"));
  unitAfter(minute_, QStringLiteral("分"));
  fields->addStretch(1);

  auto* commands = new QHBoxLayout;
  commands->setSpacing(6);
  for (std::size_t i = 0; i < kPanelCommands.size(); ++i) {
    buttons_[i] = new QPushButton(ToQString(kPanelCommands[i]), this);
    buttons_[i]->setFixedSize(76, 24);
    commands->addWidget(buttons_[i]);
  }
  commands->addStretch(1);

  auto* caption = Label(QStringLiteral("请输入基本信息："), this);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);

  auto* rows = new QVBoxLayout(this);
  // The right end is left to the trigram ring of the banner.
  rows->setContentsMargins(10, 6, kBannerEmblemWidth, 7);
  rows->setSpacing(3);
  rows->addWidget(caption);
  rows->addLayout(fields);
  rows->addLayout(commands);

  QWidget* order[] = {nameA_, nameB_, sex_, bloodType_, calendar_,
                      year_,  month_, day_, hour_,      minute_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  setTabOrder(minute_, buttons_.front());
  for (std::size_t i = 1; i < buttons_.size(); ++i) setTabOrder(buttons_[i - 1], buttons_[i]);
}

Panel InputPanel::Read() const {
  const auto text = [](const QComboBox* list) { return list->currentText().toStdString(); };
  Panel panel;
  panel.surname = nameA_->text().toStdString();
  panel.givenName = nameB_->text().toStdString();
  panel.sex = text(sex_);
  panel.bloodType = text(bloodType_);
  // The item whose text the list shows; typed text that is no item counts as no selection.
  panel.calendarIndex = calendar_->findText(calendar_->currentText());
  panel.year = text(year_);
  panel.month = text(month_);
  panel.day = text(day_);
  panel.hour = text(hour_);
  panel.minute = text(minute_);
  return panel;
}

void InputPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintAlmanacBanner(painter, rect());
}

}  // namespace vessa
