#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace vessa {

// Unwinds a user command to its boundary without any message. Lookups under the
// "cancel" policy and the readings' guards end a command this way; whatever the
// command already wrote stays.
class SilentAbort : public std::exception {
 public:
  SilentAbort() = default;
  explicit SilentAbort(std::string reason) : reason_(std::move(reason)) {}
  const char* what() const noexcept override {
    return reason_.empty() ? "silent abort" : reason_.c_str();
  }

 private:
  std::string reason_;
};

// A failure that the application's default error box shows with its own message
// (lookups under the "report" policy, the engine's errors).
class ReportedError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The standard conversion errors of text that should be a number or a date.
class ConversionError : public ReportedError {
 public:
  using ReportedError::ReportedError;
};

}  // namespace vessa
