#include "core/reports/constellation_report.h"

#include "core/reports/person_line.h"

namespace vessa {

namespace {

bool PersonKnown(const BirthInput& birth) {
  return !birth.surname.empty() && !birth.givenName.empty() && !birth.constellation.empty();
}

}  // namespace

void WriteConstellationReport(const ReadingEnv& env, const BirthInput& birth, ReportBuffer& out) {
  out.Clear();
  out.AddLine(PersonLine(birth, env.nowYear));
  out.AddLine("");
  for (const ConstellationTopicInfo& info : kConstellationTopics) {
    out.AddLine(std::string(70, '-'));
    out.AddLine(info.heading);
    out.AddLine(ConstellationTopicText(env.store, birth.constellation, info.topic));
  }
  out.AddLine("");
  out.AddLine("--以上测算紧着参考" + std::string(52, '-'));
}

bool WriteConstellationTopic(const ReadingEnv& env, const BirthInput& birth,
                             ConstellationTopic topic, ReportBuffer& out) {
  if (!PersonKnown(birth)) return false;
  out.Clear();
  out.AddLine(birth.surname + birth.givenName + ",您的星座为" + birth.constellation + "...");
  out.AddLine("");
  out.AddLine("");
  out.AddLine(ConstellationTopicText(env.store, birth.constellation, topic));
  return true;
}

bool WriteConstellationOutlook(const BirthInput& birth, ReportBuffer& out) {
  if (!PersonKnown(birth)) return false;
  out.Clear();
  out.AddLine(birth.surname + birth.givenName + ",您的星座为" + birth.constellation +
              ",经系统分析如下:");
  out.AddLine("");
  out.AddLine("");
  out.AddLine("    " + ConstellationIqText(birth.constellation));
  return true;
}

}  // namespace vessa
