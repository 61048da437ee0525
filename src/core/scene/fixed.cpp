#include "scene/fixed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vermora {
namespace {

std::string ZeroText(int decimals) {
  return decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0');
}

constexpr double kPow10[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};

// The common case in scene text, without going through decimal digit strings:
// a moderate number whose integer digits and decimals fit in the precision.
// Gives up (false) wherever the general rule may differ.
// Writes into `buf` (at least 48 bytes) and returns the length, or 0 to give up.
int FastFixed(double value, int precision, int decimals, char* buf) {
  const double magnitude = std::fabs(value);
  // NaN passes none of the range tests below: the general rule takes it.
  if (!(magnitude < 1e9) || decimals > 6 || magnitude < 1e-6) return 0;
  int exp = 0;  // 10^(exp-1) <= magnitude < 10^exp
  while (exp < 10 && magnitude >= kPow10[exp]) ++exp;
  if (exp == 0) {
    while (exp > -7 && magnitude * kPow10[1 - exp] < 1) --exp;
  }
  char* p = buf;
  if (exp + decimals < 0) {  // nothing kept: zero, without a sign
    *p++ = '0';
    if (decimals > 0) *p++ = '.';
    for (int k = 0; k < decimals; ++k) *p++ = '0';
    return static_cast<int>(p - buf);
  }
  if (exp > precision) return 0;  // the "E" form
  // Keep K = min(exp + decimals, precision) significant digits, that is
  // `kept` decimals, and pad the rest of the decimals with zeros.
  const int kept = std::min(exp + decimals, precision) - exp;
  const double scaled = magnitude * kPow10[kept];
  // One ulp from a half could round either way in binary; leave those alone.
  const double frac = scaled - std::floor(scaled);
  if (std::fabs(frac - 0.5) < 1e-9) return 0;
  const auto rounded = static_cast<unsigned long long>(std::floor(scaled + 0.5));
  char digits[24];
  const auto res = std::to_chars(digits, digits + sizeof digits, rounded);
  const int count = static_cast<int>(res.ptr - digits);
  const int int_digits = count - kept;
  if (int_digits > precision) return 0;  // a carry needs the "E" form
  if (value < 0) *p++ = '-';
  if (int_digits <= 0) {
    *p++ = '0';
  } else {
    std::memcpy(p, digits, int_digits);
    p += int_digits;
  }
  if (decimals > 0) {
    *p++ = '.';
    for (int k = int_digits; k < 0; ++k) *p++ = '0';
    const int from = int_digits > 0 ? int_digits : 0;
    std::memcpy(p, digits + from, count - from);
    p += count - from;
    for (int k = kept; k < decimals; ++k) *p++ = '0';
  }
  return static_cast<int>(p - buf);
}

}  // namespace

std::string FixedGeneral(double value, int precision, int decimals);

std::string Fixed(double value, int precision, int decimals) {
  precision = std::clamp(precision, 2, 18);
  decimals = std::clamp(decimals, 0, 18);
  char buf[48];
  if (value != 0) {
    if (const int n = FastFixed(value, precision, decimals, buf)) return std::string(buf, n);
  }
  return FixedGeneral(value, precision, decimals);
}

void AppendFixed(std::string& out, double value, int precision, int decimals) {
  const int p = std::clamp(precision, 2, 18);
  const int d = std::clamp(decimals, 0, 18);
  char buf[48];
  if (value != 0) {
    if (const int n = FastFixed(value, p, d, buf)) {
      out.append(buf, n);
      return;
    }
  }
  out += FixedGeneral(value, p, d);
}

std::string FixedGeneral(double value, int precision, int decimals) {
  precision = std::clamp(precision, 2, 18);
  decimals = std::clamp(decimals, 0, 18);
  if (value == 0 || !std::isfinite(value)) return ZeroText(decimals);

  const bool negative = value < 0;
  // The magnitude as 0.d1d2...d18 x 10^exp, from its 18 significant digits.
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
  *res.ptr = '\0';
  char digits[19];
  digits[0] = buf[0];
  std::memcpy(digits + 1, buf + 2, 17);
  digits[18] = '\0';
  int exp = std::atoi(std::strchr(buf, 'e') + 1) + 1;

  const int keep = std::min({exp + decimals, precision, 18});
  if (keep < 0) return ZeroText(decimals);

  std::string kept(digits, keep);
  if (digits[keep] >= '5') {
    int pos = keep - 1;
    while (pos >= 0 && kept[pos] == '9') kept[pos--] = '0';
    if (pos >= 0) {
      ++kept[pos];
    } else {  // carry out of the first digit (or nothing kept at all)
      kept = "1";
      ++exp;
    }
  }

  std::string text = negative ? "-" : "";
  if (exp > precision) {
    text += kept[0];
    std::string rest = kept.substr(1);
    while (!rest.empty() && rest.back() == '0') rest.pop_back();
    if (!rest.empty()) text += "." + rest;
    return text + "E" + IntegerText(exp - 1);
  }

  const int int_digits = std::max(exp, 0);
  if (int_digits == 0) {
    text += '0';
  } else {
    std::string head = kept.substr(0, std::min<size_t>(int_digits, kept.size()));
    head.resize(int_digits, '0');
    text += head;
  }
  if (decimals > 0) {
    std::string frac;
    if (exp < 0) frac.assign(-exp, '0');
    if (static_cast<int>(kept.size()) > int_digits) frac += kept.substr(int_digits);
    frac.resize(decimals, '0');
    text += "." + frac;
  }
  return text;
}

std::string IntegerText(long long value) { return std::to_string(value); }

long long RoundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

}  // namespace vermora
