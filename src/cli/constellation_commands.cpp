#include "cli/commands.h"
#include "core/reports/constellation_texts.h"

namespace vessa::cli {

// "topic N": the constellation topic view N (0-4, 6) of the panel's person.
int RunTopic(Context& ctx) {
  if (ctx.args.empty() || ctx.args.front().starts_with("--"))
    throw UsageError("give the topic number");
  const std::string number = ctx.args.front();
  const Reading* reading = nullptr;
  for (const ConstellationTopicInfo& info : kConstellationTopics) {
    if (number == std::to_string(info.number)) reading = FindReading("topic" + number);
  }
  if (!reading) throw UsageError("the topic number is 0, 1, 2, 3, 4 or 6, not '" + number + "'");
  ctx.args.erase(ctx.args.begin());
  return RunPaneReading(ctx, *reading);
}

}  // namespace vessa::cli
