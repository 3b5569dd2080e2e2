#include "core/divination/hexagram.h"

#include "core/data/sql_text.h"
#include "core/text/text.h"

namespace vessa {

using data::FailurePolicy;

bool IsHexagramCode(std::string_view code) {
  if (code.size() != kHexagramLines) return false;
  for (char c : code) {
    if (c != '0' && c != '1') return false;
  }
  return true;
}

CoinFace FaceOfCodeCharacter(char c) { return c == '0' ? CoinFace::Front : CoinFace::Back; }

namespace {

std::optional<HexagramRow> RowOf(const data::Query& query, const std::string& sql) {
  const auto row = query.First(sql, FailurePolicy::Report);
  if (!row) return std::nullopt;
  HexagramRow h;
  std::int64_t id = 0;
  h.id = text::TryToInt(row->Text(std::size_t{0}), id) ? static_cast<int>(id) : -1;
  h.code = row->Text(std::size_t{1});
  h.title = row->Text(std::size_t{2});
  h.reading = row->Text(std::size_t{3});
  return h;
}

}  // namespace

std::optional<HexagramRow> HexagramById(const data::Query& query, int id) {
  return RowOf(
      query, data::Formatted("select ID,GuaCode,GuaTite,GuaValue from 64gua where ID = %d ", {id}));
}

std::optional<HexagramRow> HexagramByCode(const data::Query& query, std::string_view code) {
  if (!IsHexagramCode(code)) return std::nullopt;
  return RowOf(
      query, data::Formatted("select ID,GuaCode,GuaTite,GuaValue from 64gua where GuaCode = '%s' ",
                             {code}));
}

int DrawHexagramId(CastRandom& random) {
  // 2^32 is a multiple of 64, so the low six bits are exactly uniform.
  return static_cast<int>(random() % kHexagramCount);
}

CoinFace ThrowCoin(CastRandom& random) {
  return (random() >> 31) == 0 ? CoinFace::Front : CoinFace::Back;
}

}  // namespace vessa
