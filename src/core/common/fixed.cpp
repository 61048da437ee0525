#include "common/fixed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vermora {

namespace fixed_internal {
const char kDigitPairs[200] = {
#define VERMORA_PAIRS(t) \
  t, '0', t, '1', t, '2', t, '3', t, '4', t, '5', t, '6', t, '7', t, '8', t, '9'
    VERMORA_PAIRS('0'), VERMORA_PAIRS('1'), VERMORA_PAIRS('2'), VERMORA_PAIRS('3'),
    VERMORA_PAIRS('4'), VERMORA_PAIRS('5'), VERMORA_PAIRS('6'), VERMORA_PAIRS('7'),
    VERMORA_PAIRS('8'), VERMORA_PAIRS('9')
#undef VERMORA_PAIRS
};

// P significant digits, e of them before the point: 10^(e-1) <= m < 10^e.
// Zeros fill the D places after the kept decimals, or the "E" form holds the
// kept digits when e > P.
char* PutSignificant(char* p, double value, int P, int D) {
  constexpr double kBelow = 1 - 1e-9, kAbove = 1 + 1e-9;
  const double m = std::fabs(value);
  if (!(m < 1e21) || m < 1 || P > 15) return nullptr;  // NaN too
  int e = std::max(P - D, 1);
  while (m >= kPow10[e]) ++e;
  if (m < kPow10[e - 1] * kAbove || m >= kPow10[e] * kBelow) return nullptr;
  std::uint64_t n;
  if (e > P) {  // the "E" form: the kept digits without trailing zeros
    const double y = m / kPow10[e - P];
    if (!RoundHalfUp(y, n, [&] { return ExactProduct(y, kPow10[e - P], m); }) ||
        n >= kIntPow10[P]) {
      return nullptr;
    }
    int count = P;
    while (count > 1 && n % 10 == 0) {
      n /= 10;
      --count;
    }
    if (value < 0) *p++ = '-';
    if (count > 1) {  // the digits one place on, then the first in front of the point
      PutDigits(p + 1, n, count);
      p[0] = p[1];
      p[1] = '.';
      p += count + 1;
    } else {
      *p++ = static_cast<char>('0' + n);
    }
    *p++ = 'E';
    return PutInteger(p, static_cast<std::uint64_t>(e - 1));
  }
  const int kept = P - e;  // 0 <= kept < D
  const double y = m * kPow10[kept];
  if (!RoundHalfUp(y, n, [&] { return ExactProduct(m, kPow10[kept], y); }) || n >= kIntPow10[P]) {
    return nullptr;
  }
  if (value < 0) *p++ = '-';
  // The P digits and zeros to fill the decimals, copied in fixed lengths
  // (e <= 15, D <= 18: within the kFixedMax bytes at p).
  char digits[40];
  PutDigits(digits, n, P);
  std::memset(digits + P, '0', 18);
  std::memcpy(p, digits, 16);
  p[e] = '.';
  std::memcpy(p + e + 1, digits + e, 18);
  return p + e + 1 + D;
}

}  // namespace fixed_internal

namespace {

// The decimals counts the writers use take the short road of PutFixed.
char* PutCommonDecimals(char* buf, double value, int precision, int decimals) {
  using fixed_internal::PutDecimals;
  auto rest = [precision, decimals](char* p, double v) {
    return fixed_internal::PutSignificant(p, v, precision, decimals);
  };
  switch (decimals) {
    case 0:
      return PutDecimals<0>(buf, value, precision, rest);
    case 1:
      return PutDecimals<1>(buf, value, precision, rest);
    case 2:
      return PutDecimals<2>(buf, value, precision, rest);
    case 3:
      return PutDecimals<3>(buf, value, precision, rest);
    case 4:
      return PutDecimals<4>(buf, value, precision, rest);
    default:
      return nullptr;
  }
}

std::string ZeroText(int decimals) {
  return decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0');
}

using fixed_internal::kPow10;  // 10^0 to 10^22, exact doubles

// The digit count E of a magnitude, 10^(E-1) <= m < 10^E, for 1e-22 <= m < 1e22.
// Next to a power of ten below 1 the answer may be one off; FastFixed sees that.
int DigitCount(double m) {
  int e = 0;
  if (m >= 1) {
    while (e < 22 && m >= kPow10[e]) ++e;
  } else {
    while (e > -22 && m * kPow10[-e + 1] < 1) --e;
  }
  return e;
}

// The rule in double arithmetic, for every value whose text it can prove:
// y = |x| * 10^kept is rounded half up to the K kept digits. The rule rounds
// to 18 significant digits first, which moves y by at most 10^(K-18)/2, and y
// itself is off by at most half an ulp; a y that close to a half is left to
// the general rule, as is any y outside [10^(K-1), 10^K) (a digit count that
// was one off). Writes into `buf` (at least 48 bytes) and returns the length,
// or 0 to give up.
int FastFixed(double value, int precision, int decimals, char* buf) {
  const double m = std::fabs(value);
  // NaN passes none of the range tests: the general rule takes it.
  if (!(m >= 1e-21 && m < 1e21)) return 0;
  const int e = DigitCount(m);
  const int k = std::min(e + decimals, precision);
  char* p = buf;
  if (k < 0) {  // nothing kept: zero, without a sign
    *p++ = '0';
    if (decimals > 0) *p++ = '.';
    for (int z = 0; z < decimals; ++z) *p++ = '0';
    return static_cast<int>(p - buf);
  }
  if (k > 15) return 0;
  const int kept = k - e;  // decimals of y
  if (kept > 22 || kept < -22) return 0;
  const double y = kept >= 0 ? m * kPow10[kept] : m / kPow10[-kept];
  if (y >= kPow10[k]) return 0;
  if (k >= 1 ? y < kPow10[k - 1] : y < 0.1 * (1 + 1e-12)) return 0;
  // y < 10^15, so the conversion is floor and the difference exact.
  const auto whole = static_cast<unsigned long long>(y);
  const double frac = y - static_cast<double>(whole);
  // 3 * 10^(K-16) covers both the 18-digit step and the half ulp of y < 10^K.
  if (std::fabs(frac - 0.5) <= 3 * kPow10[k] * 1e-16) return 0;
  unsigned long long digits_value = whole + (frac > 0.5 ? 1 : 0);
  const bool carry = digits_value == static_cast<unsigned long long>(kPow10[k]);
  const int e_out = carry ? e + 1 : e;

  if (value < 0) *p++ = '-';
  if (e_out > precision) {  // the "E" form: kept digits without trailing zeros
    int count = carry ? 1 : k;
    if (carry) digits_value = 1;
    while (count > 1 && digits_value % 10 == 0) {
      digits_value /= 10;
      --count;
    }
    char* q = p + count + (count > 1);
    for (int z = 1; z < count; ++z) {
      *--q = static_cast<char>('0' + digits_value % 10);
      digits_value /= 10;
    }
    if (count > 1) *--q = '.';
    *--q = static_cast<char>('0' + digits_value);
    p += count + (count > 1);
    *p++ = 'E';
    p = std::to_chars(p, p + 8, e_out - 1).ptr;  // E - 1 > 0 here: at least P digits
    return static_cast<int>(p - buf);
  }
  // y's digits with `kept` of them after the point (kept >= 0 here), then
  // zeros to D places; written from the right.
  const int count = digits_value == 0 ? 0 : (carry ? k + 1 : k);
  const int int_digits = std::max(count - kept, 1);
  char* end = p + int_digits + (decimals > 0 ? 1 + decimals : 0);
  char* q = end;
  for (int z = kept; z < decimals; ++z) *--q = '0';
  for (int z = 0; z < kept; ++z) {
    *--q = static_cast<char>('0' + digits_value % 10);
    digits_value /= 10;
  }
  if (decimals > 0) *--q = '.';
  for (int z = 0; z < int_digits; ++z) {
    *--q = static_cast<char>('0' + digits_value % 10);
    digits_value /= 10;
  }
  return static_cast<int>(end - buf);
}

}  // namespace

std::string FixedGeneral(double value, int precision, int decimals);

std::string Fixed(double value, int precision, int decimals) {
  char buf[kFixedMax];
  return std::string(buf, FixedInto(buf, value, precision, decimals));
}

int FixedInto(char* buf, double value, int precision, int decimals) {
  const int p = std::clamp(precision, 2, 18);
  const int d = std::clamp(decimals, 0, 18);
  if (char* end = PutCommonDecimals(buf, value, p, d)) return static_cast<int>(end - buf);
  if (value == 0) {
    buf[0] = '0';
    buf[1] = '.';
    for (int z = 0; z < d; ++z) buf[2 + z] = '0';
    return d == 0 ? 1 : d + 2;
  }
  if (const int n = FastFixed(value, p, d, buf)) return n;
  const std::string text = FixedGeneral(value, p, d);
  std::memcpy(buf, text.data(), text.size());
  return static_cast<int>(text.size());
}

void AppendFixed(std::string& out, double value, int precision, int decimals) {
  char buf[kFixedMax];
  out.append(buf, FixedInto(buf, value, precision, decimals));
}

std::string FixedGeneral(double value, int precision, int decimals) {
  precision = std::clamp(precision, 2, 18);
  decimals = std::clamp(decimals, 0, 18);
  if (value == 0 || !std::isfinite(value)) return ZeroText(decimals);

  const bool negative = value < 0;
  // The magnitude as 0.d1d2...d18 x 10^exp, from its 18 significant digits.
  char buf[40];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
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
