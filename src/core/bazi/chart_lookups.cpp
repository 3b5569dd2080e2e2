#include "core/bazi/chart_lookups.h"

#include "core/data/sql_text.h"

namespace vessa {

using data::DatabaseFile;
using data::FailurePolicy;

std::string TenGodOf(const data::ContentStore& store, std::string_view dayStem,
                     std::string_view stem) {
  std::string key = std::string(dayStem) + std::string(stem);
  return store.Text(DatabaseFile::Tgcode,
                    data::Inline("select top 1 ShiShen from Shishen where jiazi = '", key),
                    "ShiShen", FailurePolicy::Ignore);
}

std::string NayinOf(const data::ContentStore& store, std::string_view pillar) {
  return store.Text(DatabaseFile::Tgcode,
                    data::Inline("select top 1 layin from jiazi where jiazi = '", pillar), "layin",
                    FailurePolicy::Ignore);
}

std::string ElementOf(const data::ContentStore& store, std::string_view character) {
  return store.Text(DatabaseFile::Tgcode,
                    "select top 1 wh from hzwh where hz like " + data::QuotedLike(character), "wh",
                    FailurePolicy::Ignore);
}

}  // namespace vessa
