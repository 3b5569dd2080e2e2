#include <exception>

#include "core/reports/bazi_report.h"
#include "core/reports/constellation_report.h"
#include "core/reports/name_report.h"
#include "core/reports/reading.h"
#include "core/data/failure_log.h"
#include "core/reports/three_talent_reading.h"
#include "core/reports/zhuge_reading.h"
#include "core/text/errors.h"
#include "core/text/text.h"

namespace vessa {

namespace {

bool BaziWriter(const ReadingEnv& env, const Panel& panel, ReadingTarget& t) {
  WriteBaziReport(env, panel, t.birth, t.chart, t.out);
  return true;
}

template <BirthInfoMode kMode>
bool BirthInfoWriter(const ReadingEnv& env, const Panel& panel, ReadingTarget& t) {
  WriteBirthInfoReport(env, kMode, panel, t.birth, t.chart, t.out);
  return true;
}

bool NameWriter(const ReadingEnv& env, const Panel&, ReadingTarget& t) {
  NameReport(env, t.birth, t.out);
  return true;
}

bool ThreeTalentWriter(const ReadingEnv& env, const Panel&, ReadingTarget& t) {
  if (env.threeTalentQuery) return ThreeTalentReading(*env.threeTalentQuery, env.store, t.birth, t.out);
  return ThreeTalentReading(env.store.QueryOn(data::DatabaseFile::MorFile), env.store, t.birth, t.out);
}

bool ConstellationWriter(const ReadingEnv& env, const Panel&, ReadingTarget& t) {
  WriteConstellationReport(env, t.birth, t.out);
  return true;
}

template <ConstellationTopic kTopic>
bool TopicWriter(const ReadingEnv& env, const Panel&, ReadingTarget& t) {
  return WriteConstellationTopic(env, t.birth, kTopic, t.out);
}

bool OutlookWriter(const ReadingEnv&, const Panel&, ReadingTarget& t) {
  return WriteConstellationOutlook(t.birth, t.out);
}

bool ZhugeWriter(const ReadingEnv& env, const Panel&, ReadingTarget& t) {
  WriteZhugeReading(env.store, env.answers.empty() ? std::string() : env.answers.front(), t.out);
  return true;
}

std::vector<Reading> BuildReadings() {
  using enum ReadingInput;
  // One reading a row: id, captions, command, help line, input step of the
  // window and of the command line, view at the top, writer.
  // clang-format off
  return {
      {"bazi", {"八字测算", "八字详批"}, "bazi", "the detailed Bazi reading (八字详批)", Bazi, Bazi,
       true, BaziWriter},
      {"birthinfo", {"生辰信息"}, "birthinfo", "the birth information reading (生辰信息)", Bazi,
       Bazi, false, BirthInfoWriter<BirthInfoMode::BirthInfo>},
      {"boneweight", {"称骨算命"}, "boneweight", "the bone weight reading (称骨算命)", Bazi, Bazi,
       true, BirthInfoWriter<BirthInfoMode::BoneWeight>},
      {"bloodtype", {"血型论命"}, "bloodtype", "the blood-type reading (血型论命)", Bazi, Bazi, true,
       BirthInfoWriter<BirthInfoMode::BloodType>},
      {"name", {"姓名测算", "姓名详批"}, "name", "the name reading (姓名详批)", Name, Name, true,
       NameWriter},
      // The window reads the names the last request stored; on the command line the
      // panel options are that request.
      {"threetalent", {"三才吉凶"}, "threetalent", "the three-talent reading of the name (三才吉凶)",
       None, PanelNames, true, ThreeTalentWriter},
      {"constellation", {"星座测算", "星座详批"}, "constellation",
       "the constellation reading (星座详批)", Constellation, Constellation, true,
       ConstellationWriter},
      // The topic views and the outlook show the person of the last request; the
      // command line runs the constellation input step instead. "topic N" picks a
      // topic by its number. "情商解析" alone goes back to the first line even
      // when it wrote nothing.
      {"outlook", {"星座运程"}, "outlook", "the constellation outlook (星座运程)", None,
       Constellation, false, OutlookWriter},
      {"topic0", {"情商解析"}, "", "constellation topic 0 (情商解析)", None, Constellation, true,
       TopicWriter<ConstellationTopic::EqAnalysis>, true},
      {"topic1", {"星座实力"}, "", "constellation topic 1 (星座实力)", None, Constellation, false,
       TopicWriter<ConstellationTopic::Strength>},
      {"topic2", {"星座名人"}, "", "constellation topic 2 (星座名人)", None, Constellation, false,
       TopicWriter<ConstellationTopic::Celebrities>},
      {"topic3", {"身体保健"}, "", "constellation topic 3 (身体保健)", None, Constellation, false,
       TopicWriter<ConstellationTopic::Health>},
      {"topic4", {"五大建议"}, "", "constellation topic 4 (五大建议)", None, Constellation, false,
       TopicWriter<ConstellationTopic::FiveAdvice>},
      {"topic6", {"星座缺陷"}, "", "constellation topic 6 (星座缺陷)", None, Constellation, false,
       TopicWriter<ConstellationTopic::Defects>},
      // The three characters come from the dialog "测字算命" (the command line: CHARS).
      {"zhuge", {"诸葛测算", "测字论命", "诸葛神数 "}, "zhuge",
       "the Zhuge divination of three characters (诸葛神数)", None, None, true, ZhugeWriter,
       false, ReadingAsk::ThreeCharacters},
  };
  // clang-format on
}

BirthInputKind KindOf(ReadingInput input) {
  switch (input) {
    case ReadingInput::Name:
      return BirthInputKind::Name;
    case ReadingInput::Constellation:
      return BirthInputKind::Constellation;
    case ReadingInput::Bazi:
    case ReadingInput::None:
    case ReadingInput::PanelNames:
      break;
  }
  return BirthInputKind::Bazi;
}

}  // namespace

const std::vector<Reading>& Readings() {
  static const std::vector<Reading> readings = BuildReadings();
  return readings;
}

const Reading* FindReading(std::string_view id) {
  for (const Reading& r : Readings()) {
    if (r.id == id) return &r;
  }
  return nullptr;
}

ReadingOutcome RunReading(const Reading& reading, ReadingInput input, const ReadingEnv& env,
                          const Panel& panel, ReadingTarget& target) {
  ReadingOutcome outcome;
  outcome.scrollToTop = reading.scrollToTop;
  outcome.scrollWithoutChange = reading.scrollWithoutChange;
  const std::size_t revision = target.out.Revision();
  env.store.Failures().Clear();
  try {
    if (input == ReadingInput::PanelNames) {
      // The names the window's input step would have stored; empty ones are its
      // messages.
      target.birth.surname = text::Trim(panel.surname);
      target.birth.givenName = text::Trim(panel.givenName);
      const char* message = target.birth.surname.empty()     ? "姓不能为空!"
                            : target.birth.givenName.empty() ? "名不能为空!"
                                                             : nullptr;
      if (message != nullptr) {
        outcome.kind = OutcomeKind::InputMessage;
        outcome.message = message;
        return outcome;
      }
    } else if (input != ReadingInput::None) {
      const InputCheck check = ReadBirthInput(panel, KindOf(input), target.birth);
      if (!check.ok()) {
        outcome.kind = OutcomeKind::InputMessage;
        outcome.message = check.message;
        return outcome;
      }
    }
    reading.write(env, panel, target);
  } catch (const SilentAbort& e) {
    outcome.kind = OutcomeKind::Stopped;
    outcome.message = e.what();
  } catch (const std::exception& e) {
    outcome.kind = OutcomeKind::ErrorBox;
    outcome.message = e.what();
  }
  outcome.paneChanged = target.out.Revision() != revision;
  // A reading that went on with pieces missing says so; a stop outranks it.
  outcome.missing = env.store.Failures().TakeLines();
  if (outcome.kind == OutcomeKind::Done && !outcome.missing.empty()) {
    outcome.kind = OutcomeKind::DoneWithMissing;
  }
  return outcome;
}

}  // namespace vessa
