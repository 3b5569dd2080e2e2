#include "core/articles/article_library.h"

#include <algorithm>

#include "core/data/sql_text.h"
#include "core/text/text.h"

namespace vessa {

Article LoadArticle(const data::ContentStore& store, std::string_view key) {
  const auto row = store.First(data::DatabaseFile::MorBirth,
                               "select Tite,content from Noter where Cid = " + data::Quoted(key),
                               data::FailurePolicy::Cancel);
  if (!row) return {std::string(kMissingArticleTitle), {}};
  return {row->Text(std::size_t{0}), row->Text(std::size_t{1})};
}

std::vector<std::pair<std::string, std::string>> ArticleTitles(const data::ContentStore& store) {
  std::vector<std::pair<std::string, std::string>> titles;
  for (const auto& row : store.All(data::DatabaseFile::MorBirth, "select Cid,Tite from Noter",
                                   data::FailurePolicy::Report)) {
    titles.emplace_back(row.Text(std::size_t{0}), row.Text(std::size_t{1}));
  }
  // a2 before a10: by the letter, then by the number.
  std::sort(titles.begin(), titles.end(), [](const auto& x, const auto& y) {
    const auto number = [](const std::string& k) {
      std::int64_t n = 0;
      return k.size() > 1 && text::TryToInt(std::string_view(k).substr(1), n) ? n : 0;
    };
    if (x.first.substr(0, 1) != y.first.substr(0, 1)) return x.first < y.first;
    return number(x.first) < number(y.first);
  });
  return titles;
}

}  // namespace vessa
