#pragma once

// Colour differences as a person sees them: CIE 1976 Delta E between two
// sRGB pixels, through CIE Lab with a D65 white.
#include <QRgb>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vermora::test {

inline std::array<double, 3> Lab(std::uint32_t pixel) {
  auto linear = [](int c) {
    const double s = c / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  const double r = linear(qRed(pixel)), g = linear(qGreen(pixel)), b = linear(qBlue(pixel));
  const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047,
               y = 0.2126 * r + 0.7152 * g + 0.0722 * b,
               z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  auto f = [](double t) {
    return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
  };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

inline double DeltaE76(std::uint32_t a, std::uint32_t b) {
  const auto p = Lab(a), q = Lab(b);
  return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

}  // namespace vermora::test
