#pragma once

#include <functional>

// Every command of the windows runs through here, which is where the program's
// failure policies live.
namespace vessa {

// Runs body, then closing. A SilentAbort ends the body without a message; a
// ReportedError, a ConversionError or any other std::exception ends it with its
// message in the error box. The closing steps run in every case, under the same
// policies, so nothing escapes into the event loop.
void RunCommand(const std::function<void()>& body, const std::function<void()>& closing = {});

}  // namespace vessa
