#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermora {

// Text to a single-precision number, "." always the decimal separator whatever
// the locale: optional blanks, sign, digits with an optional ".fraction" and an
// optional exponent. Anything else, the empty text included, is bad text.
std::optional<float> ParseNumber(std::string_view text);

// Text to a 32-bit integer: optional blanks and sign around decimal digits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// The warning shown for a field that does not hold a number ("1,5 ... is not valid").
std::string BadNumberMessage(std::string_view text);
// The error that ends a command reading a bad integer.
std::string BadIntegerMessage(std::string_view text);

// Warnings a command collected while it went on; the caller shows them.
struct Diagnostics {
  std::vector<std::string> warnings;
  void Warn(std::string message) { warnings.push_back(std::move(message)); }
};

// Thrown inside the core when a bad integer ends a command; the command's entry
// point turns it into a failed Status, so it never reaches the window or CLI.
struct CommandError {
  std::string message;
};

}  // namespace vermora
