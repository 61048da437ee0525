#include "scene/fixed.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vermora {
namespace {

std::string ZeroText(int decimals) {
  return decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0');
}

}  // namespace

std::string Fixed(double value, int precision, int decimals) {
  precision = std::clamp(precision, 2, 18);
  decimals = std::clamp(decimals, 0, 18);
  if (value == 0 || !std::isfinite(value)) return ZeroText(decimals);

  const bool negative = value < 0;
  // The magnitude as 0.d1d2...d18 x 10^exp, from its 18 significant digits.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17e", std::fabs(value));
  std::string digits;
  digits += buf[0];
  digits.append(buf + 2, 17);
  int exp = std::atoi(std::strchr(buf, 'e') + 1) + 1;

  const int keep = std::min({exp + decimals, precision, 18});
  if (keep < 0) return ZeroText(decimals);

  std::string kept = digits.substr(0, keep);
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
