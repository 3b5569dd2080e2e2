#include "core/calendar/sexagenary.h"

namespace vessa {

std::string_view ElementName(Element e) {
  static constexpr std::string_view kNames[] = {"木", "火", "土", "金", "水"};
  return kNames[static_cast<int>(e)];
}

std::optional<Stem> Stem::Parse(std::string_view name) {
  for (int i = 0; i < 10; ++i) {
    if (kStemNames[static_cast<std::size_t>(i)] == name) return FromIndex(i);
  }
  return std::nullopt;
}

std::optional<Branch> Branch::Parse(std::string_view name) {
  for (int i = 0; i < 12; ++i) {
    if (kBranchNames[static_cast<std::size_t>(i)] == name) return FromIndex(i);
  }
  return std::nullopt;
}

std::optional<Pillar> Pillar::Parse(std::string_view name) {
  // Both names are three UTF-8 bytes.
  if (name.size() != 6) return std::nullopt;
  auto stem = Stem::Parse(name.substr(0, 3));
  auto branch = Branch::Parse(name.substr(3, 3));
  if (!stem || !branch) return std::nullopt;
  return Pillar{*stem, *branch};
}

}  // namespace vessa
