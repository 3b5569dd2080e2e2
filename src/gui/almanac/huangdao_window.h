#pragma once

#include <QDate>
#include <QWidget>

#include <array>
#include <string_view>

#include "core/data/content_store.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;

namespace vessa {

// The almanac window "黄道吉日": the entry of one day read from the table huangdao
// of MorBirth.dll, the glossary of the activities, and below them a search for the
// days good for an activity. Modeless; each command opens a new one, which shows
// `today`'s entry as soon as it is shown and deletes itself when closed.
class TFormHuangdao : public QWidget {
  Q_OBJECT

 public:
  TFormHuangdao(const data::ContentStore& store, QDate today, QWidget* parent = nullptr);

  // "测算": the day the three boxes name, or one of the four prompts.
  void Lookup();
  // "查询": the days between the two dates good for the activity and not bad for it.
  void Search();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  data::Query adoQuery1_;  // ADOQuery1, on MorBirth, for the window's life
  QDate today_;
  bool shown_ = false;

  QComboBox* yearBox_;
  QComboBox* monthBox_;
  QComboBox* dayBox_;
  QLabel* dayLine_;
  QPlainTextEdit* result_;
  QPlainTextEdit* glossary_;
  QComboBox* activityBox_;
  QDateEdit* fromDate_;
  QDateEdit* toDate_;
  QPlainTextEdit* searchResult_;
};

// The glossary pane's 34 lines, in order.
extern const std::array<std::string_view, 34> kHuangdaoGlossary;

}  // namespace vessa
