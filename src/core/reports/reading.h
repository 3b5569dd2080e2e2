#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/bazi/bazi_chart.h"
#include "core/data/content_store.h"
#include "core/input/birth_input.h"
#include "core/reports/report_buffer.h"

// The contract every reading of the result pane follows, whichever front end
// runs it: the input step once, then the writer, then one outcome.
namespace vessa {

// What a reading needs from around it; the core reads no clock or global.
struct ReadingEnv {
  const data::ContentStore& store;  // the databases; the rule files lie in its folder
  int nowYear;                      // the year of the system clock
  // The window's long-lived query object of the three-talent lookup; null: a
  // query of the lookup's own on MorFile.dll.
  const data::Query* threeTalentQuery = nullptr;
  // What the front end asked the user for the reading's `ask` (below), one text
  // per answer: the window from its dialog, the command line from its arguments.
  // Empty for a reading that asks nothing.
  std::vector<std::string> answers = {};
};

// The window's state a reading reads and overwrites: the birth record of the
// last request, the current chart and the result pane.
struct ReadingTarget {
  BirthInput& birth;
  BaziChart& chart;
  ReportBuffer& out;
};

enum class OutcomeKind {
  Done,             // written in full
  DoneWithMissing,  // written, but a damaged lookup or rule file left pieces out
  InputMessage,     // the input step refused the panel: nothing written
  Stopped,          // a failure under the cancel policy ended it; what was written stays
  ErrorBox,         // an error the application's error box shows; what was written stays
};

struct ReadingOutcome {
  OutcomeKind kind = OutcomeKind::Done;
  // The input message, the reason a reading stopped, or the error box's text.
  std::string message;
  // One line per damaged file whose pieces are missing (DoneWithMissing).
  std::vector<std::string> missing;
  // Whether the result pane was cleared or written: the window then shows it.
  bool paneChanged = false;
  // Whether the view goes back to the first line afterwards.
  bool scrollToTop = true;
  // Whether it goes back there even when the pane was left as it was (provided
  // the pane holds a line).
  bool scrollWithoutChange = false;
};

// What a front end asks the user before the reading, beyond the panel; the
// answers reach the writer in ReadingEnv::answers.
enum class ReadingAsk {
  Nothing,
  // The three characters of the character test: one answer, the three texts
  // joined in order (each one Chinese character, or "" for an empty box; ""
  // altogether when the user closed the dialog).
  ThreeCharacters,
};

// Which input step runs before the writer.
enum class ReadingInput {
  None,  // no step: the reading uses the names stored by the last request
  Bazi,  // ReadBirthInput of its kind
  Name,
  Constellation,
  PanelNames,  // only the panel's names, trimmed, stored as the last request's
};

struct Reading {
  std::string_view id;
  // The captions of the window's menu items and buttons that run it.
  std::vector<std::string_view> captions;
  std::string_view cliName;  // "" when the command line has no command for it
  std::string_view summary;  // one line for the command line's help
  ReadingInput input;
  // The step the command line runs instead, where the window relies on an earlier
  // request (the command line has none: its panel options are that request).
  ReadingInput cliInput;
  bool scrollToTop;
  // Writes the reading; the input step has passed. Returns false when it left the
  // pane untouched. Failures are thrown: SilentAbort (cancel) or any other
  // std::exception (the error box).
  std::function<bool(const ReadingEnv&, const Panel&, ReadingTarget&)> write;
  // The view goes back to the first line even when the writer left the pane as
  // it was.
  bool scrollWithoutChange = false;
  // What the front end asks before the writer runs.
  ReadingAsk ask = ReadingAsk::Nothing;
};

// Every reading of the result pane.
const std::vector<Reading>& Readings();
// The reading with that id; null for none.
const Reading* FindReading(std::string_view id);

// Runs the input step of `input` (once), then the writer, and turns whatever
// happens into the outcome. Never throws.
ReadingOutcome RunReading(const Reading& reading, ReadingInput input, const ReadingEnv& env,
                          const Panel& panel, ReadingTarget& target);
inline ReadingOutcome RunReading(const Reading& reading, const ReadingEnv& env, const Panel& panel,
                                 ReadingTarget& target) {
  return RunReading(reading, reading.input, env, panel, target);
}

}  // namespace vessa
