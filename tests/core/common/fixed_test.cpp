#include "common/fixed.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>

#include "params/number_reading.h"
#include "params/param_reader.h"

namespace vermora {
namespace {

struct Worked {
  double value;
  int precision, decimals;
  const char* text;
};

TEST(FixedTest, WorkedTable) {
  const Worked table[] = {
      {1.23456, 4, 3, "1.235"},    {12.3456, 4, 3, "12.350"},  {123.456, 4, 3, "123.500"},
      {1234.56, 4, 3, "1235.000"}, {12345.6, 4, 3, "1.235E4"}, {10000, 4, 3, "1E4"},
      {-0.5, 4, 3, "-0.500"},      {-0.0004, 4, 3, "-0.000"},  {-0.00004, 4, 3, "0.000"},
      {0, 4, 3, "0.000"},          {45, 3, 0, "45"},           {999.6, 3, 0, "1E3"},
      {-0.4, 3, 0, "-0"},          {0.6, 3, 0, "1"},           {123.4567, 5, 3, "123.460"},
      {0.125, 4, 2, "0.13"},       {0.392, 1, 3, "0.390"},     {-62.5, 3, 0, "-63"},
      {549.875, 5, 3, "549.880"},  {2695, 3, 0, "2.7E3"},      {-0.0625, 4, 3, "-0.063"},
  };
  for (const Worked& w : table) {
    // The worked values are single-precision numbers widened without change.
    EXPECT_EQ(Fixed(static_cast<float>(w.value), w.precision, w.decimals), w.text)
        << w.value << " fixed(" << w.precision << "," << w.decimals << ")";
  }
}

TEST(FixedTest, StartsFromTheSinglePrecisionValue) {
  EXPECT_EQ(Fixed(0.1f, 4, 3), "0.100");
  EXPECT_EQ(Fixed(0.1f, 18, 18), "0.100000001490116119");
}

TEST(FixedTest, CarriesAndSmallNumbers) {
  // What no number text can hold (a product of a huge and a zero field) is written as 0.
  const Worked table[] = {{9.9996, 4, 3, "10.000"},     {-0.0006, 4, 3, "-0.001"},
                          {0.0004, 4, 0, "0"},          {99999.5, 5, 3, "1E5"},
                          {123456.0, 4, 0, "1.235E5"},  {-12.3456f, 5, 3, "-12.346"},
                          {std::nan(""), 4, 2, "0.00"}, {-INFINITY, 4, 0, "0"}};
  for (const Worked& w : table)
    EXPECT_EQ(Fixed(w.value, w.precision, w.decimals), w.text) << w.value;
}

TEST(FixedTest, IntegerTextAndEvenRounding) {
  EXPECT_EQ(IntegerText(-42), "-42");
  EXPECT_EQ(IntegerText(0), "0");
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

// The short roads (Fixed, and AppendFixed of the scene writer) must agree with
// the general rule everywhere: single and double values from 1e-10 to 1e13,
// the "E" form, zeros, halves and the neighbours of powers of ten.
TEST(FixedTest, ShortRoadAgreesWithTheGeneralRule) {
  std::uint32_t state = 7;
  auto next = [&] {
    state = state * 134775813u + 1u;
    return state / 4294967296.0;
  };
  const int rules[][2] = {{4, 3}, {5, 3}, {4, 0}, {3, 0},  {4, 2},
                          {6, 4}, {2, 1}, {9, 6}, {15, 2}, {18, 18}};
  // The rules the scene writer's lines fix at compile time.
  const struct {
    int precision, decimals;
    char* (*put)(char*, double);
  } compiled[] = {{4, 3, &PutFixed<4, 3>},
                  {5, 3, &PutFixed<5, 3>},
                  {4, 0, &PutFixed<4, 0>},
                  {3, 0, &PutFixed<3, 0>},
                  {4, 2, &PutFixed<4, 2>}};
  auto check = [&](double value) {
    for (const auto& r : rules) {
      const std::string expected = FixedGeneral(value, r[0], r[1]);
      std::string appended = "<";
      AppendFixed(appended, value, r[0], r[1]);
      ASSERT_EQ(Fixed(value, r[0], r[1]), expected)
          << value << " fixed(" << r[0] << "," << r[1] << ")";
      ASSERT_EQ(appended, "<" + expected) << value << " fixed(" << r[0] << "," << r[1] << ")";
    }
    for (const auto& c : compiled) {
      char buf[kFixedMax];
      const std::string put(buf, c.put(buf, value));
      ASSERT_EQ(put, FixedGeneral(value, c.precision, c.decimals))
          << value << " PutFixed<" << c.precision << "," << c.decimals << ">";
    }
  };
  for (int k = 0; k < 200000; ++k) {
    const double scale = std::pow(10.0, static_cast<int>(next() * 24) - 10);
    const double value = (next() - 0.5) * scale;
    check(k % 2 ? value : static_cast<float>(value));
  }
  for (double halves : {0.125, 2.5, 0.5, 1.5, 12.345, 99.995, 999.5, 0.0, -0.0, 1e-30, 5e25}) {
    check(halves);
    check(static_cast<float>(halves));
  }
  // Halves at the last kept place and their neighbours, from 0.0005 to 5e5.
  for (int k = 0; k < 20000; ++k) {
    const double half = (static_cast<int>(next() * 1000) + 0.5) * std::pow(10.0, k % 10 - 4);
    for (double v : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300)}) {
      check(v);
      check(-static_cast<float>(v));
    }
  }
  for (int n = -12; n <= 12; ++n) {
    const double power = std::pow(10.0, n);
    for (double v : {power, std::nextafter(power, 0.0), std::nextafter(power, 1e300), power / 2}) {
      check(v);
      check(-static_cast<float>(v));
    }
  }
}

TEST(NumberReadingTest, AcceptsBlanksSignFractionAndExponent) {
  // 0.1 reads as its single-precision neighbour; valid numbers beyond single
  // precision's smallest round to it or to 0.
  const std::pair<const char*, float> good[] = {
      {" 2.5 ", 2.5f},
      {"-3", -3.0f},
      {"+1e2", 100.0f},
      {"1.5E-1", 0.15f},
      {".5", 0.5f},
      {"0.1", 0.1f},
      {"1e-50", 0.0f},
      {"-1e-400", 0.0f},
      {"0.00000000000000000000000000000000000000000000000001", 0.0f},
      {"1e-40", 1e-40f}};
  for (const auto& [text, value] : good) EXPECT_EQ(ParseNumber(text), value) << text;
}

TEST(NumberReadingTest, RejectsBadText) {
  for (const char* bad :
       {"", " ", "1,5", "2.5x", "abc", "1e", "--1", "+-5", "-+5", "1.2.3", "0x10", "inf", "nan",
        "1e39", "1e400", "100000000000000000000000000000000000000000e-2"})
    EXPECT_FALSE(ParseNumber(bad).has_value()) << bad;
}

TEST(NumberReadingTest, IgnoresTheLocaleDecimalSeparator) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(ParseNumber("1.5"), 1.5f);
  EXPECT_FALSE(ParseNumber("1,5").has_value());
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberReadingTest, Integers) {
  EXPECT_EQ(ParseInteger(" -12 "), -12);
  EXPECT_EQ(ParseInteger("+7"), 7);
  for (const char* bad : {"", "1.5", "12a", "-", "+-5", "-+5", "+", "99999999999"})
    EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
  EXPECT_EQ(BadIntegerMessage("x1"), "'x1' is not a valid integer value");
}

TEST(NumberReadingTest, ReaderWarnsOnBadNumbersAndThrowsOnBadIntegers) {
  ParameterSet set;
  set.SetText("EdNumber", "1,5");
  set.SetText("edBRLevel", "two");
  Diagnostics diagnostics;
  ParamReader reader(set, diagnostics);
  EXPECT_EQ(reader.Number("EdNumber"), 0.0f);
  ASSERT_EQ(diagnostics.warnings.size(), 1u);
  EXPECT_EQ(diagnostics.warnings[0], "1,5 ... is not valid");
  try {
    (void)reader.Integer("edBRLevel");
    FAIL() << "no error";
  } catch (const CommandError& error) {
    EXPECT_EQ(error.message, "'two' is not a valid integer value");
  }
}

}  // namespace
}  // namespace vermora
