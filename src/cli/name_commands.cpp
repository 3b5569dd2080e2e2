#include "cli/commands.h"
#include "cli/panel_options.h"
#include "core/names/naming_assistant.h"
#include "core/text/errors.h"
#include "core/text/text.h"

namespace vessa::cli {

namespace {
constexpr std::size_t kListedCharacters = 60;
}  // namespace

int RunNaming(Context& ctx) {
  std::string surname;
  bool haveSurname = false;
  bool two = true;
  int pick = 0;
  bool all = false;
  std::string test;
  bool testing = false;
  for (std::size_t i = 0; i < ctx.args.size(); ++i) {
    const std::string& a = ctx.args[i];
    if (a == "--one") {
      two = false;
    } else if (a == "--pick" && i + 1 < ctx.args.size()) {
      if (pick > 0) throw UsageError("--pick is given twice");
      pick = ParseInt(ctx.args[++i], "--pick", 1, 100000);
    } else if (a == "--all") {
      all = true;
    } else if (a == "--test" && i + 1 < ctx.args.size()) {
      if (testing) throw UsageError("--test is given twice");
      test = CheckNameText(ctx.args[++i], "--test");
      testing = true;
    } else if (!haveSurname && (a.empty() || a[0] != '-')) {
      surname = a;
      haveSurname = true;
    } else {
      throw UsageError("unexpected argument " + a);
    }
  }
  surname = text::Trim(surname);
  if (surname.empty()) throw UsageError("give the surname");
  CheckNameText(surname, "the surname");
  data::ContentStore& store = Store(ctx);
  const auto proposals = NameProposals(store, surname, two);
  if (proposals.empty()) {
    ctx.error = std::string(kNoProposals);
    return kInputMessage;
  }
  for (const auto& p : proposals) ctx.out.Line(ProposalText(p, two, false));
  if (pick > 0) {
    if (pick > static_cast<int>(proposals.size())) {
      throw UsageError("--pick " + std::to_string(pick) + ": there are " +
                       std::to_string(proposals.size()) + " proposals");
    }
    const NameProposal& p = proposals[static_cast<std::size_t>(pick - 1)];
    ctx.out.Line("");
    // The characters fit for a name, as the window lists them (60 at most);
    // --all gives the whole row of the stroke table.
    const auto characters = [&](int strokes) {
      return all ? CharactersWithStrokes(store, strokes)
                 : NameCharactersWithStrokes(store, strokes, kListedCharacters);
    };
    ctx.out.Line("名第一字:" + characters(p.first));
    if (two) ctx.out.Line("名第两字:" + characters(p.second));
  }
  if (testing) {
    ctx.out.Line("");
    const data::Query query = store.QueryOn(data::DatabaseFile::MorFile);
    // The first lines are out before the grid readings are looked up, as in the
    // window: a failing lookup leaves them.
    if (const auto start = BeginNameTest(query, store, surname, test)) {
      for (const auto& line : start->lines) ctx.out.Line(line);
      for (const auto& line : NameTestReadings(store, *start)) ctx.out.Line(line);
    }
  }
  return kDone;
}

}  // namespace vessa::cli
