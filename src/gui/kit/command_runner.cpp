#include "gui/kit/command_runner.h"

#include <QString>

#include <exception>
#include <optional>
#include <string>

#include "gui/kit/message_seam.h"
#include "core/text/errors.h"

namespace vessa {
namespace {

void RunGuarded(const std::function<void()>& step) {
  if (!step) return;
  // The box is shown after the handler has unwound: a modal loop inside a catch
  // block would keep the exception alive across every event it dispatches.
  std::optional<std::string> error;
  try {
    step();
  } catch (const SilentAbort&) {
  } catch (const std::exception& e) {
    error = e.what();
  }
  if (error) ShowErrorBox(QString::fromStdString(*error));
}

}  // namespace

void RunCommand(const std::function<void()>& body, const std::function<void()>& closing) {
  RunGuarded(body);
  RunGuarded(closing);
}

}  // namespace vessa
