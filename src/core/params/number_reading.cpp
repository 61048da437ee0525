#include "params/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vermora {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when `text` is sign? digits [. digits] [(E|e) sign? digits], with at least
// one digit in the mantissa.
bool IsNumberSyntax(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t mantissa_digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++mantissa_digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissa_digits;
  }
  if (mantissa_digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t exp_digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++exp_digits;
    if (exp_digits == 0) return false;
  }
  return i == text.size();
}

// The power of ten of the first non-zero digit of a number text (sign?
// digits [. digits] [e exponent]), for telling an underflow from an overflow.
// REQUIRES: IsNumberSyntax(text) and a non-zero digit in the mantissa.
long long LeadingPower(std::string_view text) {
  if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
  const size_t e = text.find_first_of("eE");
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = text.substr(e + 1);
    const bool negative = digits.front() == '-';
    if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
    // Exponent digits beyond any sensible length saturate.
    for (char c : digits) exponent = std::min<long long>(exponent * 10 + (c - '0'), 1LL << 40);
    if (negative) exponent = -exponent;
    text = text.substr(0, e);
  }
  const size_t point = std::min(text.find('.'), text.size());
  const size_t first = text.find_first_of("123456789");
  const long long place = first < point ? static_cast<long long>(point - first - 1)
                                        : -static_cast<long long>(first - point);
  return exponent + place;
}

}  // namespace

std::optional<float> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!IsNumberSyntax(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  float value = 0;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(text.data(), last, value);
  if (ec == std::errc() && end == last) return value;
  if (ec != std::errc::result_out_of_range) return std::nullopt;
  // Out of single range: a tiny number rounds to zero or a subnormal,
  // a huge one has no single-precision value and is bad text.
  double wide = 0;
  const auto [wide_end, wide_ec] = std::from_chars(text.data(), last, wide);
  if (wide_ec == std::errc() && wide_end == last) {
    if (std::fabs(wide) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(wide);
  }
  if (LeadingPower(text) >= 0) return std::nullopt;
  return 0.0f;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;  // "+-5"
  }
  if (text.empty() || (text.front() == '-' && text.size() == 1)) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string BadNumberMessage(std::string_view text) {
  return std::string(text) + " ... is not valid";
}

std::string BadIntegerMessage(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid integer value";
}

}  // namespace vermora
