#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/data/content_store.h"

// The stored articles of the content library (table Noter of MorBirth.dll): essays
// on Bazi and naming, and classic moral texts, each under a short key ("a1", "b12").
namespace vessa {

struct Article {
  std::string title;  // "算命" when the key has no row
  std::string text;   // its own line breaks make the lines; "" when the key has no row
};

inline constexpr std::string_view kMissingArticleTitle = "算命";

// The article of a key. A failing lookup throws SilentAbort (no viewer opens).
Article LoadArticle(const data::ContentStore& store, std::string_view key);

// Every key and title, in the order of the keys (a1 … a8, b1 … b13).
std::vector<std::pair<std::string, std::string>> ArticleTitles(const data::ContentStore& store);

}  // namespace vessa
