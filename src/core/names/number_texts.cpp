#include "core/names/number_texts.h"

#include "core/data/sql_text.h"

namespace vessa {

std::string NumberText(const data::ContentStore& store, int n, int field) {
  auto row = store.First(data::DatabaseFile::MorFile,
                         data::Formatted("Select * from 81 where num = %d", {std::int64_t{n}}),
                         data::FailurePolicy::Cancel);
  if (!row) return " ";
  static constexpr const char* kFields[] = {"yy", "jx", "as", "content"};
  if (field < 0 || field > 3) return {};
  return row->Text(kFields[field]);
}

}  // namespace vessa
