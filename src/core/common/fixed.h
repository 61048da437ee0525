#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace vermora {

// The number text of every computed number in scene text and of every number
// written back into a parameter field: at most `precision` significant digits,
// exactly `decimals` decimals, and the "1.235E4" form only when the integer part
// needs more digits than the precision allows. Halves round up in magnitude, on
// the exact value of the number passed.
std::string Fixed(double value, int precision, int decimals);

// Fixed, appended to `out` without a temporary: the scene writer's hot path.
void AppendFixed(std::string& out, double value, int precision, int decimals);

// The longest text Fixed gives ("-" and 18 digits, "." and 18 decimals, or the
// "E" form), with room to spare.
inline constexpr int kFixedMax = 48;

// Fixed, written to `buf` (kFixedMax bytes); returns the length.
int FixedInto(char* buf, double value, int precision, int decimals);

// FixedInto for a precision and decimals the compiler knows; returns the end of
// the text. The writers' hot path (see fixed_internal below).
template <int P, int D>
char* PutFixed(char* p, double value);

// The same rule by way of the 18 significant decimal digits, for every value;
// Fixed takes a shorter road where it gives the same text.
std::string FixedGeneral(double value, int precision, int decimals);

// Plain decimal digits with a leading "-" when negative.
std::string IntegerText(long long value);

// Rounds halves to the even neighbour (the program's whole-number rounding).
long long RoundHalfEven(double value);

namespace fixed_internal {

inline constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr std::uint64_t kIntPow10[] = {1ull,
                                              10ull,
                                              100ull,
                                              1000ull,
                                              10000ull,
                                              100000ull,
                                              1000000ull,
                                              10000000ull,
                                              100000000ull,
                                              1000000000ull,
                                              10000000000ull,
                                              100000000000ull,
                                              1000000000000ull,
                                              10000000000000ull,
                                              100000000000000ull,
                                              1000000000000000ull,
                                              10000000000000000ull,
                                              100000000000000000ull,
                                              1000000000000000000ull};
// 10^-1 to 10^-22, rounded.
inline constexpr double kNegPow10[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                       1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                       1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};
extern const char kDigitPairs[200];

// Writes the D lowest decimal digits of `n` at `p`, zeros in front.
template <int D, typename U>
[[gnu::always_inline]] inline void PutDigits(char* p, U n) {
  char* q = p + D;
  for (int left = D; left >= 2; left -= 2) {
    q -= 2;
    std::memcpy(q, kDigitPairs + 2 * (n % 100), 2);
    n /= 100;
  }
  if (D % 2) *--q = static_cast<char>('0' + n % 10);
}

// Writes `n` in decimal at `p`; returns the end.
template <typename U>
[[gnu::always_inline]] inline char* PutInteger(char* p, U n) {
  if (n < 10) {
    *p = static_cast<char>('0' + n);
    return p + 1;
  }
  if (n < 100) {
    std::memcpy(p, kDigitPairs + 2 * n, 2);
    return p + 2;
  }
  int count = 3;
  while (count < 20 && n >= kIntPow10[count]) ++count;
  char* q = p + count;
  while (n >= 100) {
    q -= 2;
    std::memcpy(q, kDigitPairs + 2 * (n % 100), 2);
    n /= 100;
  }
  if (n >= 10) {
    q -= 2;
    std::memcpy(q, kDigitPairs + 2 * n, 2);
  } else {
    *--q = static_cast<char>('0' + n);
  }
  return p + count;
}

// Writes n / 10^D, and when D > 0 a point and the D digits of n % 10^D.
template <int D, typename U>
[[gnu::always_inline]] inline char* PutPointed(char* p, U n) {
  if constexpr (D == 0) {
    return PutInteger(p, n);
  } else {
    constexpr U kScale = static_cast<U>(kIntPow10[D]);
    p = PutInteger(p, n / kScale);
    *p++ = '.';
    PutDigits<D>(p, n % kScale);
    return p + D;
  }
}

// Writes the `count` lowest decimal digits of `n` at `p`, zeros in front.
inline void PutDigits(char* p, std::uint64_t n, int count) {
  char* q = p + count;
  for (; count >= 2; count -= 2) {
    q -= 2;
    std::memcpy(q, kDigitPairs + 2 * (n % 100), 2);
    n /= 100;
  }
  if (count) *--q = static_cast<char>('0' + n % 10);
}

// PutDecimals where |value| * 10^D >= 10^P and the point form does not hold
// (defined in fixed.cpp): the "E" form.
char* PutSignificant(char* p, double value, int P, int D);

// Rounds y half up, or gives up (returns false) when y is too near a half to
// be sure. The rule rounds to 18 significant digits first, which moves y by at
// most 10^-17 y, and y itself is off by at most half an ulp: 3e-15 y covers
// both. A y exactly at a half is sure when `exact()` says it was computed
// without rounding (then the number has at most 16 digits, which the 18-digit
// step keeps), and rounds up. REQUIRES: 0 <= y < 10^15, so the conversion is
// floor and the difference exact.
template <typename Exact>
[[gnu::always_inline]] inline bool RoundHalfUp(double y, std::uint64_t& n, Exact exact) {
  // The signed conversions are single instructions; the unsigned are not.
  const auto whole = static_cast<std::int64_t>(y);
  const double frac = y - static_cast<double>(whole);
  if (std::fabs(frac - 0.5) <= 3e-15 * y && !(frac == 0.5 && exact())) return false;
  n = static_cast<std::uint64_t>(whole + (frac >= 0.5 ? 1 : 0));
  return true;
}

// Whether a * b was computed without rounding into `product`.
inline bool ExactProduct(double a, double b, double product) {
  return std::fma(a, b, -product) == 0;
}

// The rule for every value it can prove, or null to give up (for FixedInto).
// Where the integer part has room for all D decimals (|value| < 10^(P-D)),
// y = |value| * 10^D rounded half up is the text's digits, D of them after the
// point; below 0.1 nothing is kept and the text is zero without a sign. Where
// it has not, P significant digits are kept and zeros fill the D places. A y
// near where the kept digit count changes (a power of ten) is given up, as is
// the "E" form. REQUIRES: 2 <= P <= 18.
template <int D, typename Rest>
[[gnu::always_inline]] inline char* PutDecimals(char* p, double value, int P, Rest rest) {
  static_assert(D >= 0 && D <= 18);
  constexpr double kBelow = 1 - 1e-9, kAbove = 1 + 1e-9;
  const double m = std::fabs(value);
  const double y = m * kPow10[D];
  std::uint64_t n;
  if (y < (P < 15 ? kPow10[P] : 1e15) * kBelow) {
    if (y < 0.1 * kBelow) {
      *p++ = '0';
      if (D > 0) {
        *p++ = '.';
        std::memset(p, '0', D);
        p += D;
      }
      return p;
    }
    if (y < 0.1 * kAbove ||
        !RoundHalfUp(y, n, [&] { return D == 0 || ExactProduct(m, kPow10[D], y); })) {
      return nullptr;
    }
    // A rounding up to 10^P is the "E" form when no decimals are kept; with
    // decimals it is the carried fixed text.
    if (D == 0 && n >= kIntPow10[P]) return nullptr;
    if (value < 0) *p++ = '-';
    // Nine digits fit 32 bits, whose division steps are the cheaper.
    if (P <= 9) return PutPointed<D>(p, static_cast<std::uint32_t>(n));
    return PutPointed<D>(p, n);
  }
  if constexpr (D > 0) {
    // P significant digits, e of them before the point (10^(e-1) <= m < 10^e),
    // then zeros to D places: the D-decimal text of n * 10^(D - kept).
    if (m >= 1 && m < kPow10[P] * kBelow && P <= 15 && P + D <= 18) {
      int e = P - D > 1 ? P - D : 1;
      while (m >= kPow10[e]) ++e;
      if (m < kPow10[e - 1] * kAbove || m >= kPow10[e] * kBelow) return nullptr;
      const int kept = P - e;  // 0 <= kept < D
      const double y_kept = m * kPow10[kept];
      if (!RoundHalfUp(y_kept, n, [&] { return ExactProduct(m, kPow10[kept], y_kept); }) ||
          n >= kIntPow10[P]) {
        return nullptr;
      }
      if (value < 0) *p++ = '-';
      n *= kIntPow10[D - kept];
      if (P + D <= 9) return PutPointed<D>(p, static_cast<std::uint32_t>(n));
      return PutPointed<D>(p, n);
    }
  }
  return rest(p, value);
}

// The "E" form with P known at compile time: the P kept digits without
// trailing zeros, then e - 1 after "E". Returns null to give up.
template <int P>
[[gnu::always_inline]] inline char* PutExponent(char* p, double value) {
  static_assert(P >= 2 && P <= 15);
  constexpr double kBelow = 1 - 1e-9, kAbove = 1 + 1e-9;
  const double m = std::fabs(value);
  std::uint64_t n;
  if (m >= kPow10[P] * kAbove && m < 1e21) {
    int e = P + 1;
    while (m >= kPow10[e]) ++e;
    if (m < kPow10[e - 1] * kAbove || m >= kPow10[e] * kBelow) return nullptr;
    // The product by 10^-(e-P) is off by an ulp more than a quotient, well
    // inside RoundHalfUp's margin; the exactness test holds either way.
    const double y = m * kNegPow10[e - P];
    if (!RoundHalfUp(y, n, [&] { return ExactProduct(y, kPow10[e - P], m); }) ||
        n >= kIntPow10[P]) {
      return nullptr;
    }
    if (value < 0) *p++ = '-';
    char digits[24];
    if (P <= 9) {
      PutDigits<P>(digits, static_cast<std::uint32_t>(n));
    } else {
      PutDigits<P>(digits, n);
    }
    int count = P;
    while (count > 1 && digits[count - 1] == '0') --count;
    p[0] = digits[0];
    if (count > 1) {
      p[1] = '.';
      std::memcpy(p + 2, digits + 1, P - 1);
      p += count + 1;
    } else {
      p += 1;
    }
    *p++ = 'E';
    return PutInteger(p, static_cast<std::uint32_t>(e - 1));
  }
  return nullptr;
}

}  // namespace fixed_internal

template <int P, int D>
[[gnu::always_inline]] inline char* PutFixed(char* p, double value) {
  static_assert(P >= 2 && P <= 18);
  auto rest = [](char* q, double v) {
    if constexpr (P <= 15) {
      if (char* end = fixed_internal::PutExponent<P>(q, v)) return end;
    }
    return fixed_internal::PutSignificant(q, v, P, D);
  };
  if (char* end = fixed_internal::PutDecimals<D>(p, value, P, rest)) return end;
  return p + FixedInto(p, value, P, D);
}

}  // namespace vermora
