#include "core/reports/name_report.h"

#include "core/data/sql_text.h"
#include "core/names/five_grids.h"
#include "core/names/naming_assistant.h"
#include "core/names/number_texts.h"
#include "core/reports/person_line.h"
#include "core/text/text.h"

namespace vessa {

namespace {

using data::DatabaseFile;
using data::FailurePolicy;

std::string Score(double v) { return text::FloatToText(v); }

}  // namespace

std::string_view ScoreBand(double score) {
  if (score >= 90) return "大吉";
  if (score >= 80) return "吉";
  if (score >= 70) return "半吉";
  if (score >= 60) return "凶";
  return "大凶";
}

namespace {

}  // namespace

void NameReport(const ReadingEnv& env, const BirthInput& birth, ReportBuffer& out) {
  const auto& store = env.store;
  out.Clear();
  out.AddLine(PersonLine(birth, env.nowYear));
  out.AddLine("");
  if (birth.surname.empty() || birth.givenName.empty()) return;

  const FiveGrids g = GridsOf(store, birth.surname, birth.givenName);
  const std::string K = ThreeTalentKey(g.heaven, g.person, g.earth);
  struct Grid {
    const char* name;
    int n;
    NameGrid code;
    const char* full;
    const char* note;
  };
  const Grid heaven{"天格", g.heaven, NameGrid::Heaven, "10",
                    "的解析】：天格数是先祖留传下来的，其数理对人影响不大。"};
  const Grid earth{"地格", g.earth, NameGrid::Earth, "10",
                   "的解析】：地格数又称前运，影响人生（49岁）以前的命运。"};
  const Grid person{"人格", g.person, NameGrid::Person, "30",
                    "的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"};
  const Grid total{"总格", g.total, NameGrid::Total, "20",
                   "的解析】：总格又称后运，影响人生（50岁）以后的命运。 "};
  const Grid outer{"外格", g.outer, NameGrid::Outer, "10",
                   "的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"};

  out.AddLine(kNameSeparator);
  out.AddLine("");
  out.AddLine("【评分分析】");
  out.AddLine("");
  double sum = 0;
  for (const Grid* grid : {&heaven, &earth, &person, &total, &outer}) {
    const double score = GridScore(grid->n, grid->code);
    sum += score;
    out.AddLine(std::string(grid->name) + ": " + std::to_string(grid->n) + " " +
                LuckClass(grid->n) + " 得分(总分" + grid->full + ")：" + Score(score));
  }
  const double talent = ThreeTalentScore(store, K);
  sum += talent;
  out.AddLine("三才: " + K + "得分(总分20)：" + Score(talent));
  out.AddLine("综合总分: " + Score(sum));
  out.AddLine("");
  out.AddLine(kNameSeparator);
  out.AddLine("");

  const Grid* order[] = {&heaven, &person, &earth, &total, &outer};
  for (const Grid* grid : order) {
    out.AddLine(std::string("【") + grid->name + std::to_string(grid->n) + grid->note);
    out.AddLine("");
    out.AddLine(NumberText(store, grid->n, 0) + NumberText(store, grid->n, 1));
    out.AddLine("");
    out.AddLine("");
    if (grid != &outer) {
      out.AddLine(kNameSeparator);
      out.AddLine("");
    }
  }

  auto talents =
      store.First(DatabaseFile::MorFile,
                  data::Formatted("Select top 1 * from sancai2009 where title = '%s'", {K}),
                  FailurePolicy::Report);
  if (talents) {
    out.AddLine(kNameSeparator);
    out.AddLine("");
    out.AddLine("【三才数理分析】：您的姓名三才配置为：" + K +
                "。它具有如下数理诱导力，据此会对人生产生一定的影响。");
    out.AddLine("");
    out.AddLine(talents->Text("yy"));
    out.AddLine("");
    out.AddLine("详细评论:" + talents->Text("pinglun"));
    out.AddLine("");
    out.AddLine(kNameSeparator);
    out.AddLine("");
    const std::pair<const char*, const char*> influences[] = {{"【对基础运的影响】：", "jichu"},
                                                              {"【对成功运的影响】：", "chenggong"},
                                                              {"【对人际关系的影响】：", "renji"},
                                                              {"【对性格的影响】：", "xingge"}};
    for (auto [heading, column] : influences) {
      out.AddLine(heading + talents->Text(column));
      out.AddLine("");
    }
  }

  out.AddLine(kNameSeparator);
  out.AddLine("");
  for (const Grid* grid : order) {
    // The hint of a number, then its fuller reading.
    out.AddLine(std::string("【") + grid->name + std::to_string(grid->n) + "数理暗示】：" +
                NumberText(store, grid->n, 2) + NumberText(store, grid->n, 3));
    out.AddLine("");
  }

  // The word comes from the score itself; the key's stored rating follows as its
  // own sentence, so the two can never contradict each other.
  std::string summary, rating = Score(sum) + "分，" + std::string(ScoreBand(sum)) + "。";
  if (talents) {
    summary = talents->Text("zongping");
    if (const std::string stored = talents->Text("pingfen"); !stored.empty())
      rating += "三才" + K + "配置评为" + stored;
  } else {
    // Without a detailed row the stored three-talent reading sums the name up.
    summary =
        StoredThreeTalentReading(store.QueryOn(data::DatabaseFile::MorFile), store, K).value_or("");
  }
  out.AddLine(kNameSeparator);
  out.AddLine("");
  out.AddLine("【总评及建议】:" + summary);
  out.AddLine("");
  out.AddLine("【系统综合评分】: " + rating);
  out.AddLine("");
  out.AddLine(kNameClosing);
}

}  // namespace vessa
