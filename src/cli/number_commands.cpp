#include "cli/commands.h"
#include "cli/json.h"
#include "core/numbers/nickname.h"
#include "core/numbers/phone_test.h"
#include "core/numbers/qq_tests.h"
#include "core/text/gbk.h"
#include "core/text/text.h"

// The number and nickname tests: the texts typed into the window's edits as
// arguments, its result lines (or --json) as output.
namespace vessa::cli {

namespace {

// The positional arguments and --json; any other option is a usage error.
std::vector<std::string> TakeArguments(Context& ctx, std::size_t count, bool& json) {
  std::vector<std::string> values;
  for (const std::string& a : ctx.args) {
    if (a == "--json") {
      json = true;
    } else if (a.starts_with("--")) {
      throw UsageError("unknown option " + a);
    } else {
      values.push_back(a);
    }
  }
  if (values.size() != count) {
    throw UsageError(count == 1 ? "give one argument"
                                : "give " + std::to_string(count) + " arguments");
  }
  return values;
}

// The edit holds no more than its bytes; a longer text never gets into it.
bool FitsEdit(Context& ctx, std::string_view gbkText, std::size_t bytes, std::string message) {
  if (gbkText.size() <= bytes) return true;
  ctx.error = std::move(message);
  return false;
}

std::string NumberTooLong(std::size_t digits) {
  return "号码最多" + std::to_string(digits) + "位！";
}

int Print(Context& ctx, const TestResult& result, bool json) {
  if (!result.ok()) {
    ctx.error = result.message;
    return kInputMessage;
  }
  if (json) {
    JsonObject object;
    for (const ResultField& f : result.fields) object.Text(f.key, f.value);
    ctx.out.Line(object.str());
  } else {
    for (const ResultField& f : result.fields) ctx.out.Line(std::string(f.caption) + f.value);
  }
  return kDone;
}

// What an edit of the window shows of a typed text (letters upper-case), in GBK.
std::string EditText(std::string_view typed) { return gbk::FromUtf8(UpperCaseLetters(typed)); }

int RunPhone(Context& ctx) {
  bool json = false;
  const std::string number = EditText(TakeArguments(ctx, 1, json)[0]);
  if (!FitsEdit(ctx, number, kPhoneEditBytes, "手机号码最多11位！")) return kInputMessage;
  data::ContentStore& store = Store(ctx);
  return Print(ctx, PhoneTest(store, gbk::ToUtf8(number)), json);
}

int RunNumberTest(Context& ctx, NumberTestKind kind) {
  bool json = false;
  const std::string number = EditText(TakeArguments(ctx, 1, json)[0]);
  if (!FitsEdit(ctx, number, kNumberEditBytes, NumberTooLong(kNumberEditBytes))) {
    return kInputMessage;
  }
  return Print(ctx, NumberTest(kind, gbk::ToUtf8(number)), json);
}

int RunQQPair(Context& ctx) {
  bool json = false;
  const std::vector<std::string> numbers = TakeArguments(ctx, 2, json);
  const std::string own = EditText(numbers[0]), partner = EditText(numbers[1]);
  for (const std::string* n : {&own, &partner}) {
    if (!FitsEdit(ctx, *n, kNumberEditBytes, NumberTooLong(kNumberEditBytes))) return kInputMessage;
  }
  data::ContentStore& store = Store(ctx);
  return Print(ctx, QQPairing(store, gbk::ToUtf8(own), gbk::ToUtf8(partner)), json);
}

int RunNickname(Context& ctx) {
  bool json = false;
  const std::string typed = UpperCaseLetters(TakeArguments(ctx, 1, json)[0]);
  // UTF-8 as every argument; bytes that are not UTF-8 are taken as GBK.
  const std::string nickname = text::IsValidUtf8(typed) ? gbk::FromUtf8(typed) : typed;
  if (!FitsEdit(ctx, nickname, kNicknameEditBytes, "网名最多18个字节（9个汉字）！")) {
    return kInputMessage;
  }
  return Print(ctx, NicknameTest(nickname), json);
}

}  // namespace

void AddNumberCommands(std::vector<Command>& commands) {
  commands.push_back({"phone", "NUMBER [--json]",
                      "the mobile phone number test (手机号码测算); JSON keys: number, title, "
                      "verdict, reading",
                      RunPhone});
  commands.push_back({"qq", "NUMBER [--json]",
                      "the QQ number test (QQ号码测试); JSON keys: number, motto, verdict, "
                      "personality",
                      [](Context& ctx) { return RunNumberTest(ctx, NumberTestKind::QQ); }});
  commands.push_back({"number", "NUMBER [--json]",
                      "the any-number test (任意号码分析); JSON keys: number, motto, verdict, "
                      "personality",
                      [](Context& ctx) { return RunNumberTest(ctx, NumberTestKind::Any); }});
  commands.push_back({"qqpair", "A B [--json]",
                      "the QQ pairing of own number A and partner's number B (QQ号码缘分配对); "
                      "JSON key: text",
                      RunQQPair});
  commands.push_back({"nickname", "TEXT [--json]",
                      "the nickname reading (网名与性格); JSON keys: nickname, trait",
                      RunNickname, {}, /*takesAnyBytes=*/true});
}

}  // namespace vessa::cli
