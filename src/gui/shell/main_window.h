#pragma once

#include <QMainWindow>
#include <QPageLayout>
#include <QPointer>
#include <QString>

#include <filesystem>
#include <functional>

#include "core/bazi/bazi_chart.h"
#include "core/data/content_store.h"
#include "core/input/birth_input.h"
#include "core/reports/reading.h"
#include "core/reports/report_buffer.h"
#include "gui/kit/file_seam.h"
#include "core/text/date_text.h"
#include "gui/shell/command_map.h"

class QComboBox;
class QPlainTextEdit;
class QWidget;

namespace vessa {

class InputPanel;
class TFrmChangeName;
class TFRM_Date;
class TFrmQigua;
class TFrmzhiwen;

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
  // The perpetual calendar while it is open.
  TFRM_Date* PerpetualCalendar() const;
  // Where the perpetual calendar and the almanac take "today" from; the
  // machine's clock unless a test sets another.
  void SetTodayClock(std::function<Date()> today) { today_ = std::move(today); }
  // The coin hexagram and fingerprint windows of the last opening (null before).
  TFrmQigua* CoinHexagramWindow() const;
  TFrmzhiwen* FingerprintWindow() const;
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
  // The page layout of the pane's print-out.
  const QPageLayout& PrintLayout() const { return printLayout_; }

  const data::ContentStore& Content() const { return content_; }

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

  // Shows a tool window of the number tests.
  void OpenTestWindow(QWidget* window);
  void OnNamingAssistant();

  // The shell's own commands (shell_actions.cpp): a new reading, text files in and
  // out of the pane, page setup and printing, articles, help and the static windows.
  void BindShellActions();
  void OnNewReading();
  void OnOpenRecord();
  void OnSave(bool askName);
  void OnPageSetup();
  void OnPrint();
  QFont PrintFont() const;
  void OnPerpetualCalendar();
  void OnCoinHexagram();
  void OnFingerprint();
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
  QPointer<TFRM_Date> calendar_;
  std::function<Date()> today_;
  QPointer<TFrmQigua> qigua_;
  QPointer<TFrmzhiwen> zhiwen_;
  CommandMap commands_;
  int resultPointSize_;
  QPageLayout printLayout_;  // of the pane's print-out, set by "打印设置..."
  QString savedFile_;        // where "保存测算" saves the pane's reading again
  TextEncoding savedEncoding_ = TextEncoding::Utf8;

  InputPanel* panel_ = nullptr;
  QWidget* resultArea_ = nullptr;
  QPlainTextEdit* result_ = nullptr;  // RzMemo1
  QComboBox* fontSize_ = nullptr;     // CBFont
};

}  // namespace vessa
