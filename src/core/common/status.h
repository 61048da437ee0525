#pragma once

#include <string>
#include <utility>

namespace vermora {

// The outcome of a command: ok, or the message the user is shown. The core never
// prints; the window turns a failure into its error box, the CLI into a message and
// an exit status.
class [[nodiscard]] Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}
  bool failed_ = false;
  std::string message_;
};

// The program's error box adds a final "." to a message that does not end in one.
std::string ErrorBoxText(const std::string& message);

}  // namespace vermora
