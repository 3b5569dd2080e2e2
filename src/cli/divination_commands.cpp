// The divination commands: coin hexagrams, the Zhuge signs, fingerprints, folk omens.
#include <chrono>

#include "cli/commands.h"
#include "cli/json.h"
#include "core/divination/fingerprint.h"
#include "core/divination/hexagram.h"
#include "core/divination/omens.h"
#include "core/divination/zhuge.h"
#include "core/text/text.h"

namespace vessa::cli {

namespace {

// A reading's text as the pane shows it, one line per line.
void PrintText(Context& ctx, std::string_view text) {
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\n', start);
    ctx.out.Line(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
}

std::uint32_t ParseSeed(std::string_view text) {
  std::int64_t v = 0;
  if (text.empty() || text.front() == ' ' || !text::TryToInt(text, v) || v < 0 ||
      v > 0xFFFFFFFFLL) {
    throw UsageError("--seed must be a whole number from 0 to 4294967295, not '" +
                     std::string(text) + "'");
  }
  return static_cast<std::uint32_t>(v);
}

std::uint32_t ClockSeed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now) ^
                                    (static_cast<std::uint64_t>(now) >> 32));
}

}  // namespace

int RunHexagram(Context& ctx) {
  std::string lines;
  bool haveLines = false, automatic = false, json = false, haveSeed = false;
  std::uint32_t seed = 0;
  for (std::size_t i = 0; i < ctx.args.size(); ++i) {
    const std::string& a = ctx.args[i];
    if (a == "--lines" && i + 1 < ctx.args.size() && !haveLines) {
      lines = ctx.args[++i];
      haveLines = true;
      if (!IsHexagramCode(lines)) {
        throw UsageError(
            "--lines takes six digits 0 (yin, the front) or 1 (yang, the back), "
            "the bottom line first, not '" +
            lines + "'");
      }
    } else if (a == "--auto" && !automatic) {
      automatic = true;
    } else if (a == "--seed" && i + 1 < ctx.args.size() && !haveSeed) {
      seed = ParseSeed(ctx.args[++i]);
      haveSeed = true;
    } else if (a == "--json" && !json) {
      json = true;
    } else {
      throw UsageError("unexpected argument " + a);
    }
  }
  if (haveLines && (automatic || haveSeed))
    throw UsageError("--lines and --auto/--seed exclude each other");
  data::ContentStore& store = Store(ctx);
  const data::Query query = store.QueryOn(data::DatabaseFile::Tgcode);
  std::optional<HexagramRow> row;
  std::string asked;
  if (haveLines) {
    row = HexagramByCode(query, lines);
    asked = "the code " + lines;
  } else {
    CastRandom random(haveSeed ? seed : ClockSeed());
    const int id = DrawHexagramId(random);
    row = HexagramById(query, id);
    asked = "the ID " + std::to_string(id);
  }
  if (!row) {
    ctx.error = "Tgcode.dll: the table 64gua has no row for " + asked;
    return kMissingPieces;
  }
  if (json) {
    ctx.out.Line(JsonObject()
                     .Number("id", row->id)
                     .Text("code", row->code)
                     .Text("title", row->title)
                     .Text("reading", row->reading)
                     .str());
    return kDone;
  }
  ctx.out.Line(row->title);
  PrintText(ctx, row->reading);
  return kDone;
}

int RunZhuge(Context& ctx, const Reading& reading) {
  std::string chars;
  bool haveChars = false, json = false;
  for (const std::string& a : ctx.args) {
    if (a == "--json" && !json) {
      json = true;
    } else if (!haveChars && (a.empty() || a.front() != '-')) {
      chars = a;
      haveChars = true;
    } else {
      throw UsageError("unexpected argument " + a);
    }
  }
  if (!haveChars) throw UsageError("give the three characters (\"\" for none)");
  // The dialog's boxes hold only Chinese characters of GBK, one each; whatever they
  // could not hold is refused here as the boxes refuse it.
  if (const std::string problem = ZhugeCharactersProblem(chars); !problem.empty())
    throw UsageError(problem);
  if (!json) {
    ctx.args.clear();
    return RunPaneReading(ctx, reading, {chars});
  }
  data::ContentStore& store = Store(ctx);
  const ThreeCharacters t = SplitThreeCharacters(chars);
  ctx.out.Line(JsonObject()
                   .Text("characters", chars)
                   .Text("code", ZhugeCodeOf(store, t.c1, t.c2, t.c3))
                   .Text("title", ZhugeText(store, t.c1, t.c2, t.c3, false))
                   .Text("text", ZhugeText(store, t.c1, t.c2, t.c3, true))
                   .str());
  return kDone;
}

int RunFingerprint(Context& ctx) {
  if (ctx.args.size() != 1) throw UsageError("give one code (\"\" for none)");
  const std::string code = text::Trim(ctx.args.front());
  if (!IsFingerprintCode(code))
    throw UsageError("the code is up to five letters o (whorl) or x (loop), not '" +
                     ctx.args.front() + "'");
  data::ContentStore& store = Store(ctx);
  ctx.out.Line(FingerprintResult(store, code));
  return kDone;
}

int RunOmen(Context& ctx) {
  if (ctx.args.empty() || ctx.args.size() > 2) throw UsageError("give KIND and perhaps HOUR");
  const int kind = ParseInt(ctx.args[0], "KIND", 0, kOmenTopicCount - 1);
  if (ctx.args.size() == 2) {
    ctx.out.Line(OmenReadingAt(kind, ParseInt(ctx.args[1], "HOUR", 0, 23)));
    return kDone;
  }
  ctx.out.Line(OmenTopics()[static_cast<std::size_t>(kind)].caption);
  ctx.out.Line("");
  for (const std::string& line : OmenPage(kind)) ctx.out.Line(line);
  ctx.out.Line("");
  for (std::string_view line : OmenNote()) ctx.out.Line(line);
  return kDone;
}

}  // namespace vessa::cli
