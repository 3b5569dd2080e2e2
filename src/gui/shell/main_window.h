#pragma once

#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <filesystem>
#include <functional>

#include "core/bazi/bazi_chart.h"
#include "core/data/content_store.h"
#include "core/input/birth_input.h"
#include "core/reports/reading.h"
#include "core/reports/report_buffer.h"
#include "gui/shell/command_map.h"

class QComboBox;
class QPlainTextEdit;
class QWidget;

namespace vessa {

class InputPanel;
class TFrmChangeName;

// The main window: the input panel, the command pages, the result pane with its
// action bar, and the menu bar. It owns the birth data of the last reading and
// the result pane's lines.
class TFrmmain : public QMainWindow {
  Q_OBJECT

 public:
  // The databases and rule files are found beside the executable, or in
  // dataFolder when one is given.
  explicit TFrmmain(QWidget* parent = nullptr, std::filesystem::path dataFolder = {});

  // Makes every menu item and button captioned exactly `caption` (in the places
  // given) run `action` through the command runner, and enables them; an earlier
  // binding of those controls is replaced. Returns how many controls were bound.
  // Captions without a binding stay visible and disabled.
  int BindCommand(const QString& caption, std::function<void()> action,
                  CommandPlaces places = kEveryPlace);

  const BirthInput& Birth() const { return birth_; }
  // The chart of the last Bazi reading.
  const BaziChart& Chart() const { return chart_; }
  // The naming assistant while it is open.
  TFrmChangeName* NamingAssistant() const;
  Panel CurrentPanel() const;

  ReportBuffer& Report() { return report_; }
  // Shows the buffer in the result pane and makes the pane visible; once shown,
  // the pane stays visible.
  void ShowReport();
  // Shows the buffer in the result pane without changing whether it is visible.
  void RefreshResultPane();
  // Brings the result pane's view back to its first line.
  void ScrollResultToTop();

  // The nominal size of the result pane's font (the print-out uses it too).
  int ResultPointSize() const { return resultPointSize_; }

  const data::ContentStore& Content() const { return content_; }

  // The clock of the windows that show today (the almanac); the system's date
  // unless a test sets another.
  void SetClock(std::function<QDate()> today) { today_ = std::move(today); }
  // The three-talent lookup's query, bound to MorFile each time the window is shown.
  data::Query& ADOQname() { return adoqName_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  // The road of every reading of the pane: its input step and writer (the core
  // turns whatever happens into one outcome), then the outcome's closing steps:
  // an input message in the prompt box, an error in the error box, and the pane
  // shown (and brought to its first line) whenever the reading touched it.
  void RunPaneReading(const Reading& reading);

 private:
  void BuildWindow();
  QWidget* BuildResultArea();
  void BindCommands();

  void OnConstellationReading();
  void OnNamingAssistant();
  // A new almanac window, modeless, on today's entry.
  void OnAlmanac();
  // The environment of the readings: the databases and this year.
  int CurrentYear() const;
  void OnFontSizeChosen(int index);

  data::ContentStore content_;
  data::Query adoqName_;
  BirthInput birth_;
  BaziChart chart_;
  ReportBuffer report_;
  QPointer<TFrmChangeName> naming_;
  std::function<QDate()> today_;
  CommandMap commands_;
  int resultPointSize_;

  InputPanel* panel_ = nullptr;
  QWidget* resultArea_ = nullptr;
  QPlainTextEdit* result_ = nullptr;  // RzMemo1
  QComboBox* fontSize_ = nullptr;     // CBFont
};

}  // namespace vessa
