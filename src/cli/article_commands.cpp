#include "cli/commands.h"
#include "core/articles/article_library.h"
#include "core/text/text.h"

namespace vessa::cli {

int RunArticle(Context& ctx) {
  if (ctx.args.size() != 1) throw UsageError("expected KEY, such as a1 or b12 (see 'articles')");
  data::ContentStore& store = Store(ctx);
  const Article article = LoadArticle(store, ctx.args[0]);
  if (article.text.empty()) {
    ctx.error = "no article " + ctx.args[0];
    return kInputMessage;
  }
  ctx.out.Line(article.title);
  ctx.out.Line("");
  ctx.out.Line(article.text);
  return kDone;
}

int RunArticles(Context& ctx) {
  if (!ctx.args.empty()) throw UsageError("takes no arguments");
  data::ContentStore& store = Store(ctx);
  for (const auto& [key, title] : ArticleTitles(store)) ctx.out.Line(key + "\t" + title);
  return kDone;
}

}  // namespace vessa::cli
