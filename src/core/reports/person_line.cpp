#include "core/reports/person_line.h"

#include "core/text/date_text.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

namespace vessa {

std::string PersonLine(const BirthInput& birth, int nowYear) {
  const std::string D = FormatDate(ParseDate(birth.solarDateText));
  const int age = nowYear - static_cast<int>(text::ToInt(D.substr(0, 4)));
  return birth.surname + birth.givenName + ",你今年:" + std::to_string(age) + "岁," +
         "您出生于公历 " + D.substr(0, 4) + "年" + D.substr(5, 2) + "月" + D.substr(8, 2) + "日" +
         text::Trim(gbk::Copy(birth.hourText, 4, 2)) + "点  " + "农历 " + birth.lunarDateText +
         " 生肖:" + birth.zodiac + " 星座:" + birth.constellation;
}

}  // namespace vessa
