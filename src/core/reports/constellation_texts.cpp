#include "core/reports/constellation_texts.h"

#include <map>

#include "core/data/sql_text.h"
#include "core/text/text.h"
#include "core/text/tsv.h"

namespace vessa {

// Embedded from data/constellation_iq.tsv at build time.
extern const std::string_view kConstellationIqTsv;

const std::array<ConstellationTopicInfo, 6> kConstellationTopics = {{
    {ConstellationTopic::EqAnalysis, "ndeq", "【情商解析】:", "情商解析", 0},
    {ConstellationTopic::Strength, "aiqing", "【星座实力】:", "星座实力", 1},
    {ConstellationTopic::Celebrities, "mingren", "【星座名人】:", "星座名人", 2},
    {ConstellationTopic::Health, "baojian", "【身体保健】:", "身体保健", 3},
    {ConstellationTopic::FiveAdvice, "qingxv", "【五大建议】:", "五大建议", 4},
    {ConstellationTopic::Defects, "shiye", "【星座缺陷】:", "星座缺陷", 6},
}};

const ConstellationTopicInfo& InfoOf(ConstellationTopic topic) {
  return kConstellationTopics[static_cast<std::size_t>(topic)];
}

std::string ConstellationTopicText(const data::ContentStore& store, std::string_view name,
                                   ConstellationTopic topic) {
  const std::string sql = "select content from " + std::string(InfoOf(topic).table) +
                          " where title = " + data::Quoted(name);
  const std::string stored =
      store.Text(data::DatabaseFile::MorFile, sql, std::size_t{0}, data::FailurePolicy::Cancel);
  return text::ReplaceAll(text::ReplaceAll(text::Trim(stored), "<p>", ""), "</p>", "");
}

std::string ConstellationIqText(std::string_view name) {
  static const std::map<std::string, std::string, std::less<>> texts = [] {
    std::map<std::string, std::string, std::less<>> t;
    for (const auto& row : tsv::Parse(kConstellationIqTsv, "constellation_iq.tsv").rows) {
      t[row[0]] = row[1];
    }
    // Capricorn has no text of its own and reads Cancer's, score 90 included.
    t["摩羯座"] = t.at("巨蟹座");
    return t;
  }();
  const auto it = texts.find(name);
  return it == texts.end() ? "请听下回分解!" : it->second;
}

}  // namespace vessa
